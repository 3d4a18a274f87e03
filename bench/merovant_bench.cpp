// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures for start-up (time to the first paint and the child's peak
// memory), New Game and the Answer search, with the floor that each is
// measured against: for start-up a window of the same controls with text
// alone, offscreen and on an X server of the bench's own, at scale 1 and 2.
//   build/bin/merovant_bench [--startup-only | --no-startup] [--rounds=N]
#include "BareWindow.h"
#include "ChainWalk.h"
#include "TextAnchor.h"
#include "game/Form1.h"
#include "platform/DesktopPlatform.h"
#include "platform/FakePlatform.h"
#include "platform/Translations.h"
#include "solver/AnswerSearch.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
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

// The windows a child can show: "bare", "anchor", "merovant" (the game with
// the fake platform, as the tests see it) and "real" (the game as the
// program starts it, with the desktop platform, which opens the home page).
int runChild(int argc, char *argv[], const char *which)
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    FakePlatform fake;
    std::unique_ptr<DesktopPlatform> desktop;
    std::unique_ptr<QMainWindow> window;
    if (std::strcmp(which, "merovant") == 0 || std::strcmp(which, "real") == 0) {
        // As the program starts: in the language of the environment.
        Translations::install();
        Platform *platform = &fake;
        if (std::strcmp(which, "real") == 0) {
            desktop = std::make_unique<DesktopPlatform>();
            platform = desktop.get();
        }
        window = std::make_unique<Form1>(*platform);
    } else if (std::strcmp(which, "anchor") == 0) {
        window = std::make_unique<TextAnchor>();
    } else {
        window = std::make_unique<BareWindow>();
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

// The environment with `changes` ("NAME=value") set over it.
std::vector<std::string> environmentWith(const std::vector<std::string> &changes)
{
    std::vector<std::string> result;
    for (char **entry = environ; *entry; ++entry) {
        const std::string_view line(*entry);
        const auto name = line.substr(0, line.find('=') + 1);
        if (std::none_of(changes.begin(), changes.end(),
                         [&name](const std::string &c) { return c.rfind(name, 0) == 0; }))
            result.emplace_back(line);
    }
    result.insert(result.end(), changes.begin(), changes.end());
    return result;
}

ChildRun runToFirstPaint(const char *which, std::vector<std::string> environment)
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
    std::vector<char *> env;
    for (std::string &entry : environment)
        env.push_back(entry.data());
    env.push_back(nullptr);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, args, env.data());
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

