// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's own play: the operator buttons and the card clicks.
#include "game/CardBox.h"
#include "game/Counter.h"
#include "game/Form1.h"
#include "platform/Platform.h"
#include "play/NumberText.h"

#include <QLabel>

#include <cmath>

void Form1::Command3_Click()
{
    pressOperator(QStringLiteral("add"));
}

void Form1::Command4_Click()
{
    pressOperator(QStringLiteral("minus"));
}

void Form1::Command5_Click()
{
    pressOperator(QStringLiteral("multiply"));
}

void Form1::Command6_Click()
{
    pressOperator(QStringLiteral("divide"));
}

// A press checks nothing and shows nothing. At the counter's limit the count
// stays put, which is still not 3, so a deal past its third press stays
// unjudged.
void Form1::pressOperator(const QString &word)
{
    s.opName = word;
    Counter::raise(s.opCount);
}

void Form1::Picture3_Click(qint16 Index)
{
    qint16 &used = usedFlag(Index);
    if (used == 1) {
        m_platform.showMessage(tr("You have clicked this card!"));
        return;
    }
    used = 1;
    Picture3[Index - 1]->setTaken(true);
    applyPendingOperator(cardValue(Index));
    if (s.opCount == 3)
        judge();
}

// The running value is read back from Label1, floored, and combined with the
// card. Text that is not a number, or arithmetic that faults, leaves the line
// as it is.
void Form1::applyPendingOperator(qint16 card)
{
    if (s.opName == QLatin1String("none")) {
        Label1->setText(NumberText::write(card));
        return;
    }
    const std::optional<double> read = NumberText::read(Label1->text());
    if (!read)
        return;
    const double r = std::floor(*read);
    const double c = card;
    double result;
    if (s.opName == QLatin1String("add"))
        result = r + c;
    else if (s.opName == QLatin1String("minus"))
        result = r - c;
    else if (s.opName == QLatin1String("multiply"))
        result = r * c;
    else if (s.opName == QLatin1String("divide") && c != 0)
        result = r / c;
    else
        return;
    if (std::isfinite(result))
        Label1->setText(NumberText::write(result));
}

void Form1::judge()
{
    const std::optional<double> r = NumberText::read(Label1->text());
    if (!r)
        return;
    if (std::floor(*r) == 24) {
        Label1->setText(tr("Congradulations, you got 24"));
        Counter::raise(s.winCount);
        Label2->setText(Counter::text(s.winCount));
    } else {
        Label1->setText(tr("You failed. Try a new game"));
        raiseLostCount();
    }
    s.dealLock = false;
}
