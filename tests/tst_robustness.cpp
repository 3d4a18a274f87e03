// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A long, seeded run of random events over every control of the game table
// and its About box, checking after each event what must always hold.
//
// MEROVANT_ROBUSTNESS_EVENTS sets the length of the long run (200,000 by
// default) and MEROVANT_ROBUSTNESS_SEED its seed; a failure names both, so
// it can be replayed exactly.
#include "GameTable.h"

#include "about/frmAbout.h"
#include "game/CardBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>

namespace {

constexpr int defaultEvents = 200000;
constexpr std::uint64_t defaultSeed = 0x4D45524F56414E54; // "MEROVANT"
// Quit ends a run of the program; the next event starts a fresh one.
constexpr std::uint32_t quitOneIn = 25000;
constexpr qint16 largest = 32767;

const QString won = QStringLiteral("Congradulations, you got 24");
const QString lost = QStringLiteral("You failed. Try a new game");
const QString noSolution = QStringLiteral("No solution.");
const QString refusal = QStringLiteral("You have clicked this card!");
const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");

enum class Event {
    NewGame,
    Answer,
    Plus,
    Minus,
    Multiply,
    Divide,
    Card1,
    Card2,
    Card3,
    Card4,
    Help,
    About,
    AboutOK,
    AboutSysInfo,
    Quit,
};
constexpr int tableEvents = int(Event::About) + 1; // always at hand
constexpr int aboutEvents = 2;                     // only while the About box is open

const char *eventName(Event event)
{
    static constexpr std::array names{
        "New Game", "Answer", "Plus",   "Minus", "Multiply", "Divide",    "card 1",
        "card 2",   "card 3", "card 4", "Help",  "About",    "About: OK", "About: System Info",
        "Quit"};
    return names[std::size_t(event)];
}

QString operatorWord(Event event)
{
    switch (event) {
    case Event::Plus:
        return QStringLiteral("add");
    case Event::Minus:
        return QStringLiteral("minus");
    case Event::Multiply:
        return QStringLiteral("multiply");
    default:
        return QStringLiteral("divide");
    }
}

qint16 raised(qint16 count)
{
    return count < largest ? qint16(count + 1) : count;
}

// Everything of the table that an event may change.
struct Snapshot
{
    RoundState state; // without the pictures, which never change after start-up
    std::array<QString, 9> labels;
    std::array<const QImage *, 4> faces{};
    qsizetype messages = 0;
    bool aboutOpen = false;

    std::array<qint16, 4> used() const
    {
        return {state.used1, state.used2, state.used3, state.used4};
    }
    std::array<qint16, 4> cards() const
    {
        return {state.card1, state.card2, state.card3, state.card4};
    }
    const QString &label(int number) const { return labels[std::size_t(number - 1)]; }

    // The same round state, label texts and faces; messages and the About box
    // are left to the caller.
    bool sameTableAs(const Snapshot &other) const
    {
        const RoundState &a = state, &b = other.state;
        return a.card1 == b.card1 && a.card2 == b.card2 && a.card3 == b.card3 &&
               a.card4 == b.card4 && a.found == b.found && a.opName == b.opName &&
               a.opCount == b.opCount && used() == other.used() && a.winCount == b.winCount &&
               a.gameCount == b.gameCount && a.noSolutionCount == b.noSolutionCount &&
               a.inPlay == b.inPlay && a.dealLock == b.dealLock && labels == other.labels &&
               faces == other.faces;
    }
};

// One run of the program on a fake outside world, with the model of what the
// run has dealt.
class Session
{
public:
    Session()
    {
        table.form.show();
        for (int i = 0; i < 4; ++i)
            cards[std::size_t(i)] = table.card(i + 1);
        for (int i = 0; i < 9; ++i)
            labels[std::size_t(i)] = table.label(qPrintable(QStringLiteral("Label%1").arg(i + 1)));
    }

    frmAbout *aboutBox() const
    {
        for (frmAbout *box : GameTable::aboutBoxes())
            if (box->isVisible())
                return box;
        return nullptr;
    }

