// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/CommandLine.h"

#include <QProcessEnvironment>
#include <QTest>

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void decide_data();
    void decide();
};

namespace {
constexpr int plays = -1; // the game starts
}

void CommandLineTest::decide_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program's name
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("exitStatus");
    // How standard output and standard error begin; empty when nothing is printed.
    QTest::addColumn<QString>("outputStart");
    QTest::addColumn<QString>("errorStart");

    const QStringList x11{"DISPLAY=:0"};
    const QStringList none;
    // The project's version, as the build hands it to the program.
    const QString version = QStringLiteral("Merovant " MEROVANT_VERSION "\n");

    QTest::newRow("no options on X11") << QStringList() << x11 << plays << ""
                                       << "";
    QTest::newRow("no options on Wayland")
        << QStringList() << QStringList{"WAYLAND_DISPLAY=wayland-0"} << plays << ""
        << "";
    QTest::newRow("offscreen needs no server")
        << QStringList() << QStringList{"QT_QPA_PLATFORM=offscreen"} << plays << ""
        << "";
    QTest::newRow("no display") << QStringList() << none << 1 << ""
                                << "merovant: no display to show the window on (neither DISPLAY "
                                   "nor WAYLAND_DISPLAY is set)\n";
    QTest::newRow("empty DISPLAY") << QStringList() << QStringList{"DISPLAY="} << 1 << ""
                                   << "merovant: no display";
    QTest::newRow("xcb asked for without a server")
        << QStringList() << QStringList{"QT_QPA_PLATFORM=xcb"} << 1 << ""
        << "merovant: no display";
    QTest::newRow("--version without a display")
        << QStringList{"--version"} << none << 0 << version << "";
    QTest::newRow("-v") << QStringList{"-v"} << x11 << 0 << version << "";
    const QString usage = "Usage: merovant [--help | --version]\n";
    QTest::newRow("--help without a display") << QStringList{"--help"} << none << 0 << usage << "";
    QTest::newRow("-h") << QStringList{"-h"} << x11 << 0 << usage << "";
    QTest::newRow("unknown option")
        << QStringList{"--fullscreen"} << x11 << 2 << ""
        << "merovant: Unknown option 'fullscreen'.\nUsage: merovant [--help | --version]\n";
    QTest::newRow("unknown short option") << QStringList{"-x"} << x11 << 2 << ""
                                          << "merovant: Unknown option 'x'.";
    QTest::newRow("an argument") << QStringList{"deal.txt"} << x11 << 2 << ""
                                 << "merovant: unexpected argument 'deal.txt'\nUsage:";
    QTest::newRow("a value for --version") << QStringList{"--version=2"} << x11 << 2 << ""
                                           << "merovant: Unexpected value after";
    QTest::newRow("usage error before the missing display")
        << QStringList{"--bogus"} << none << 2 << ""
        << "merovant: Unknown option 'bogus'.";
}

void CommandLineTest::decide()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, exitStatus);
    QFETCH(QString, outputStart);
    QFETCH(QString, errorStart);
#ifdef Q_OS_WIN
    if (exitStatus == CommandLine::NoDisplay)
        QSKIP("Windows shows windows without a display server named in the environment");
#endif

    QProcessEnvironment env;
    for (const QString &variable : environment)
        env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    arguments.prepend(QStringLiteral("/usr/games/merovant"));
    const CommandLine::Outcome outcome = CommandLine::decide(arguments, env);

    QCOMPARE(outcome.exitStatus.value_or(plays), exitStatus);
    // Nothing expected: nothing printed.
    auto begins = [](const QString &text, const QString &start) {
        return start.isEmpty() ? text.isEmpty() : text.startsWith(start);
    };
    QVERIFY2(begins(outcome.standardOutput, outputStart), qPrintable(outcome.standardOutput));
    QVERIFY2(begins(outcome.standardError, errorStart), qPrintable(outcome.standardError));
    // The version is one line; a missing display is said in one line too.
    if (exitStatus == 1 || outputStart.startsWith("Merovant"))
        QCOMPARE(outcome.standardError.count(u'\n') + outcome.standardOutput.count(u'\n'), 1);
}

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
