// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The icon as outlines on a 32 x 32 grid: the geometry that the 32 x 32
// pixel drawing was made from, for the theme's other sizes and its scalable
// SVG. The rendering and the SVG read the same tables, so the two agree.

#include "Art.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace cardart {
namespace {

struct Colour
{
    std::uint8_t r, g, b;
};
constexpr Colour black{0x00, 0x00, 0x00};
constexpr Colour white{0xFF, 0xFF, 0xFF};
constexpr Colour red{0xFF, 0x00, 0x00};
constexpr Colour blue{0x00, 0x00, 0xFF};
constexpr Colour navy{0x00, 0x00, 0x80};

constexpr double outline = 1.0; // width of a card's black edge

// A rounded card turned about its centre, clockwise on screen by the angle
// whose cosine and sine are given.
struct Card
{
    double cx, cy, halfW, halfH, cosA, sinA, corner;
    int degrees; // the same turn for the SVG

    // Inside the card grown (inset < 0) or shrunk (inset > 0) by `inset`.
    bool contains(double x, double y, double inset = 0) const
    {
        const double dx = x - cx, dy = y - cy;
        const double u = dx * cosA + dy * sinA, v = -dx * sinA + dy * cosA;
        const double au = u < 0 ? -u : u, av = v < 0 ? -v : v;
        const double w = halfW - inset, h = halfH - inset;
        const double r = corner - inset > 0 ? corner - inset : 0;
        if (au > w || av > h)
            return false;
        const double ex = au - (w - r), ey = av - (h - r);
        return ex <= 0 || ey <= 0 || ex * ex + ey * ey <= r * r;
    }
};

// The card behind leans 18 degrees to the left and shows its back: a white
// margin round a lattice.
constexpr Card back{10.5, 14.0, 8.5, 12.0, 0.951, -0.309, 2.0, -18};
constexpr double backMargin = 2.0;
constexpr Card front{20.5, 18.0, 10.0, 13.5, 1.0, 0.0, 2.0, 0};

// The lattice's diagonal lines on the screen grid, one every three units
// each way, as the pixel drawing has them.
constexpr double latticePeriod = 3.0;
constexpr double latticeWidth = 0.7071; // one unit along x or y
constexpr double risingOffset = 1.0;    // lines x + y = 3k + 1
constexpr double fallingOffset = 0.0;   // lines x - y = 3k

double distanceToLattice(double t, double offset)
{
    // Distance along the diagonal measure t = x +- y to the nearest line.
    const double k = std::floor((t - offset) / latticePeriod + 0.5);
    const double d = t - offset - k * latticePeriod;
    return d < 0 ? -d : d;
}

bool onLattice(double x, double y)
{
    // A line of width w covers |t - line| < w * sqrt(2) / 2 = 0.5.
    return distanceToLattice(x + y, risingOffset) < 0.5 ||
           distanceToLattice(x - y, fallingOffset) < 0.5;
}

// The bold figures "2" and "4", stroked with round ends and joins.
struct Point
{
    double x, y;
};
constexpr double figureStroke = 2.0;

std::vector<Point> twoStroke()
{
    // An arc over the top, 190 degrees, then down to the left and along the
    // foot. Its points are computed once here and shared with the SVG.
    std::vector<Point> points;
    const double cx = 16.5, cy = 16.5, r = 2.5;
    constexpr int steps = 12;
    for (int i = 0; i <= steps; ++i) {
        const double a = (-160.0 + 190.0 * i / steps) * 3.14159265358979 / 180.0;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    points.push_back({14.0, 23.0});
    points.push_back({19.0, 23.0});
    return points;
}

const std::vector<std::vector<Point>> &figureStrokes()
{
    static const std::vector<std::vector<Point>> strokes{
        twoStroke(), {{26.0, 23.0}, {26.0, 14.0}, {22.0, 19.5}, {27.5, 19.5}}, // the "4"
    };
    return strokes;
}

bool onStroke(const std::vector<Point> &points, double x, double y)
{
    const double r2 = figureStroke * figureStroke / 4;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point a = points[i - 1], b = points[i];
        const double ex = b.x - a.x, ey = b.y - a.y;
        const double length2 = ex * ex + ey * ey;
        double t = length2 > 0 ? ((x - a.x) * ex + (y - a.y) * ey) / length2 : 0;
        t = t < 0 ? 0 : t > 1 ? 1 : t;
        const double dx = x - (a.x + t * ex), dy = y - (a.y + t * ey);
        if (dx * dx + dy * dy <= r2)
            return true;
    }
    return false;
}

// The hearts: the suit's outline in a box, the second turned upside down in
// the card's lower corner.
struct HeartBox
{
    double x, y, w, h;
    bool turned;

