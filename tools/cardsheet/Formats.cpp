// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardArt.h"

#include <algorithm>
#include <stdexcept>

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

// A zlib stream of stored blocks: the icons are tiny, and leaving them
// uncompressed keeps the writer short and its output plainly deterministic.
Bytes zlibStored(const Bytes &data)
{
    Bytes out{0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min<std::size_t>(data.size() - pos, 0xFFFF);
        const bool last = pos + n == data.size();
        out.push_back(last ? 1 : 0);
        put16(out, unsigned(n));
        put16(out, unsigned(~n & 0xFFFF));
        out.insert(out.end(), data.begin() + std::ptrdiff_t(pos),
                   data.begin() + std::ptrdiff_t(pos + n));
        pos += n;
    } while (pos < data.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put32be(out, (b << 16) | a);
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

std::vector<std::uint8_t> encodeIcon()
{
    Bytes out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, unsigned(iconSizes.size()));

    std::vector<Bytes> images;
    for (int size : iconSizes)
        images.push_back(iconImage(size));
    auto offset = std::uint32_t(6 + 16 * iconSizes.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(std::uint8_t(iconSizes[i]));
        out.push_back(std::uint8_t(iconSizes[i]));
        out.push_back(16); // colours in the table
        out.push_back(0);
        put16(out, 1);
        put16(out, 4);
        put32(out, std::uint32_t(images[i].size()));
        put32(out, offset);
        offset += std::uint32_t(images[i].size());
    }
    for (const Bytes &image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

std::vector<std::uint8_t> encodeIconPng(int size, int scale)
{
    if (scale < 1)
        throw std::invalid_argument("icon scale below 1");
    const IndexedImage image = renderIcon(size);
    const int scaled = size * scale;
    Bytes raw;
    for (int y = 0; y < scaled; ++y) {
        raw.push_back(0); // no row filter
        for (int x = 0; x < scaled; ++x) {
            const std::uint8_t v = image.at(x / scale, y / scale);
            if (v == iconTransparent) {
                raw.insert(raw.end(), {0, 0, 0, 0});
            } else {
                const Rgb c = iconPalette.at(v);
                raw.insert(raw.end(), {c.r, c.g, c.b, 0xFF});
            }
        }
    }

    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    put32be(header, std::uint32_t(scaled));
    put32be(header, std::uint32_t(scaled));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA, not interlaced
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", zlibStored(raw));
    putChunk(out, "IEND", {});
    return out;
}

} // namespace cardart