    Snapshot snapshot() const
    {
        Snapshot shot;
        shot.state = table.state();
        shot.state.cardPic = {};
        for (std::size_t i = 0; i < labels.size(); ++i)
            shot.labels[i] = labels[i]->text();
        for (std::size_t i = 0; i < cards.size(); ++i)
            shot.faces[i] = cards[i]->picture();
        shot.messages = table.platform.messages.size();
        shot.aboutOpen = aboutBox() != nullptr;
        return shot;
    }

    GameTable table;
    std::array<CardBox *, 4> cards{};
    std::array<QLabel *, 9> labels{};

    // The model: deals made in this run, the values and suits of the last
    // one, and the largest lost count seen.
    int deals = 0;
    std::array<int, 4> values{};
    std::array<int, 4> suits{};
    int lostCount = 0;
};

class Run
{
public:
    explicit Run(std::uint64_t seed) : m_random(seed) {}

    // Plays `count` events; returns the first broken rule, or nothing.
    std::optional<QString> play(int count)
    {
        m_session = std::make_unique<Session>();
        for (m_index = 0; m_index < count; ++m_index) {
            const Event event = nextEvent();
            m_recent[std::size_t(m_index) % m_recent.size()] = event;
            if (event == Event::Quit) {
                if (auto broken = quit())
                    return failure(*broken);
                m_session = std::make_unique<Session>();
            } else {
                const Snapshot before = m_session->snapshot();
                apply(event);
                const Snapshot after = m_session->snapshot();
                if (auto broken = checkEvent(event, before, after))
                    return failure(*broken);
                if (auto broken = checkAlways(after))
                    return failure(*broken);
                fingerprint(event, after);
            }
            // Let queued paints and window events through, as the program's
            // event loop would between two clicks.
            QCoreApplication::processEvents();
        }
        m_session.reset();
        return std::nullopt;
    }

    std::uint64_t fingerprint() const { return m_fingerprint; }
    int deals() const { return m_deals; }
    int sessions() const { return m_sessions; }
    int wins() const { return m_wins; }

private:
    std::uint32_t pick(std::uint32_t n) { return std::uint32_t((m_random() >> 32) * n >> 32); }

    Event nextEvent()
    {
        if (pick(quitOneIn) == 0)
            return Event::Quit;
        const bool aboutOpen = m_session->aboutBox() != nullptr;
        return Event(pick(tableEvents + (aboutOpen ? aboutEvents : 0)));
    }

    void apply(Event event)
    {
        GameTable &t = m_session->table;
        switch (event) {
        case Event::NewGame:
            // Fresh draws for this press: a deal takes all eight, a refused
            // press none.
            t.platform.draws.clear();
            for (int i = 0; i < 4; ++i)
                m_pendingValues[std::size_t(i)] = int(pick(13)) + 1;
            for (int i = 0; i < 4; ++i)
                m_pendingSuits[std::size_t(i)] = int(pick(4));
            for (int value : m_pendingValues)
                t.platform.draws.push_back(FakePlatform::drawForValue(value));
            for (int suit : m_pendingSuits)
                t.platform.draws.push_back(FakePlatform::drawForSuit(suit));
            t.press("Command1");
            break;
        case Event::Answer:
            t.press("Command2");
            break;
        case Event::Plus:
            t.press("Command3");
            break;
        case Event::Minus:
            t.press("Command4");
            break;
        case Event::Multiply:
            t.press("Command5");
            break;
        case Event::Divide:
            t.press("Command6");
            break;
        case Event::Card1:
        case Event::Card2:
        case Event::Card3:
        case Event::Card4:
            t.clickCard(int(event) - int(Event::Card1) + 1);
            break;
        case Event::Help:
            t.choose("help");
            break;
        case Event::About:
            t.choose("about");
            break;
        case Event::AboutOK:
        case Event::AboutSysInfo:
            QTest::mouseClick(m_session->aboutBox()->findChild<QPushButton *>(
                                  event == Event::AboutOK ? QStringLiteral("cmdOK")
                                                          : QStringLiteral("cmdSysInfo")),
                              Qt::LeftButton);
            break;
        case Event::Quit:
            break;
        }
    }

