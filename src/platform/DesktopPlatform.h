#pragma once

#include "platform/Platform.h"

#include <random>

// The real outside world: the desktop's URL handler, Qt message boxes and a
// clock-seeded generator.
class DesktopPlatform : public Platform
{
public:
    void shellOpen(QWidget *owner, const QString &operation, const QString &file,
                   const QString &directory) override;
    void showMessage(const QString &text) override;
    void reseedFromClock() override;
    float draw() override;

private:
    std::mt19937 m_generator;
};
