// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"
#include "platform/SystemTools.h"

#include <memory>
#include <random>

// The real outside world: the desktop's URL handler, Qt message boxes, a
// clock-seeded generator and the system services of the platform built for.
class DesktopPlatform : public Platform
{
public:
    void shellOpen(QWidget *owner, const QString &operation, const QString &file,
                   const QString &directory) override;
    void showMessage(const QString &text, const QString &spoken = QString()) override;
    void reseedFromClock() override;
    float draw() override;
    SystemTools &systemTools() override { return *m_systemTools; }

private:
    std::mt19937 m_generator;
    std::unique_ptr<SystemTools> m_systemTools = makeDesktopSystemTools();
};
