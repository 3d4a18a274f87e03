#pragma once

#include <QString>

// What a screen reader says for a card: "Seven of hearts", "Ace of spades".
namespace CardName {
// value 1..13, suit row 0..3 of the card sheet.
QString of(int value, int suit);
inline const QString none = QStringLiteral("No card");
} // namespace CardName
