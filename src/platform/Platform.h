// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;
class SystemTools;

// Everything the game asks of the world outside its windows. The running
// program uses DesktopPlatform; tests use FakePlatform, so that no test opens
// a browser, blocks on a dialog or depends on the time of day.
class Platform
{
public:
    virtual ~Platform() = default;

    // Opens a document or address with the desktop's handler. Callers never
    // look at the outcome: a missing page or browser is simply ignored.
    virtual void shellOpen(QWidget *owner, const QString &operation, const QString &file,
                           const QString &directory) = 0;

    // A modal message box over every window of the program: the text, one OK
    // button, no icon, the application title. Returns once it is dismissed.
    // A screen reader reads `spoken` in place of the text when it is given.
    virtual void showMessage(const QString &text, const QString &spoken = QString()) = 0;

    // Starts a fresh random sequence from the clock.
    virtual void reseedFromClock() = 0;
    // One uniform draw, 0 <= r < 1, at single-precision resolution.
    virtual float draw() = 0;

    // The registry, program start and file check behind System Info.
    virtual SystemTools &systemTools() = 0;
};
