// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the card sheet and the program icon drawn by the cardart library.
//
//   make_cardsheet CARDS.bmp ICON.ico [--png-dir DIR]
//   make_cardsheet --png-dir DIR
//
// With --png-dir the icon is also written as PNG files laid out like a
// desktop icon theme: DIR/16x16/apps/io.github.merovant.Merovant.png and so on, the larger sizes
// scaled up from the drawings. The build makes the installed theme icons with
// the second form.

#include "CardArt.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void writeFile(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

int usage()
{
    std::fprintf(stderr, "usage: make_cardsheet CARDS.bmp ICON.ico [--png-dir DIR]\n"
                         "       make_cardsheet --png-dir DIR\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> files;
    std::string pngDir;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--png-dir" && i + 1 < argc)
            pngDir = argv[++i];
        else if (arg.starts_with("-"))
            return usage();
        else
            files.push_back(arg);
    }
    if (files.size() != 2 && !(files.empty() && !pngDir.empty()))
        return usage();

    try {
        if (!files.empty()) {
            writeFile(files[0], cardart::encodeSheetBmp(cardart::renderSheet()));
            writeFile(files[1], cardart::encodeIcon());
        }
        if (!pngDir.empty()) {
            for (const cardart::ThemeIcon icon : cardart::themeIcons) {
                const std::string sizeName =
                    std::to_string(icon.size) + "x" + std::to_string(icon.size);
                const auto dir = std::filesystem::path(pngDir) / sizeName / "apps";
                std::filesystem::create_directories(dir);
                writeFile(dir / "io.github.merovant.Merovant.png",
                          cardart::encodeIconPng(icon.drawnSize, icon.size / icon.drawnSize));
            }
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "make_cardsheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
