// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DesktopPlatform.h"

#include "game/AppInfo.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>

#include <chrono>

#ifdef Q_OS_WIN
#include <QDir>
#include <QWidget>
#include <QWindow>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <shellapi.h>

void DesktopPlatform::shellOpen(QWidget *owner, const QString &operation, const QString &file,
                                const QString &directory)
{
    // A page that is not there would only make the browser complain, so it
    // is skipped.
    const QUrl url = QUrl::fromUserInput(file);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return;
    // The owner is only the parent of the shell's own error boxes: a window
    // not yet shown has no handle, and is not made to get one.
    const QWindow *window = owner ? owner->window()->windowHandle() : nullptr;
    const HWND handle = window ? reinterpret_cast<HWND>(window->winId()) : nullptr;
    // Percent-encoded, the address is plain ASCII, which no code page can
    // garble; a folder name outside the code page would be, so then none is
    // given.
    const QString nativeDirectory = QDir::toNativeSeparators(directory);
    const QByteArray folder = nativeDirectory.toLocal8Bit();
    const bool folderFits = QString::fromLocal8Bit(folder) == nativeDirectory;
    ShellExecuteA(handle, operation.toLocal8Bit().constData(), url.toEncoded().constData(), "",
                  folderFits ? folder.constData() : nullptr, SW_SHOWNORMAL);
}
#else
#include <spawn.h>
#include <sys/wait.h>

#include <future>
#include <system_error>
#include <thread>

extern char **environ;

namespace {
// Inside a Flatpak or Snap sandbox only the desktop portal can reach the
// user's browser, and Qt speaks to it.
bool sandboxed()
{
    return qEnvironmentVariableIsSet("SNAP") || QFileInfo::exists(QStringLiteral("/.flatpak-info"));
}

// Starts the desktop's opener on the address without copying the program:
// posix_spawn starts the child vfork-like, sharing memory until it runs
// xdg-open. The child leads a session of its own, so a Ctrl+C or hang-up of
// the game's terminal reaches neither it nor a browser it starts. The thread
// that starts it also waits for it, so no zombie is left and no signal
// handler is needed; made before the child, it leaves nothing unreaped when
// it cannot be made. False when xdg-open cannot be started.
bool spawnOpener(const QUrl &url)
{
    std::promise<bool> started;
    std::future<bool> result = started.get_future();
    auto spawnAndReap = [address = url.toEncoded(), started = std::move(started)]() mutable {
        QByteArray program("xdg-open");
        char *args[] = {program.data(), address.data(), nullptr};
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
        pid_t pid = 0;
        const bool spawned =
            posix_spawnp(&pid, program.constData(), nullptr, &attributes, args, environ) == 0;
        posix_spawnattr_destroy(&attributes);
        started.set_value(spawned);
        if (spawned)
            waitpid(pid, nullptr, 0);
    };
    try {
        std::thread(std::move(spawnAndReap)).detach();
    } catch (const std::system_error &) {
        return false;
    }
    return result.get();
}
} // namespace

void DesktopPlatform::shellOpen(QWidget *, const QString &, const QString &file, const QString &)
{
    // The desktop has one verb for documents and addresses: open. A page that
    // is not there would only make the browser complain, so it is skipped.
    const QUrl url = QUrl::fromUserInput(file);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return;
    // Qt starts its openers with a fork of the whole program; it is kept for
    // the portal and for desktops without xdg-open, where it knows others.
    if (sandboxed() || !spawnOpener(url))
        QDesktopServices::openUrl(url);
}
#endif

void DesktopPlatform::showMessage(const QString &text, const QString &spoken)
{
    QMessageBox box(QMessageBox::NoIcon, AppInfo::title, text, QMessageBox::Ok);
    if (!spoken.isEmpty())
        if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            label->setAccessibleName(spoken);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void DesktopPlatform::reseedFromClock()
{
    // The clock's finest unit, so that two deals within the same second, or
    // the same microsecond, start from different seeds.
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    m_generator.seed(seed);
}

float DesktopPlatform::draw()
{
    // 24 random bits scaled by 2^-24: every value is exact in float and the
    // largest is 1 - 2^-24, so a draw can never round up to 1.
    return static_cast<float>(m_generator() >> 8) * 0x1p-24f;
}
