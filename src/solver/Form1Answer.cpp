// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Answer button: shows the search's expression or "No solution." and
// tallies the deal once.
#include "game/Counter.h"
#include "game/Form1.h"
#include "solver/AnswerSearch.h"

#include <QLabel>

void Form1::Command2_Click()
{
    if (!s.dealLock)
        return;
    s.dealLock = false;
    // The line shows the hit the search settles on. The tally below
    // compares the line with this very text, whatever the language.
    const QString noSolution = AnswerSearch::noSolution();
    const std::optional<AnswerSearch::Hit> hit =
        AnswerSearch::lastHit({s.card1, s.card2, s.card3, s.card4});
    if (hit) {
        Label1->setText(AnswerSearch::line(*hit));
        s.found = true;
    } else {
        Label1->setText(noSolution);
    }
    if (Label1->text() == noSolution && s.inPlay) {
        Counter::raise(s.noSolutionCount);
        Label6->setText(Counter::text(s.noSolutionCount));
        s.inPlay = false;
    } else if (s.inPlay) {
        raiseLostCount();
        s.inPlay = false;
    }
}
