// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FakePlatform.h"

void FakePlatform::shellOpen(QWidget *owner, const QString &operation, const QString &file,
                             const QString &directory)
{
    opened.append({owner, operation, file, directory});
}

void FakePlatform::showMessage(const QString &text, const QString &spoken)
{
    messages.append(text);
    spokenMessages.append(spoken.isEmpty() ? text : spoken);
}

void FakePlatform::reseedFromClock()
{
    ++reseeds;
}

float FakePlatform::draw()
{
    ++drawsTaken;
    if (draws.empty()) {
        ++drawsMissing;
        return 0.0f;
    }
    const float r = draws.front();
    draws.pop_front();
    return r;
}

void FakePlatform::queueDeal(int value1, int value2, int value3, int value4)
{
    for (int v : {value1, value2, value3, value4})
        draws.push_back(drawForValue(v));
    for (int i = 0; i < 4; ++i)
        draws.push_back(drawForSuit(0));
}

// The centre of each value's interval: r * 12 + 1 lands on the value itself,
// except for 13 whose interval is only the upper half-step below 1.
float FakePlatform::drawForValue(int value)
{
    return value == 13 ? 11.75f / 12.0f : static_cast<float>(value - 1) / 12.0f;
}

float FakePlatform::drawForSuit(int suit)
{
    return suit == 3 ? 2.75f / 3.0f : static_cast<float>(suit) / 3.0f;
}
