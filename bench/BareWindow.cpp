// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BareWindow.h"

BareWindow::BareWindow()
{
    setWindowTitle(QStringLiteral("Bare window"));
    auto *client = new QWidget;
    client->setFixedSize(475, 226);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0xFF, 0xFF));
    client->setPalette(palette);
    setCentralWidget(client);
}
