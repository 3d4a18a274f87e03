#include "solver/AnswerSearch.h"

std::optional<AnswerSearch::Hit> AnswerSearch::lastHit(const Cards &deal)
{
    std::optional<Hit> last;
    forEachHit(deal, [&last](const Hit &hit) { last = hit; });
    return last;
}

QString AnswerSearch::line(const Hit &hit)
{
    auto card = [&hit](int i) { return QLatin1Char(' ') + QString::number(hit.cards[i]); };
    auto symbol = [&hit](int i) {
        const std::string_view s = con(hit.ops[i]);
        return QLatin1String(s.data(), static_cast<qsizetype>(s.size()));
    };
    return QLatin1String("((") + card(0) + symbol(0) + card(1) + QLatin1Char(')') + symbol(1) +
           card(2) + QLatin1Char(')') + symbol(2) + card(3) + QLatin1String("=24");
}
