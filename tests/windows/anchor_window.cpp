// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bench's text anchor as a program of its own: the game's window with
// its controls and texts in the game's fonts, and no pictures, built with
// the same static Qt and flags as merovant.exe. Timed beside it under Wine,
// it tells what the controls and their texts cost from what the game adds.
#include "TextAnchor.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TextAnchor window;
    window.show();
    return QApplication::exec();
}
