// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/CardSheet.h"

#include <QScreen>
#include <QWidget>

int CardSheet::scaleFor(qreal devicePixelRatio)
{
    return devicePixelRatio >= hiDpiFrom ? 2 : 1;
}

int CardSheet::scaleFor(const QWidget &window)
{
    const QScreen *screen = window.screen();
    return scaleFor(screen ? screen->devicePixelRatio() : 1.0);
}

QString CardSheet::resource(int scale)
{
    return scale == 2 ? QStringLiteral(":/cards-2x.png") : QStringLiteral(":/cards.bmp");
}
