// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures for start-up (time to the first paint and the child's peak
// memory), New Game and the Answer search, with the floor that each is
// measured against:
//   build/bin/merovant_bench
#include "ChainWalk.h"
#include "game/Form1.h"
#include "platform/FakePlatform.h"
#include "platform/Translations.h"
#include "solver/AnswerSearch.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {
using Clock = std::chrono::steady_clock;

std::string self;

// --- Start-up: a child process shows a window and reports its first paint ---

// Reports the clock at the window's first paint on stdout, then quits.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            const auto now = Clock::now().time_since_epoch().count();
            std::printf("%lld\n", static_cast<long long>(now));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int runChild(int argc, char *argv[], const char *which)
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    FakePlatform platform;
    std::unique_ptr<QMainWindow> window;
    if (std::strcmp(which, "merovant") == 0) {
        // As the program starts: in the language of the environment.
        Translations::install();
        window = std::make_unique<Form1>(platform);
    } else {
        window = std::make_unique<QMainWindow>();
        auto *client = new QWidget;
        client->setFixedSize(475, 226);
        window->setCentralWidget(client);
    }
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}

struct ChildRun
{
    double seconds = -1;    // from spawning the child to its first paint
    long peakKilobytes = 0; // the child's largest resident set
};

ChildRun runToFirstPaint(const char *which)
{
    ChildRun run;
    int out[2];
    if (pipe(out) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string child = "--child";
    std::string name = which;
    char *args[] = {self.data(), child.data(), name.data(), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    char line[64] = {};
    const ssize_t got = spawned == 0 ? read(out[0], line, sizeof line - 1) : -1;
    close(out[0]);
    rusage usage{};
    if (spawned == 0 && wait4(pid, nullptr, 0, &usage) == pid)
        run.peakKilobytes = usage.ru_maxrss;
    if (got <= 0)
        return run;
    const Clock::time_point painted{Clock::duration{std::atoll(line)}};
    run.seconds = std::chrono::duration<double>(painted - start).count();
    return run;
}

void BM_StartUpToFirstPaint(benchmark::State &state, const char *which)
{
    long peak = 0;
    for (auto _ : state) {
        const ChildRun run = runToFirstPaint(which);
        if (run.seconds < 0) {
            state.SkipWithError("the child did not paint");
            break;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakKilobytes);
    }
    state.counters["peak_kB"] = double(peak);
}
BENCHMARK_CAPTURE(BM_StartUpToFirstPaint, bare, "bare")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(BM_StartUpToFirstPaint, merovant, "merovant")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// What start-up spends on the language: nothing for English, loading the
// program's and Qt's translations otherwise.
void BM_InstallTranslations(benchmark::State &state, const char *language)
{
    const QLocale locale(QString::fromLatin1(language));
    for (auto _ : state)
        benchmark::DoNotOptimize(Translations::install(locale));
    Translations::install(QLocale::c());
}
BENCHMARK_CAPTURE(BM_InstallTranslations, C, "C")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_InstallTranslations, de, "de")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_InstallTranslations, zh_CN, "zh_CN")->Unit(benchmark::kMicrosecond);

// --- New Game and Answer, through the window's own handlers ---

