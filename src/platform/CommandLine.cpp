// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/CommandLine.h"

#include "game/AppInfo.h"

#include <QCommandLineParser>
#include <QProcessEnvironment>

#include <QList>

#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <utility>

#ifdef Q_OS_WIN
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace {
const QString usage = QStringLiteral("Usage: merovant [--help | --version]\n");

const QString help =
    usage + QStringLiteral("Merovant, a card game for one player: make 24 from four cards.\n"
                           "\n"
                           "  -h, --help     show this help and exit\n"
                           "  -v, --version  show the version and exit\n"
                           "\n"
                           "Started without options, it opens the game's window.\n");

// Where the toolkit will try to show windows: only X11 and Wayland need a
// server named in the environment; other platforms (offscreen, a frame
// buffer, the native one outside X11 and Wayland systems) draw on their own.
bool hasDisplay(const QProcessEnvironment &environment)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    const QString platform = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")) &&
        !platform.startsWith(QLatin1String("wayland")))
        return true;
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"}) {
        if (!environment.value(QLatin1String(name)).isEmpty())
            return true;
    }
    return false;
#else
    Q_UNUSED(environment);
    return true;
#endif
}

// A program of the Windows subsystem starts without a console: what it
// prints goes to the console it was started from, unless its output is
// redirected already.
void reachConsole()
{
#ifdef Q_OS_WIN
    const bool hasOutput = GetStdHandle(STD_OUTPUT_HANDLE) || GetStdHandle(STD_ERROR_HANDLE);
    if (hasOutput || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
#endif
}

QtMessageHandler toolkitHandler = nullptr;
// The platform's warnings while it looks for the display, held back until
// it is known whether they end in the one line below.
QList<std::tuple<QtMsgType, QString, QString>> heldBack;

// The toolkit ends the program with a fatal message when its platform cannot
// reach the display it was given; that becomes one line and NoDisplay. Every
// other message goes on to the toolkit's own handler.
void displayFailureHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fprintf(stderr, "merovant: cannot open the display to show the window on\n");
        std::_Exit(CommandLine::NoDisplay);
    }
    const QLatin1String category(context.category ? context.category : "");
    if (category.startsWith(QLatin1String("qt.qpa"))) {
        heldBack.append({type, category, text});
        return;
    }
    toolkitHandler(type, context, text);
}
} // namespace

CommandLine::Outcome CommandLine::decide(const QStringList &arguments,
                                         const QProcessEnvironment &environment)
{
    QCommandLineParser parser;
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("show this help and exit"));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("show the version and exit"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);

    if (!parser.parse(arguments))
        return {UsageError, {}, QStringLiteral("merovant: ") + parser.errorText() + u'\n' + usage};
    if (!parser.positionalArguments().isEmpty()) {
        return {UsageError,
                {},
                QStringLiteral("merovant: unexpected argument '") +
                    parser.positionalArguments().constFirst() + QStringLiteral("'\n") + usage};
    }
    if (parser.isSet(helpOption))
        return {Success, help, {}};
    if (parser.isSet(versionOption))
        return {Success, AppInfo::title + u' ' + AppInfo::version + u'\n', {}};
    if (!hasDisplay(environment)) {
        return {NoDisplay,
                {},
                QStringLiteral("merovant: no display to show the window on (neither DISPLAY nor "
                               "WAYLAND_DISPLAY is set)\n")};
    }
    return {};
}

std::optional<int> CommandLine::handle(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const Outcome outcome = decide(arguments, QProcessEnvironment::systemEnvironment());
    if (outcome.exitStatus)
        reachConsole();
    std::fputs(outcome.standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.standardError.toLocal8Bit().constData(), stderr);
    if (!outcome.exitStatus)
        toolkitHandler = qInstallMessageHandler(displayFailureHandler);
    return outcome.exitStatus;
}

void CommandLine::displayOpened()
{
    qInstallMessageHandler(toolkitHandler);
    for (const auto &[type, category, text] : std::exchange(heldBack, {})) {
        const QByteArray name = category.toLatin1();
        toolkitHandler(type, QMessageLogContext(nullptr, 0, nullptr, name.constData()), text);
    }
}
