// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

// Speaks a short text through the screen reader without showing anything.
// A screen reader speaks a label that changes only while the label has the
// focus, and a label never has it; what it does speak at once, wherever the
// focus is, is a notification that appears, and inside a status bar it says
// the text alone, without naming the role. So the announcer is a status bar
// that is never shown. From Qt 6.8 on it sends Qt's announcements, which
// AT-SPI and UI Automation hand on as text. Before, it holds one
// notification whose name is the text, and each announcement says that the
// notification appeared. Nothing of it is drawn and nothing of it takes the
// focus. Being the window's status bar, it also answers a screen reader's
// command to read the status bar, with a summary.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    // How a text takes its turn with what the screen reader is saying.
    enum class Politeness {
        Polite,   // after it
        Assertive // cutting it short
    };

    // Says the text once; an empty text says nothing. Only Qt 6.8 and later
    // hand the politeness on.
    void say(const QString &text, Politeness politeness = Politeness::Polite);
    // The last text said.
    QString lastSaid() const;
    // What the status bar reads when a screen reader is asked for it (Orca's
    // "read status bar"): the state of the game at any time.
    void setSummary(const QString &text);

    // An Answer line as words that a speech engine reads well:
    // "(( 6/ 1)/ 1)* 4=24" becomes "6 divided by 1, divided by 1, times 4,
    // equals 24". Any other text stays as it is, without its leading blank.
    static QString spoken(const QString &line);
    // Sentences read one after the other: "You failed. Try a new game. You
    // lost: 1", "No solution. No solution: 1".
    static QString sentences(const QStringList &parts);

private:
    QWidget *m_notice;
};

// The notification inside the announcer.
class AnnouncerNotice : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};