// An X server of the bench's own, with a stand-in xdg-open that only exits,
// so that the real platform's home page costs what starting an opener costs
// and no browser comes up.
class PrivateDisplay
{
public:
    PrivateDisplay()
    {
        char dir[] = "/tmp/merovant-bench-XXXXXX";
        if (!mkdtemp(dir))
            return;
        m_dir = dir;
        const std::string opener = m_dir + "/xdg-open";
        if (FILE *file = std::fopen(opener.c_str(), "w")) {
            std::fputs("#!/bin/sh\nexit 0\n", file);
            std::fclose(file);
            chmod(opener.c_str(), 0755);
        }
        int display[2];
        if (pipe(display) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, display[0]);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        std::string fd = std::to_string(display[1]);
        std::vector<std::string> words = {"Xvfb", "-displayfd",  fd,          "-screen",
                                          "0",    "1024x768x24", "-nolisten", "tcp"};
        std::vector<char *> args;
        for (std::string &word : words)
            args.push_back(word.data());
        args.push_back(nullptr);
        const bool started =
            posix_spawnp(&m_server, "Xvfb", &actions, nullptr, args.data(), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(display[1]);
        // The server writes the number, then a newline, once it listens; the
        // pipe stays open until both are read, as a closed one would end it.
        std::string number;
        char digit = 0;
        while (started && read(display[0], &digit, 1) == 1 && digit != '\n')
            number += digit;
        close(display[0]);
        if (!number.empty())
            m_display = ":" + number;
    }
    ~PrivateDisplay()
    {
        if (m_server > 0) {
            kill(m_server, SIGTERM);
            waitpid(m_server, nullptr, 0);
        }
        if (!m_dir.empty()) {
            std::remove((m_dir + "/xdg-open").c_str());
            rmdir(m_dir.c_str());
        }
    }
    bool ready() const { return !m_display.empty(); }
    std::vector<std::string> environment() const
    {
        const char *path = std::getenv("PATH");
        return {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + m_display,
                "PATH=" + m_dir + ":" + (path ? path : "/usr/bin:/bin")};
    }

private:
    std::string m_dir;
    std::string m_display;
    pid_t m_server = 0;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Figures
{
    std::vector<double> milliseconds;
    std::vector<double> megabytes;
};

// One setting: the anchor and the game (and the bare window, when asked),
// round after round, each round in a turned order so that neither always
// follows the other. Prints the medians and the game's ratios to the anchor.
void compareStartUp(const char *title, const std::vector<std::string> &environment,
                    const char *game, bool withBare, int rounds, double timeTarget,
                    double memoryTarget)
{
    std::vector<const char *> children{"anchor", game};
    if (withBare)
        children.insert(children.begin(), "bare");
    std::map<std::string, Figures> figures;
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < children.size(); ++i) {
            const char *which = children[(i + std::size_t(round)) % children.size()];
            const ChildRun run = runToFirstPaint(which, environmentWith(environment));
            if (run.seconds < 0) {
                std::printf("  %s: the %s window did not paint\n", title, which);
                return;
            }
            figures[which].milliseconds.push_back(run.seconds * 1e3);
            figures[which].megabytes.push_back(double(run.peakKilobytes) / 1024);
        }
    std::printf("  %-28s:", title);
    for (const char *which : children)
        std::printf(" %s %.1f ms %.1f MB;", which, median(figures[which].milliseconds),
                    median(figures[which].megabytes));
    const double time = median(figures[game].milliseconds) / median(figures["anchor"].milliseconds);
    const double memory = median(figures[game].megabytes) / median(figures["anchor"].megabytes);
    std::printf(" ratio to the anchor: time %.2f (at most %.2f), memory %.2f (at most %.2f)\n",
                time, timeTarget, memory, memoryTarget);
    std::fflush(stdout);
}

void measureStartUp(int rounds)
{
    std::printf("Start-up to the first paint and peak memory, medians of %d rounds:\n", rounds);
    const std::vector<std::string> offscreen{"QT_QPA_PLATFORM=offscreen"};
    const std::string scale2 = "QT_SCALE_FACTOR=2";
    compareStartUp("offscreen, scale 1", offscreen, "merovant", true, rounds, 1.10, 1.05);
    compareStartUp("offscreen, scale 2", {offscreen[0], scale2}, "merovant", false, rounds, 1.15,
                   1.08);
    PrivateDisplay display;
    if (!display.ready()) {
        std::printf("  Xvfb: not started, skipped\n");
        return;
    }
    auto onDisplay = display.environment();
    compareStartUp("Xvfb, scale 1", onDisplay, "merovant", false, rounds, 1.10, 1.05);
    compareStartUp("Xvfb, real platform, scale 1", onDisplay, "real", false, rounds, 1.15, 1.05);
    onDisplay.push_back(scale2);
    compareStartUp("Xvfb, scale 2", onDisplay, "merovant", false, rounds, 1.15, 1.08);
    compareStartUp("Xvfb, real platform, scale 2", onDisplay, "real", false, rounds, 1.15, 1.08);
}

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

// Keeps each benchmark's time per iteration in nanoseconds for the summary.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            nanoseconds[run.benchmark_name()] =
                run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
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
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, argv[2]);

    // Our own options, taken out before the benchmark library sees the rest.
    int rounds = 25;
    bool startUpOnly = false;
    bool startUp = true;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option(argv[i]);
        if (option == "--startup-only")
            startUpOnly = true;
        else if (option == "--no-startup")
            startUp = false;
        else if (option.rfind("--rounds=", 0) == 0)
            rounds = std::max(1, std::atoi(argv[i] + 9));
        else if (option == "--help") {
            std::printf("merovant_bench [--startup-only | --no-startup] [--rounds=N] "
                        "[benchmark options]\n"
                        "  start-up: the game against the text anchor, offscreen and on a\n"
                        "  private Xvfb, at scale 1 and 2, N interleaved rounds (25)\n");
            return 0;
        } else
            argv[kept++] = argv[i];
    }
    argc = kept;
    self = argv[0];
    if (startUp)
        measureStartUp(rounds);
    if (startUpOnly)
        return 0;

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double sweep = find(reporter, "BM_SweepAllDeals");
    const double floor = find(reporter, "BM_FloorAllDeals");
    std::printf("\nSummary\n");
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
