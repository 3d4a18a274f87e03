// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

// What the game's window would be with text alone: the same size, a menu bar
// of three commands, six buttons and nine labels where the game has them, in
// the game's fonts, and no pictures. Start-up is measured against it.
class TextAnchor : public QMainWindow
{
public:
    TextAnchor();
};