    bool contains(double px, double py) const
    {
        double u = (px - x) / w, v = (py - y) / h;
        if (turned) {
            u = 1 - u;
            v = 1 - v;
        }
        return u >= 0 && u <= 1 && v >= 0 && v <= 1 && detail::inSuitOutline(Suit::Hearts, u, v);
    }
};
constexpr HeartBox hearts[] = {{13.0, 7.0, 5.0, 4.0, false}, {24.0, 26.0, 5.0, 4.0, true}};

// What covers the point (x, y) of the 32-unit grid, the top-most first;
// false where the background shows.
bool colourAt(double x, double y, Colour &colour)
{
    for (const HeartBox &heart : hearts)
        if (heart.contains(x, y)) {
            colour = red;
            return true;
        }
    for (const auto &stroke : figureStrokes())
        if (front.contains(x, y) && onStroke(stroke, x, y)) {
            colour = red;
            return true;
        }
    if (front.contains(x, y)) {
        colour = front.contains(x, y, outline) ? white : black;
        return true;
    }
    if (back.contains(x, y)) {
        if (!back.contains(x, y, outline))
            colour = black;
        else if (!back.contains(x, y, backMargin))
            colour = white;
        else
            colour = onLattice(x, y) ? navy : blue;
        return true;
    }
    return false;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

std::string points(const std::vector<Point> &line)
{
    std::string out;
    for (const Point &p : line)
        out += (out.empty() ? "" : " ") + number(p.x) + "," + number(p.y);
    return out;
}

std::string rect(const Card &card, double inset, const char *fill)
{
    return "<rect x=\"" + number(card.cx - card.halfW + inset) + "\" y=\"" +
           number(card.cy - card.halfH + inset) + "\" width=\"" + number(2 * (card.halfW - inset)) +
           "\" height=\"" + number(2 * (card.halfH - inset)) + "\" rx=\"" +
           number(card.corner - inset > 0 ? card.corner - inset : 0) + "\" fill=\"" + fill + "\"/>";
}

std::string turn(const Card &card)
{
    return "rotate(" + std::to_string(card.degrees) + " " + number(card.cx) + " " +
           number(card.cy) + ")";
}

// The suit's outline as SVG shapes in the unit square: two lobes and the
// point, whose slightly bulging sides are traced at sixteen steps.
std::string heartShapes()
{
    std::string out = "<circle cx=\"0.26\" cy=\"0.27\" r=\"0.26\"/>"
                      "<circle cx=\"0.74\" cy=\"0.27\" r=\"0.26\"/>";
    std::vector<Point> side;
    constexpr int steps = 16;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double w = 0.5 * (1 - t) * (1 + 0.55 * t);
        side.push_back({0.5 + w, 0.29 + 0.71 * t});
    }
    std::vector<Point> polygon = side;
    for (int i = steps; i >= 0; --i)
        polygon.push_back({1 - side[std::size_t(i)].x, side[std::size_t(i)].y});
    return out + "<polygon points=\"" + points(polygon) + "\"/>";
}

} // namespace

std::vector<std::uint8_t> renderIconOutlines(int size)
{
    if (size < 1)
        throw std::invalid_argument("icon size below 1");
    constexpr int n = 8; // samples each way in a pixel
    const double unit = 32.0 / size;
    std::vector<std::uint8_t> out;
    out.reserve(std::size_t(size) * std::size_t(size) * 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int covered = 0, r = 0, g = 0, b = 0;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) {
                    Colour c{};
                    if (colourAt((x + (i + 0.5) / n) * unit, (y + (j + 0.5) / n) * unit, c)) {
                        ++covered;
                        r += c.r;
                        g += c.g;
                        b += c.b;
                    }
                }
            // Straight alpha: the colour is the mean of the covered samples.
            const auto mean = [covered](int sum) {
                return std::uint8_t(covered ? (sum + covered / 2) / covered : 0);
            };
            out.insert(out.end(), {mean(r), mean(g), mean(b),
                                   std::uint8_t((covered * 255 + n * n / 2) / (n * n))});
        }
    return out;
}

std::string themeIconSvg()
{
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!-- SPDX-FileCopyrightText: 2026 Merovant developers -->\n"
                      "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
                      "viewBox=\"0 0 32 32\">\n";
    svg += "  <defs>\n    <clipPath id=\"lattice\">" + rect(back, backMargin, "#000") +
           "</clipPath>\n  </defs>\n";

    svg += "  <g transform=\"" + turn(back) + "\">\n    " + rect(back, 0, "#000000") + "\n    " +
           rect(back, outline, "#ffffff") + "\n    " + rect(back, backMargin, "#0000ff") +
           "\n    <g clip-path=\"url(#lattice)\">\n";
    // The lines are straight on the screen, so they are drawn turned back.
    svg += "      <g transform=\"rotate(" + std::to_string(-back.degrees) + " " + number(back.cx) +
           " " + number(back.cy) + ")\" stroke=\"#000080\" stroke-width=\"" + number(latticeWidth) +
           "\">\n";
    for (int k = -12; k <= 24; ++k) {
        const double c = risingOffset + latticePeriod * k; // x + y = c
        svg += "        <line x1=\"" + number(c + 8) + "\" y1=\"-8\" x2=\"" + number(c - 40) +
               "\" y2=\"40\"/>\n";
        const double d = fallingOffset + latticePeriod * k - 24; // x - y = d
        svg += "        <line x1=\"" + number(d - 8) + "\" y1=\"-8\" x2=\"" + number(d + 40) +
               "\" y2=\"40\"/>\n";
    }
    svg += "      </g>\n    </g>\n  </g>\n";

    svg += "  " + rect(front, 0, "#000000") + "\n  " + rect(front, outline, "#ffffff") + "\n";
    svg += "  <g fill=\"none\" stroke=\"#ff0000\" stroke-width=\"" + number(figureStroke) +
           "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const auto &stroke : figureStrokes())
        svg += "    <polyline points=\"" + points(stroke) + "\"/>\n";
    svg += "  </g>\n";
    for (const HeartBox &heart : hearts) {
        const std::string place =
            heart.turned
                ? "translate(" + number(heart.x + heart.w) + " " + number(heart.y + heart.h) +
                      ") scale(" + number(-heart.w) + " " + number(-heart.h) + ")"
                : "translate(" + number(heart.x) + " " + number(heart.y) + ") scale(" +
                      number(heart.w) + " " + number(heart.h) + ")";
        svg += "  <g fill=\"#ff0000\" transform=\"" + place + "\">" + heartShapes() + "</g>\n";
    }
    svg += "</svg>\n";
    return svg;
}

} // namespace cardart
