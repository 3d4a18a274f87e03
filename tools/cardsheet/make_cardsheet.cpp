// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the card sheet and the program icon drawn by the cardart library.
//
//   make_cardsheet CARDS.bmp ICON.ico [--sheet-2x CARDS-2X.png] [--windows-icon ICON.ico]
//                  [--theme-dir DIR NAME]
//   make_cardsheet --theme-dir DIR NAME
//
// --sheet-2x also writes the sheet drawn at twice the pixels, --windows-icon
// the Windows program's icon, which adds large sizes to the icon's two. With
// --theme-dir the icon is also written laid out like a desktop icon theme,
// under the icon name NAME: DIR/16x16/apps/NAME.png and so on, each size
// drawn at its own size, and DIR/scalable/apps/NAME.svg. The build makes the
// installed theme icons with the second form.

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
    std::fprintf(stderr, "usage: make_cardsheet CARDS.bmp ICON.ico [--sheet-2x CARDS-2X.png] "
                         "[--windows-icon ICON.ico] [--theme-dir DIR NAME]\n"
                         "       make_cardsheet --theme-dir DIR NAME\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> files;
    std::string themeDir;
    std::string iconName;
    std::string sheet2x;
    std::string windowsIcon;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--theme-dir" && i + 2 < argc) {
            themeDir = argv[++i];
            iconName = argv[++i];
        } else if (arg == "--sheet-2x" && i + 1 < argc)
            sheet2x = argv[++i];
        else if (arg == "--windows-icon" && i + 1 < argc)
            windowsIcon = argv[++i];
        else if (arg.starts_with("-"))
            return usage();
        else
            files.push_back(arg);
    }
    if (files.size() != 2 &&
        !(files.empty() && sheet2x.empty() && windowsIcon.empty() && !themeDir.empty()))
        return usage();

    try {
        if (!files.empty()) {
            writeFile(files[0], cardart::encodeSheetBmp(cardart::renderSheet()));
            writeFile(files[1], cardart::encodeIcon());
        }
        if (!sheet2x.empty())
            writeFile(sheet2x, cardart::encodeSheetPng(cardart::renderSheet(cardart::hiDpiScale)));
        if (!windowsIcon.empty())
            writeFile(windowsIcon, cardart::encodeWindowsIcon());
        if (!themeDir.empty()) {
            const std::filesystem::path theme(themeDir);
            for (const int size : cardart::themeIconSizes) {
                const auto dir =
                    theme / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
                std::filesystem::create_directories(dir);
                writeFile(dir / (iconName + ".png"), cardart::encodeThemeIconPng(size));
            }
            const auto scalable = theme / "scalable" / "apps";
            std::filesystem::create_directories(scalable);
            const std::string svg = cardart::themeIconSvg();
            writeFile(scalable / (iconName + ".svg"),
                      std::vector<std::uint8_t>(svg.begin(), svg.end()));
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "make_cardsheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
