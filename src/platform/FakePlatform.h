// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FakeSystemTools.h"
#include "platform/Platform.h"

#include <QList>
#include <QStringList>

#include <deque>

// A scripted outside world for tests: draws come from a queue, messages and
// opened documents are recorded instead of shown, and the registry and
// program starts are those of FakeSystemTools.
class FakePlatform : public Platform
{
public:
    struct Opened
    {
        QWidget *owner;
        QString operation;
        QString file;
        QString directory;
    };

    void shellOpen(QWidget *owner, const QString &operation, const QString &file,
                   const QString &directory) override;
    void showMessage(const QString &text, const QString &spoken = QString()) override;
    void reseedFromClock() override;
    float draw() override;
    SystemTools &systemTools() override { return tools; }

    // Queues the draws that deal these four values, each in suit row 0.
    void queueDeal(int value1, int value2, int value3, int value4);
    // A draw that the deal turns into the given card value (1..13).
    static float drawForValue(int value);
    // A draw that the deal turns into the given suit row (0..3).
    static float drawForSuit(int suit);

    std::deque<float> draws;
    int reseeds = 0;
    int drawsTaken = 0;
    int drawsMissing = 0; // draws asked for with the queue empty
    QStringList messages;
    QStringList spokenMessages; // as a screen reader reads them

    QList<Opened> opened;
    FakeSystemTools tools;
};
