// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Grabs one window of the X display by its id and reports what it sees.
//
//   grab_window [--save FILE.png] [--find RRGGBB]... [--region X Y W H]... WINDOW_ID
//
// Prints "size W H" for the grabbed window and, for each --find, the number
// of pixels of exactly that colour and their bounding box:
// "found RRGGBB COUNT X Y W H" (COUNT 0 and an empty box when there are
// none); for each --region a digest of its pixels, "region X Y W H DIGEST",
// which tells whether a part of the window changed between two grabs. Runs on the xcb platform
// whatever QT_QPA_PLATFORM says, since only a real X server has other programs' windows.

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QStringList>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: grab_window [--save FILE.png] [--find RRGGBB]... "
                         "[--region X Y W H]... WINDOW_ID\n");
    return 2;
}

struct Match
{
    long count = 0;
    QRect box;
};

Match findColour(const QImage &image, QRgb colour)
{
    Match match;
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFF) != colour)
                continue;
            ++match.count;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    if (match.count > 0)
        match.box = QRect(QPoint(left, top), QPoint(right, bottom));
    return match;
}

// FNV-1a over the region's pixels, clipped to the image.
quint64 digest(const QImage &image, QRect region)
{
    quint64 hash = 0xcbf29ce484222325ULL;
    region &= image.rect();
    for (int y = region.top(); y <= region.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = region.left(); x <= region.right(); ++x) {
            hash ^= line[x] & 0xFFFFFF;
            hash *= 0x100000001b3ULL;
        }
    }
    return hash;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);

    QString saveTo;
    QStringList finds;
    QList<QRect> regions;
    QString windowArg;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--save") && i + 1 < args.size())
            saveTo = args[++i];
        else if (args[i] == QLatin1String("--find") && i + 1 < args.size())
            finds << args[++i];
        else if (args[i] == QLatin1String("--region") && i + 4 < args.size()) {
            regions << QRect(args[i + 1].toInt(), args[i + 2].toInt(), args[i + 3].toInt(),
                             args[i + 4].toInt());
            i += 4;
        } else if (args[i].startsWith(QLatin1Char('-')) || !windowArg.isEmpty())
            return usage();
        else
            windowArg = args[i];
    }
    bool ok = false;
    // xdotool prints ids in decimal, xwininfo in hexadecimal: take both.
    const WId window = windowArg.toULongLong(&ok, 0);
    if (!ok || window == 0)
        return usage();

    const QImage image =
        QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
            QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "grab_window: cannot grab window %s\n", qPrintable(windowArg));
        return 1;
    }
    std::printf("size %d %d\n", image.width(), image.height());

    for (const QString &find : finds) {
        const QColor colour = QColor::fromString(QLatin1Char('#') + find);
        if (!colour.isValid() || find.size() != 6)
            return usage();
        const Match match = findColour(image, colour.rgb() & 0xFFFFFF);
        std::printf("found %s %ld %d %d %d %d\n", qPrintable(find.toLower()), match.count,
                    match.box.x(), match.box.y(), match.box.width(), match.box.height());
    }

    for (const QRect &region : regions)
        std::printf("region %d %d %d %d %016llx\n", region.x(), region.y(), region.width(),
                    region.height(), static_cast<unsigned long long>(digest(image, region)));

    if (!saveTo.isEmpty() && !image.save(saveTo, "PNG")) {
        std::fprintf(stderr, "grab_window: cannot write %s\n", qPrintable(saveTo));
        return 1;
    }
    return 0;
}