    std::optional<QString> quit()
    {
        Form1 &form = m_session->table.form;
        m_session->table.choose("quit");
        if (form.isVisible())
            return QStringLiteral("the table is still shown after Quit");
        if (m_session->aboutBox())
            return QStringLiteral("the About box is still open after Quit");
        ++m_sessions;
        return std::nullopt;
    }

    // What the event itself must have done.
    std::optional<QString> checkEvent(Event event, const Snapshot &before, const Snapshot &after)
    {
        Session &session = *m_session;
        const RoundState &s = after.state;
        const qsizetype newMessages = after.messages - before.messages;
        const QStringList &messages = session.table.platform.messages;
        auto unchangedTable = [&]() -> std::optional<QString> {
            if (!after.sameTableAs(before))
                return QStringLiteral("%1 changed the table").arg(eventName(event));
            return std::nullopt;
        };
        auto expectMessages = [&](qsizetype count) -> std::optional<QString> {
            if (newMessages != count)
                return QStringLiteral("%1 showed %2 messages instead of %3")
                    .arg(eventName(event))
                    .arg(newMessages)
                    .arg(count);
            return std::nullopt;
        };

        switch (event) {
        case Event::NewGame:
            if (auto broken = expectMessages(0))
                return broken;
            if (before.state.dealLock) {
                if (session.table.platform.draws.size() != 8)
                    return QStringLiteral("a refused New Game took draws");
                return unchangedTable();
            }
            ++session.deals;
            ++m_deals;
            session.values = m_pendingValues;
            session.suits = m_pendingSuits;
            if (!session.table.platform.draws.empty())
                return QStringLiteral("a deal left %1 draws unused")
                    .arg(session.table.platform.draws.size());
            if (s.gameCount != raised(before.state.gameCount))
                return QStringLiteral("a deal did not count itself");
            if (!s.dealLock || !s.inPlay || s.found)
                return QStringLiteral("a deal left the flags wrong");
            if (s.opName != QLatin1String("none") || s.opCount != 0 ||
                after.used() != std::array<qint16, 4>{} || after.label(1) != QLatin1String("0"))
                return QStringLiteral("a deal did not start the play afresh");
            return std::nullopt;

        case Event::Answer:
            if (auto broken = expectMessages(0))
                return broken;
            if (!before.state.dealLock)
                return unchangedTable();
            if (s.dealLock || s.inPlay)
                return QStringLiteral("Answer left the deal open");
            if (after.label(1) == noSolution) {
                if (s.noSolutionCount != raised(before.state.noSolutionCount) ||
                    after.label(9) != before.label(9))
                    return QStringLiteral("Answer without a solution tallied it wrongly");
            } else if (!after.label(1).endsWith(QLatin1String("=24")) || !s.found ||
                       s.noSolutionCount != before.state.noSolutionCount ||
                       after.label(9).toInt() != before.label(9).toInt() + 1) {
                return QStringLiteral("Answer with a solution tallied it wrongly: %1")
                    .arg(after.label(1));
            }
            return std::nullopt;

        case Event::Plus:
        case Event::Minus:
        case Event::Multiply:
        case Event::Divide: {
            if (auto broken = expectMessages(0))
                return broken;
            Snapshot expected = before;
            expected.state.opName = operatorWord(event);
            expected.state.opCount = raised(before.state.opCount);
            if (!after.sameTableAs(expected))
                return QStringLiteral("%1 did more than set the operator").arg(eventName(event));
            return std::nullopt;
        }

        case Event::Card1:
        case Event::Card2:
        case Event::Card3:
        case Event::Card4: {
            const auto index = std::size_t(int(event) - int(Event::Card1));
            if (before.used()[index] == 1) {
                if (auto broken = expectMessages(1))
                    return broken;
                if (messages.back() != refusal)
                    return QStringLiteral("a taken card said: %1").arg(messages.back());
                return unchangedTable();
            }
            if (auto broken = expectMessages(0))
                return broken;
            if (after.used()[index] != 1)
                return QStringLiteral("%1 was not taken").arg(eventName(event));
            const bool win = s.winCount != before.state.winCount;
            const bool loss = after.label(9) != before.label(9);
            if (s.gameCount != before.state.gameCount ||
                s.noSolutionCount != before.state.noSolutionCount ||
                s.inPlay != before.state.inPlay || s.found != before.state.found ||
                s.opName != before.state.opName || s.opCount != before.state.opCount)
                return QStringLiteral("%1 changed what a card click leaves alone")
                    .arg(eventName(event));
            if (win || loss) {
                if (win && loss)
                    return QStringLiteral("one click both won and lost");
                if (before.state.opCount != 3 || s.dealLock)
                    return QStringLiteral("a verdict came at the wrong time");
                if (after.label(1) != (win ? won : lost))
                    return QStringLiteral("a verdict showed: %1").arg(after.label(1));
                if (win && s.winCount != raised(before.state.winCount))
                    return QStringLiteral("a win was not counted once");
                if (win)
                    ++m_wins;
            } else if (s.dealLock != before.state.dealLock) {
                return QStringLiteral("a click without a verdict closed the deal");
            }
            return std::nullopt;
        }

        case Event::Help:
            if (auto broken = expectMessages(1))
                return broken;
            if (!messages.back().startsWith(QLatin1String("Merovant is a very easy card game.")))
                return QStringLiteral("Help said: %1").arg(messages.back());
            return unchangedTable();

        case Event::About:
            if (auto broken = expectMessages(0))
                return broken;
            if (!after.aboutOpen)
                return QStringLiteral("About did not open the About box");
            return unchangedTable();

        case Event::AboutOK:
            if (auto broken = expectMessages(0))
                return broken;
            if (after.aboutOpen)
                return QStringLiteral("OK left the About box open");
            return unchangedTable();

        case Event::AboutSysInfo:
            if (auto broken = expectMessages(1))
                return broken;
            if (messages.back() != unavailable)
                return QStringLiteral("System Info said: %1").arg(messages.back());
            return unchangedTable();

        case Event::Quit:
            break;
        }
        return std::nullopt;
    }

