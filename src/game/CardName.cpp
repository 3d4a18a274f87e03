// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/CardName.h"

#include <QCoreApplication>

#include <array>

namespace {
QString translated(const char *text)
{
    return QCoreApplication::translate("CardName", text);
}
} // namespace

QString CardName::of(int value, int suit)
{
    static constexpr std::array<const char *, 13> ranks{
        QT_TRANSLATE_NOOP("CardName", "Ace"),   QT_TRANSLATE_NOOP("CardName", "Two"),
        QT_TRANSLATE_NOOP("CardName", "Three"), QT_TRANSLATE_NOOP("CardName", "Four"),
        QT_TRANSLATE_NOOP("CardName", "Five"),  QT_TRANSLATE_NOOP("CardName", "Six"),
        QT_TRANSLATE_NOOP("CardName", "Seven"), QT_TRANSLATE_NOOP("CardName", "Eight"),
        QT_TRANSLATE_NOOP("CardName", "Nine"),  QT_TRANSLATE_NOOP("CardName", "Ten"),
        QT_TRANSLATE_NOOP("CardName", "Jack"),  QT_TRANSLATE_NOOP("CardName", "Queen"),
        QT_TRANSLATE_NOOP("CardName", "King")};
    // The rows of the card sheet, top to bottom.
    static constexpr std::array<const char *, 4> suits{
        QT_TRANSLATE_NOOP("CardName", "spades"), QT_TRANSLATE_NOOP("CardName", "hearts"),
        QT_TRANSLATE_NOOP("CardName", "clubs"), QT_TRANSLATE_NOOP("CardName", "diamonds")};
    //: A card's name: %1 is its rank (Ace, Two ... King), %2 its suit (spades, hearts, clubs,
    //: diamonds). Order the two as players of your language say them.
    return QCoreApplication::translate("CardName", "%1 of %2")
        .arg(translated(ranks.at(value - 1)), translated(suits.at(suit)));
}

QString CardName::none()
{
    return QCoreApplication::translate("CardName", "No card");
}

QString CardName::taken(const QString &name)
{
    //: A card already taken in this deal; %1 is its name ("Seven of hearts").
    return QCoreApplication::translate("CardName", "%1, taken").arg(name);
}
