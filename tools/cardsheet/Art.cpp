// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Art.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace cardart {

IndexedImage::IndexedImage(int width, int height, std::uint8_t fill)
    : m_width(width), m_height(height), m_pixels(std::size_t(width) * std::size_t(height), fill)
{}

void IndexedImage::set(int x, int y, std::uint8_t value)
{
    if (contains(x, y))
        m_pixels[index(x, y)] = value;
}

void IndexedImage::fillRect(int x, int y, int w, int h, std::uint8_t value)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            set(i, j, value);
}

void IndexedImage::paste(const IndexedImage &image, int x, int y, int skip)
{
    for (int j = 0; j < image.height(); ++j)
        for (int i = 0; i < image.width(); ++i)
            if (image.at(i, j) != skip)
                set(x + i, y + j, image.at(i, j));
}

IndexedImage IndexedImage::rotated180() const
{
    IndexedImage out(m_width, m_height, 0);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            out.set(m_width - 1 - x, m_height - 1 - y, at(x, y));
    return out;
}

namespace detail {

IndexedImage parseArt(std::span<const char *const> rows, Inks inks)
{
    const int width = rows.empty() ? 0 : int(std::strlen(rows.front()));
    IndexedImage out(width, int(rows.size()), clear);
    int y = 0;
    for (const char *row : rows) {
        if (int(std::strlen(row)) != width)
            throw std::logic_error(std::string("ragged pixel art row: ") + row);
        for (int x = 0; x < width; ++x) {
            static constexpr char letters[] = "kbgcrmyw";
            const char c = row[x];
            if (c == '.')
                continue;
            if (c == 's' || c == 'p' || c == 'q') {
                out.set(x, y, c == 's' ? inks.suit : c == 'p' ? inks.main : inks.trim);
                continue;
            }
            const char *ink = std::strchr(letters, c);
            if (!ink)
                throw std::logic_error(std::string("unknown ink in pixel art: ") + c);
            out.set(x, y, std::uint8_t(ink - letters));
        }
        ++y;
    }
    return out;
}

std::uint8_t inkOf(Suit suit)
{
    return suit == Suit::Hearts || suit == Suit::Diamonds ? Red : Black;
}

IndexedImage scale2x(const IndexedImage &image)
{
    IndexedImage out(2 * image.width(), 2 * image.height(), 0);
    // Off the edge a pixel's neighbour is the pixel itself.
    auto at = [&image](int x, int y, int fallbackX, int fallbackY) {
        return image.contains(x, y) ? image.at(x, y) : image.at(fallbackX, fallbackY);
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const std::uint8_t p = image.at(x, y);
            const std::uint8_t a = at(x, y - 1, x, y); // above
            const std::uint8_t b = at(x + 1, y, x, y); // right
            const std::uint8_t c = at(x - 1, y, x, y); // left
            const std::uint8_t d = at(x, y + 1, x, y); // below
            out.set(2 * x, 2 * y, c == a && c != d && a != b ? a : p);
            out.set(2 * x + 1, 2 * y, a == b && a != c && b != d ? b : p);
            out.set(2 * x, 2 * y + 1, d == c && d != b && c != a ? c : p);
            out.set(2 * x + 1, 2 * y + 1, b == d && b != a && d != c ? d : p);
        }
    return out;
}

} // namespace detail
} // namespace cardart
