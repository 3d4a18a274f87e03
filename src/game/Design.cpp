// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Design.h"

#include <QPalette>

#include <cmath>

QFont Design::sansSerif(qreal points, bool bold)
{
    QFont font;
#ifdef Q_OS_WIN
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("DejaVu Sans")});
#else
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans")});
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont Design::heavySansSerif(qreal points)
{
    QFont font;
#ifdef Q_OS_WIN
    font.setFamilies(
        {QStringLiteral("Arial Black"), QStringLiteral("Lato"), QStringLiteral("DejaVu Sans")});
#else
    font.setFamilies(
        {QStringLiteral("Lato"), QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")});
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(QFont::Black);
    return font;
}

namespace {
double luminance(const QColor &colour)
{
    auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor blend(const QColor &from, const QColor &to, double t)
{
    auto mix = [t](float a, float b) { return static_cast<float>(a + (b - a) * t); };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()));
}

// WCAG's least contrast for large text; a colour that falls short is taken
// on to its level for small text, so that it does not end up just legible.
constexpr double readable = 3.0;
constexpr double comfortable = 4.5;
} // namespace

double Design::contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool Design::isDark(const QPalette &palette)
{
    return luminance(palette.color(QPalette::ButtonText)) >
           luminance(palette.color(QPalette::Button));
}

QColor Design::legible(const QColor &ink, const QColor &background)
{
    if (contrast(ink, background) >= readable)
        return ink;
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const QColor &target =
        contrast(white, background) > contrast(black, background) ? white : black;
    for (int step = 1; step < 20; ++step) {
        const QColor candidate = blend(ink, target, step / 20.0);
        if (contrast(candidate, background) >= comfortable)
            return candidate;
    }
    return target;
}

QColor Design::textColour(const QColor &designed, const QColor &background, const QPalette &palette)
{
    return isDark(palette) ? legible(designed, background) : designed;
}
