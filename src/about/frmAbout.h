// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <cstdint>

class Platform;
class QLabel;
class QPushButton;

// The About box: icon, title, version, a description and a notice, with OK
// and System Info. One object serves the whole run. It has no owner and is
// modeless; closing it by any means hides it, and the next Show runs its
// load step afresh.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(Platform &platform);

    // Runs the load step and shows the box if it is hidden, and brings it to
    // the front.
    void Show();

    // Starts the system information tool, or says that it is unavailable.
    void StartSysInfo();
    // Reads one registry value as text; see SysInfo::GetKeyValue. A value
    // without data throws std::invalid_argument.
    bool GetKeyValue(std::uint32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                     QString &KeyVal);

    // Handlers, one per control event.
    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildWindow();
    void applyColours();
    void Form_Load();

    Platform &m_platform;

    QLabel *picIcon = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDisclaimer = nullptr;
};