    // What holds after every event, whatever came before.
    std::optional<QString> checkAlways(const Snapshot &after)
    {
        Session &session = *m_session;
        const RoundState &s = after.state;
        for (qint16 count : {s.winCount, s.gameCount, s.noSolutionCount, s.opCount})
            if (count < 0 || count > largest)
                return QStringLiteral("a count is out of range: %1").arg(count);
        if (after.label(2) != QString::number(s.winCount) ||
            after.label(3) != QString::number(s.gameCount) ||
            after.label(6) != QString::number(s.noSolutionCount))
            return QStringLiteral("a counter label disagrees with its count: %1 %2 %3")
                .arg(after.label(2), after.label(3), after.label(6));

        // The lost count is only Label9's text: whole, never below 0, and
        // not held to 16 bits as the other counts are.
        bool whole = false;
        const int lostCount = after.label(9).toInt(&whole);
        if (!whole || lostCount < 0)
            return QStringLiteral("the lost count is not a count: %1").arg(after.label(9));
        if (lostCount < session.lostCount)
            return QStringLiteral("the lost count went down from %1 to %2")
                .arg(session.lostCount)
                .arg(lostCount);
        session.lostCount = lostCount;

        if (s.gameCount != std::min(session.deals, int(largest)))
            return QStringLiteral("%1 deals counted as %2").arg(session.deals).arg(s.gameCount);
        if (s.dealLock && !s.inPlay)
            return QStringLiteral("an open deal is not in play");
        for (qint16 used : after.used())
            if (used != 0 && used != 1)
                return QStringLiteral("a taken flag holds %1").arg(used);
        if (session.table.platform.drawsMissing != 0)
            return QStringLiteral("a deal asked for more draws than it was given");

        const RoundState &full = session.table.state();
        for (std::size_t k = 0; k < 4; ++k) {
            if (session.deals == 0) {
                if (after.faces[k] || after.cards()[k] != 0)
                    return QStringLiteral("a card shows before the first deal");
                continue;
            }
            const int value = session.values[k], suit = session.suits[k];
            if (after.cards()[k] != value)
                return QStringLiteral("card %1 holds %2, dealt %3")
                    .arg(k + 1)
                    .arg(after.cards()[k])
                    .arg(value);
            if (after.faces[k] != &full.cardPic[std::size_t(value - 1)][std::size_t(suit)])
                return QStringLiteral("card %1 does not show value %2 of suit row %3")
                    .arg(k + 1)
                    .arg(value)
                    .arg(suit);
        }
        return std::nullopt;
    }

