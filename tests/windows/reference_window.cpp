// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One of the bench's reference windows as a program of its own, built with
// the same static Qt and flags as merovant.exe; REFERENCE_WINDOW names which.
// Beside it under Wine, the bare window tells what Qt itself costs, and the
// text anchor what the game's controls and texts cost apart from what the
// game adds.
#include "BareWindow.h"
#include "TextAnchor.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    REFERENCE_WINDOW window;
    window.show();
    return QApplication::exec();
}
