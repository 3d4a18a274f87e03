// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QProcessEnvironment;

// What the program does with its command line, before any window exists, so
// that it answers without a display. The game itself takes no options:
// --help and --version print and end the program, anything else is a usage
// error, and without a display to show the window on the program says so in
// one line instead of letting the toolkit abort.
class CommandLine
{
public:
    // Exit statuses of a run that ends before the game starts.
    static constexpr int Success = 0;
    static constexpr int NoDisplay = 1;
    static constexpr int UsageError = 2;

    struct Outcome
    {
        // Empty: start the game. Otherwise end the program with this status.
        std::optional<int> exitStatus;
        QString standardOutput;
        QString standardError;
    };

    // Decides from the arguments (the program's name first) and from the
    // environment that tells where windows can be shown.
    static Outcome decide(const QStringList &arguments, const QProcessEnvironment &environment);

    // decide() for this process: prints what there is to print and returns
    // the exit status when the program is to end before the game starts. When
    // the program goes on, the toolkit's failure to reach the display later on
    // also ends it with NoDisplay and a one-line message instead of an abort
    // and the warnings that lead to it.
    static std::optional<int> handle(int argc, char *argv[]);
    // Once the application has reached its display: the toolkit's messages
    // go to its own handler again, those held back while it looked included.
    static void displayOpened();
};
