// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What a screen reader says for a card: "Seven of hearts", "Ace of spades",
// in the language of the installed translation.
namespace CardName {
// value 1..13, suit row 0..3 of the card sheet.
QString of(int value, int suit);
// An empty card box: "No card".
QString none();
// A card taken in this deal: "Seven of hearts, taken".
QString taken(const QString &name);
} // namespace CardName