    void fingerprint(Event event, const Snapshot &after)
    {
        const RoundState &s = after.state;
        const std::size_t h =
            qHashMulti(std::size_t(m_fingerprint), int(event), after.label(1), after.label(9),
                       s.winCount, s.gameCount, s.noSolutionCount, s.opName, s.opCount);
        m_fingerprint = std::uint64_t(h);
    }

    QString failure(const QString &broken) const
    {
        QStringList recent;
        const int first = std::max(0, m_index - int(m_recent.size()) + 1);
        for (int i = first; i <= m_index; ++i)
            recent << QLatin1String(eventName(m_recent[std::size_t(i) % m_recent.size()]));
        return QStringLiteral("event %1: %2\n  last events: %3")
            .arg(m_index + 1)
            .arg(broken, recent.join(QLatin1String(", ")));
    }

    std::mt19937_64 m_random;
    std::unique_ptr<Session> m_session;
    std::array<int, 4> m_pendingValues{};
    std::array<int, 4> m_pendingSuits{};
    std::array<Event, 16> m_recent{};
    int m_index = 0;
    std::uint64_t m_fingerprint = 0;
    int m_deals = 0;
    int m_sessions = 1;
    int m_wins = 0;
};

int eventCount()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("MEROVANT_ROBUSTNESS_EVENTS", &ok);
    return ok && count > 0 ? count : defaultEvents;
}

QtMessageHandler passOn = nullptr;

// The offscreen platform cannot raise windows or pass on size hints, and says
// so every time the About box is shown; only that is left out.
void dropOffscreenLimits(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    passOn(type, context, text);
}

std::uint64_t seed()
{
    bool ok = false;
    const qulonglong value = qEnvironmentVariable("MEROVANT_ROBUSTNESS_SEED").toULongLong(&ok, 0);
    return ok ? value : defaultSeed;
}

} // namespace

class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void longRandomRun();
    void aSeedReplaysTheSameRun_data();
    void aSeedReplaysTheSameRun();
};

void RobustnessTest::initTestCase()
{
    passOn = qInstallMessageHandler(dropOffscreenLimits);
}

void RobustnessTest::longRandomRun()
{
    const int count = eventCount();
    const std::uint64_t runSeed = seed();
    Run run(runSeed);
    QElapsedTimer clock;
    clock.start();
    const std::optional<QString> broken = run.play(count);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (broken)
        QFAIL(qPrintable(QStringLiteral("seed 0x%1, %2 events: %3")
                             .arg(runSeed, 0, 16)
                             .arg(count)
                             .arg(*broken)));
    qInfo("%d events (seed 0x%llx) in %.2f s: %.0f events per second; %d deals, %d won by "
          "chance, %d runs of the program",
          count, static_cast<unsigned long long>(runSeed), seconds, count / seconds, run.deals(),
          run.wins(), run.sessions());
    QVERIFY(run.deals() > 0);
}

void RobustnessTest::aSeedReplaysTheSameRun_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::newRow("seed 1") << quint64(1);
    QTest::newRow("seed 24") << quint64(24);
    QTest::newRow("the long run's seed") << quint64(defaultSeed);
}

void RobustnessTest::aSeedReplaysTheSameRun()
{
    QFETCH(quint64, seed);
    constexpr int count = 3000;
    Run first(seed), second(seed), other(seed + 1);
    for (Run *run : {&first, &second, &other})
        if (const auto broken = run->play(count))
            QFAIL(qPrintable(*broken));
    QCOMPARE(second.fingerprint(), first.fingerprint());
    QCOMPARE(second.deals(), first.deals());
    QVERIFY(other.fingerprint() != first.fingerprint());
}

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
