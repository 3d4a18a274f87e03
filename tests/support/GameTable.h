// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Form1.h"
#include "platform/FakePlatform.h"

#include <QString>

class CardBox;
class frmAbout;
class QLabel;
class QPushButton;

// A main window on a fake outside world, driven through its real controls
// as a player would: the tests find each control by its name.
class GameTable
{
public:
    GameTable();

    QPushButton *button(const char *name) const;
    QLabel *label(const char *name) const;
    CardBox *card(int index) const;
    QString text(const char *labelName) const;

    void press(const char *buttonName);
    void clickCard(int index);
    // Queues the draws of this deal and presses New Game.
    void deal(int card1, int card2, int card3, int card4);
    // Plays a script of space-separated moves: "1".."4" click that card;
    // "+", "-", "*", "/" press that operator; "new" and "answer" press those
    // buttons.
    void play(const QString &script);
    // Types space-separated keys, written as QKeySequence writes them ("F2",
    // "Ctrl+N", "1", "Num+*", "Return"), into the focused control of the
    // shown window; a key written with a "~" after it is held until it
    // repeats once.
    void type(const QString &keys);
    // Chooses a command of the menu bar: "quit", "help" or "about".
    void choose(const char *command);
    // Chooses About and returns the box it shows, the program's only one;
    // ends the test run when there is not exactly one.
    frmAbout &openAbout();
    // The About boxes among the program's windows, open or closed.
    static QList<frmAbout *> aboutBoxes();

    const RoundState &state() const { return form.state(); }

    FakePlatform platform;
    Form1 form;
};
