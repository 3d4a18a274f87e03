// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

#include <array>

// The game's state, owned by the main window for the whole run. Nothing of
// it is saved: every run starts from these values. Two more pieces of state
// live only as label text: the running result (Label1) and the lost count
// (Label9).
struct RoundState
{
    // cardPic[r][s]: the face of value r + 1 in suit row s of the card sheet,
    // 8 bits a pixel as the sheet is stored; the faces share its pixels.
    std::array<std::array<QImage, 4>, 13> cardPic;
    qint16 card1 = 0; // value 1..13 of the card in Picture3(1); 0 before the first deal
    qint16 card2 = 0;
    qint16 card3 = 0;
    qint16 card4 = 0;
    bool found = false; // Answer has shown an expression that makes 24 in this deal
    QString opName;     // the pending operator: "none", "add", "minus", "multiply", "divide"
    qint16 opCount = 0; // operator presses in this deal
    qint16 used1 = 0;   // 1 once card 1 has been taken in this deal
    qint16 used2 = 0;
    qint16 used3 = 0;
    qint16 used4 = 0;
    qint16 winCount = 0;
    qint16 gameCount = 0;
    qint16 noSolutionCount = 0;
    bool inPlay = false;   // the deal has not yet been tallied by Answer
    bool dealLock = false; // a deal is open: dealt, and not yet judged or answered
};