template <typename F> double secondsOf(F &&f)
{
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_NewGame(benchmark::State &state)
{
    FakePlatform platform;
    Form1 form(platform);
    for (auto _ : state) {
        platform.queueDeal(4, 6, 1, 1);
        state.SetIterationTime(secondsOf([&form] { form.Command1_Click(); }));
        form.Command2_Click(); // closes the deal, untimed
    }
}
BENCHMARK(BM_NewGame)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The ten deals whose answers the tests pin, one Answer each.
constexpr std::array<std::array<int, 4>, 10> tenDeals{{{1, 2, 3, 4},
                                                       {4, 3, 2, 1},
                                                       {6, 6, 6, 6},
                                                       {1, 2, 3, 13},
                                                       {3, 3, 7, 7},
                                                       {1, 6, 9, 10},
                                                       {1, 1, 1, 1},
                                                       {13, 13, 13, 13},
                                                       {3, 3, 8, 8},
                                                       {5, 5, 5, 1}}};

void BM_AnswerOneDeal(benchmark::State &state)
{
    FakePlatform platform;
    Form1 form(platform);
    std::size_t next = 0;
    for (auto _ : state) {
        const auto &deal = tenDeals[next++ % tenDeals.size()];
        platform.queueDeal(deal[0], deal[1], deal[2], deal[3]);
        form.Command1_Click(); // untimed
        state.SetIterationTime(secondsOf([&form] { form.Command2_Click(); }));
    }
}
BENCHMARK(BM_AnswerOneDeal)->UseManualTime()->Unit(benchmark::kMicrosecond);

// --- The search over every ordered deal, against bare chain evaluation ---

// Calls f with each of the 28,561 ordered deals.
template <typename F> void forEveryDeal(F &&f)
{
    for (qint16 a = 1; a <= 13; ++a)
        for (qint16 b = 1; b <= 13; ++b)
            for (qint16 c = 1; c <= 13; ++c)
                for (qint16 d = 1; d <= 13; ++d)
                    f(AnswerSearch::Cards{a, b, c, d});
}

void BM_SweepAllDeals(benchmark::State &state)
{
    for (auto _ : state) {
        qsizetype shown = 0;
        forEveryDeal([&shown](const AnswerSearch::Cards &deal) {
            const auto hit = AnswerSearch::lastHit(deal);
            shown += hit ? AnswerSearch::line(*hit).size() : AnswerSearch::noSolution().size();
        });
        benchmark::DoNotOptimize(shown);
    }
    state.SetItemsProcessed(state.iterations() * 28561);
}
BENCHMARK(BM_SweepAllDeals)->Unit(benchmark::kMillisecond);

// The least any search must do: the plain walk through the 1,536 chains of
// each deal, counting the hits and nothing else.
void BM_FloorAllDeals(benchmark::State &state)
{
    for (auto _ : state) {
        int hits = 0;
        forEveryDeal([&hits](const AnswerSearch::Cards &deal) {
            ChainWalk::forEachHit(deal, [&hits](const AnswerSearch::Hit &) { ++hits; });
        });
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(state.iterations() * 28561);
}
BENCHMARK(BM_FloorAllDeals)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration in nanoseconds, and the start-up
// children's peak memory, for the summary.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            nanoseconds[run.benchmark_name()] =
                run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (const auto peak = run.counters.find("peak_kB"); peak != run.counters.end())
                peakKilobytes[run.benchmark_name()] = peak->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
    std::map<std::string, double> peakKilobytes;
};

double find(const std::map<std::string, double> &figures, const std::string &prefix)
{
    for (const auto &[name, value] : figures)
        if (name.rfind(prefix, 0) == 0)
            return value;
    return 0;
}

double find(const SummaryReporter &reporter, const std::string &prefix)
{
    return find(reporter.nanoseconds, prefix);
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, argv[2]);

    self = argv[0];
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double bare = find(reporter, "BM_StartUpToFirstPaint/bare");
    const double merovant = find(reporter, "BM_StartUpToFirstPaint/merovant");
    const double sweep = find(reporter, "BM_SweepAllDeals");
    const double floor = find(reporter, "BM_FloorAllDeals");
    std::printf("\nSummary\n");
    if (bare > 0 && merovant > 0)
        std::printf("  start-up to first paint: %.1f ms, bare window %.1f ms, ratio %.2f\n",
                    merovant / 1e6, bare / 1e6, merovant / bare);
    const double bareKb = find(reporter.peakKilobytes, "BM_StartUpToFirstPaint/bare");
    const double merovantKb = find(reporter.peakKilobytes, "BM_StartUpToFirstPaint/merovant");
    if (bareKb > 0 && merovantKb > 0)
        std::printf("  start-up peak memory: %.0f kB, bare window %.0f kB, ratio %.2f\n",
                    merovantKb, bareKb, merovantKb / bareKb);
    if (const double newGame = find(reporter, "BM_NewGame"); newGame > 0)
        std::printf("  New Game: %.2f us\n", newGame / 1e3);
    if (const double answer = find(reporter, "BM_AnswerOneDeal"); answer > 0)
        std::printf("  Answer, one deal of the ten: %.2f us\n", answer / 1e3);
    if (sweep > 0 && floor > 0)
        std::printf("  search: %.0f ns a deal (whole sweep %.3f s), floor %.0f ns a deal, "
                    "ratio %.2f\n",
                    sweep / 28561, sweep / 1e9, floor / 28561, sweep / floor);
    return 0;
}
