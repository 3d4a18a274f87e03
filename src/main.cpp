// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/AppInfo.h"
#include "game/Form1.h"
#include "platform/CommandLine.h"
#include "platform/DesktopPlatform.h"
#include "platform/Translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto status = CommandLine::handle(argc, argv))
        return *status;
    QApplication app(argc, argv);
    CommandLine::displayOpened();
    QApplication::setApplicationName(QStringLiteral("Merovant"));
    QApplication::setApplicationVersion(AppInfo::version);
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(MEROVANT_APP_ID));
    Translations::install();
    DesktopPlatform platform;
    Form1 form(platform);
    form.show();
    return QApplication::exec();
}
