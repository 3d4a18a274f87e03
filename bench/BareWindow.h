// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

// The least a Qt program of the game's size can show: a window with a
// 475 x 226 client in light cyan, the colour that tells its first paint from
// outside, as the game's result line does. Its start-up and size are what
// Qt itself costs.
class BareWindow : public QMainWindow
{
public:
    BareWindow();
};
