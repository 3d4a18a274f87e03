// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardArt.h"

#include <stdexcept>

#include <zlib.h>

namespace cardart {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes &out, unsigned value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void put32(Bytes &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t(value >> shift));
}

void put32be(Bytes &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

// Rows of a Windows DIB are padded to whole 32-bit words.
int dibStride(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void putInfoHeader(Bytes &out, int width, int height, int bitsPerPixel, std::uint32_t imageSize)
{
    put32(out, 40);
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(height));
    put16(out, 1);
    put16(out, unsigned(bitsPerPixel));
    put32(out, 0); // uncompressed
    put32(out, imageSize);
    put32(out, 0); // no physical resolution: the pixels are shown as they are
    put32(out, 0);
    put32(out, 0); // the table is as long as the bit depth allows
    put32(out, 0);
}

void putPalette(Bytes &out, const Rgb *colours, std::size_t count, std::size_t entries)
{
    for (std::size_t i = 0; i < entries; ++i) {
        const Rgb c = i < count ? colours[i] : Rgb{0, 0, 0};
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
}

Bytes iconImage(int size)
{
    const IndexedImage image = renderIcon(size);
    const int colourStride = dibStride(size, 4);
    const int maskStride = dibStride(size, 1);
    const auto imageSize = std::uint32_t((colourStride + maskStride) * size);

    Bytes out;
    // An icon's header counts the colour rows and the mask rows together.
    putInfoHeader(out, size, 2 * size, 4, imageSize);
    putPalette(out, iconPalette.data(), iconPalette.size(), iconPalette.size());
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(std::size_t(colourStride), 0);
        for (int x = 0; x < size; ++x) {
            const std::uint8_t v = image.at(x, y);
            const std::uint8_t colour = v == iconTransparent ? 0 : v;
            row[std::size_t(x / 2)] |= std::uint8_t(x % 2 ? colour : colour << 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(std::size_t(maskStride), 0);
        for (int x = 0; x < size; ++x)
            if (image.at(x, y) == iconTransparent)
                row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::uint32_t crc32(const std::uint8_t *data, std::size_t length)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

void putChunk(Bytes &out, const char *type, const Bytes &data)
{
    put32be(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32be(out, crc32(out.data() + start, out.size() - start));
}

// The best compression zlib offers: the output depends only on the input and
// on zlib's version, which the build takes from Debian.
Bytes deflated(const Bytes &data)
{
    uLongf length = compressBound(uLong(data.size()));
    Bytes out(length);
    if (compress2(out.data(), &length, data.data(), uLong(data.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib cannot compress the image");
    out.resize(length);
    return out;
}

// A PNG of the given filtered rows; `palette` is written as PLTE when given.
Bytes png(int width, int height, std::uint8_t colourType, const Bytes &palette, const Bytes &rows)
{
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    put32be(header, std::uint32_t(width));
    put32be(header, std::uint32_t(height));
    header.insert(header.end(), {8, colourType, 0, 0, 0}); // 8 bits a sample, not interlaced
    putChunk(out, "IHDR", header);
    if (!palette.empty())
        putChunk(out, "PLTE", palette);
    putChunk(out, "IDAT", deflated(rows));
    putChunk(out, "IEND", {});
    return out;
}

} // namespace

std::vector<std::uint8_t> encodeSheetBmp(const IndexedImage &sheet)
{
    const int stride = dibStride(sheet.width(), 8);
    const auto pixelBytes = std::uint32_t(stride * sheet.height());
    const std::uint32_t pixelOffset = 14 + 40 + 256 * 4;

    Bytes out;
    out.reserve(pixelOffset + pixelBytes);
    out.insert(out.end(), {'B', 'M'});
    put32(out, pixelOffset + pixelBytes);
    put32(out, 0);
    put32(out, pixelOffset);
    putInfoHeader(out, sheet.width(), sheet.height(), 8, pixelBytes);
    putPalette(out, sheetPalette.data(), sheetPalette.size(), 256);
    for (int y = sheet.height() - 1; y >= 0; --y) {
        for (int x = 0; x < sheet.width(); ++x)
            out.push_back(sheet.at(x, y));
        out.insert(out.end(), std::size_t(stride - sheet.width()), 0);
    }
    return out;
}

std::vector<std::uint8_t> encodeSheetPng(const IndexedImage &sheet)
{
    Bytes palette;
    for (const Rgb c : sheetPalette)
        palette.insert(palette.end(), {c.r, c.g, c.b});
    Bytes rows;
    rows.reserve(std::size_t(sheet.width() + 1) * std::size_t(sheet.height()));
    for (int y = 0; y < sheet.height(); ++y) {
        rows.push_back(0); // no row filter: runs of one index deflate well as they are
        for (int x = 0; x < sheet.width(); ++x) {
            if (sheet.at(x, y) >= sheetPalette.size())
                throw std::logic_error("sheet pixel outside the palette");
            rows.push_back(sheet.at(x, y));
        }
    }
    return png(sheet.width(), sheet.height(), 3, palette, rows);
}

namespace {
// One image of an icon file: its size, its directory entry's colour count
// and bit depth, and its data (a DIB, or a PNG for the large sizes).
struct IconEntry
{
    int size;
    std::uint8_t colours;
    unsigned bitsPerPixel;
    Bytes data;
};

Bytes iconFile(const std::vector<IconEntry> &entries)
{
    Bytes out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, unsigned(entries.size()));
    auto offset = std::uint32_t(6 + 16 * entries.size());
    for (const IconEntry &entry : entries) {
        // 256 pixels do not fit the directory's byte: 0 stands for it.
        out.push_back(std::uint8_t(entry.size % 256));
        out.push_back(std::uint8_t(entry.size % 256));
        out.push_back(entry.colours);
        out.push_back(0);
        put16(out, 1);
        put16(out, entry.bitsPerPixel);
        put32(out, std::uint32_t(entry.data.size()));
        put32(out, offset);
        offset += std::uint32_t(entry.data.size());
    }
    for (const IconEntry &entry : entries)
        out.insert(out.end(), entry.data.begin(), entry.data.end());
    return out;
}
} // namespace

std::vector<std::uint8_t> encodeIcon()
{
    std::vector<IconEntry> entries;
    for (int size : iconSizes)
        entries.push_back({size, 16, 4, iconImage(size)});
    return iconFile(entries);
}

std::vector<std::uint8_t> encodeWindowsIcon()
{
    std::vector<IconEntry> entries;
    for (int size : iconSizes)
        entries.push_back({size, 16, 4, iconImage(size)});
    for (int size : windowsIconPngSizes)
        entries.push_back({size, 0, 32, encodeThemeIconPng(size)});
    return iconFile(entries);
}

std::vector<std::uint8_t> encodeIconPng(int size)
{
    const IndexedImage image = renderIcon(size);
    Bytes raw;
    for (int y = 0; y < size; ++y) {
        raw.push_back(0); // no row filter
        for (int x = 0; x < size; ++x) {
            const std::uint8_t v = image.at(x, y);
            if (v == iconTransparent) {
                raw.insert(raw.end(), {0, 0, 0, 0});
            } else {
                const Rgb c = iconPalette.at(v);
                raw.insert(raw.end(), {c.r, c.g, c.b, 0xFF});
            }
        }
    }

    return png(size, size, 6, {}, raw); // RGBA
}

std::vector<std::uint8_t> encodeThemeIconPng(int size)
{
    if (size == 16 || size == 32)
        return encodeIconPng(size);
    const Bytes rgba = renderIconOutlines(size);
    Bytes raw;
    raw.reserve(rgba.size() + std::size_t(size));
    for (int y = 0; y < size; ++y) {
        raw.push_back(0);
        const auto row = rgba.begin() + std::ptrdiff_t(y) * size * 4;
        raw.insert(raw.end(), row, row + size * 4);
    }
    return png(size, size, 6, {}, raw);
}

} // namespace cardart
