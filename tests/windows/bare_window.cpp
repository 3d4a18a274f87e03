// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a Qt program of the game's size can show: a window with a
// 475 x 226 client in light cyan, the colour that tells its first paint from
// outside, as the game's result line does. Built with the same static Qt and
// flags as merovant.exe, its size and start-up are what Qt itself costs.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto *client = new QWidget;
    client->setFixedSize(475, 226);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0xFF, 0xFF));
    client->setPalette(palette);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
