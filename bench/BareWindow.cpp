// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BareWindow.h"

BareWindow::BareWindow()
{
    setWindowTitle(QStringLiteral("Bare window"));
    // The window paints the cyan itself, through its empty client: a client
    // that painted it would cover the window, which then would never be sent
    // a paint of its own, and that is the paint the bench waits for.
    QPalette cyan = palette();
    cyan.setColor(QPalette::Window, QColor(0x80, 0xFF, 0xFF));
    setPalette(cyan);
    auto *client = new QWidget;
    client->setFixedSize(475, 226);
    setCentralWidget(client);
}
