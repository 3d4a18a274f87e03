// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextAnchor.h"

#include "game/Design.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

using Design::twips;

TextAnchor::TextAnchor()
{
    setWindowTitle(QStringLiteral("Merovant"));
    auto *table = new QWidget(this);
    table->setFixedSize(475, 226);
    table->setFont(Design::sansSerif(13.5));
    setCentralWidget(table);

    const QFont control = Design::sansSerif(8.25);
    const QFont caption = Design::sansSerif(8.25, true);
    const QFont count = Design::sansSerif(13.5);
    const QFont result = Design::heavySansSerif(12);
    const std::pair<const char *, QRect> buttons[] = {
        {"New Game", twips(5280, 240, 1335, 495)},
        {"Answer", twips(5280, 840, 1335, 495)},
        {"Plus (+)", twips(240, 1800, 1095, 360)},
        {"Minus (-)", twips(1440, 1800, 1095, 375)},
        {"Multiply (*)", twips(2640, 1800, 1095, 375)},
        {"Divide (/)", twips(3840, 1800, 1095, 375)}};
    for (const auto &[text, place] : buttons) {
        auto *button = new QPushButton(QString::fromLatin1(text), table);
        button->setGeometry(place);
        button->setFont(control);
    }
    const std::tuple<const char *, QRect, const QFont &> labels[] = {
        {"0", twips(240, 2520, 4695, 495), result},
        {"0", twips(6360, 1680, 615, 375), count},
        {"0", twips(6360, 2760, 615, 375), count},
        {"You won:", twips(5280, 1800, 975, 255), caption},
        {"Total:", twips(5280, 2880, 1095, 255), caption},
        {"0", twips(6360, 2400, 615, 375), count},
        {"No solution:", twips(5280, 2520, 1095, 255), caption},
        {"You lost:", twips(5280, 2160, 975, 255), caption},
        {"0", twips(6360, 2040, 495, 375), count}};
    QLabel *resultLine = nullptr;
    for (const auto &[text, place, font] : labels) {
        auto *label = new QLabel(QString::fromLatin1(text), table);
        label->setGeometry(place);
        label->setFont(font);
        label->setAutoFillBackground(true);
        if (!resultLine)
            resultLine = label;
    }
    // The result line's light cyan, by which a first paint is seen from
    // outside, as the game's is.
    QPalette palette = resultLine->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0xFF, 0xFF));
    resultLine->setPalette(palette);
    for (const char *command : {"Quit", "Help", "About"})
        menuBar()->addAction(QString::fromLatin1(command));
}
