// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DesktopPlatform.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <optional>
#include <thread>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

// Stands in for the browser: records what the desktop was asked to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl &url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsAreBelowOneAtSinglePrecision();
    void reseedsDifferWithinTheSameSecond();
    void opensAnExistingHomePage_data();
    void opensAnExistingHomePage();
    void skipsAMissingHomePage();
    void messageBoxHasTitleTextAndOneOkButton();
};

void PlatformTest::drawsAreBelowOneAtSinglePrecision()
{
    DesktopPlatform platform;
    platform.reseedFromClock();
    float largest = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const float r = platform.draw();
        QVERIFY(r >= 0.0f && r < 1.0f);
        // Every draw is a whole number of 2^-24 steps: exact in float.
        const float steps = r * 0x1p24f;
        QCOMPARE(steps, static_cast<float>(static_cast<quint32>(steps)));
        largest = std::max(largest, r);
    }
    QVERIFY(largest > 0.999f);
}

void PlatformTest::reseedsDifferWithinTheSameSecond()
{
    DesktopPlatform platform;
    auto firstDraws = [&platform] {
        platform.reseedFromClock();
        std::array<float, 8> draws{};
        for (float &r : draws)
            r = platform.draw();
        return draws;
    };
    const auto first = firstDraws();
    std::this_thread::sleep_for(std::chrono::microseconds(5));
    const auto second = firstDraws();
    QVERIFY(first != second);
}

void PlatformTest::opensAnExistingHomePage_data()
{
    QTest::addColumn<bool>("onPath"); // a stand-in xdg-open that records its argument
    QTest::addColumn<bool>("snap");
    QTest::addColumn<bool>("spawned"); // else Qt's opener got the page

    QTest::newRow("xdg-open on PATH: started in a session of its own, and reaped")
        << true << false << true;
    QTest::newRow("no xdg-open: left to Qt") << false << false << false;
    QTest::newRow("in a Snap: left to Qt, xdg-open not started") << true << true << false;
}

void PlatformTest::opensAnExistingHomePage()
{
#ifdef Q_OS_WIN
    QSKIP("Windows' shell opens the page, not Qt: the installer's check under Wine sees it");
#else
    QFETCH(bool, onPath);
    QFETCH(bool, snap);
    QFETCH(bool, spawned);
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("index.html"));
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString opened = dir.filePath(QStringLiteral("opened"));
    QFile standIn(dir.filePath(QStringLiteral("bin/xdg-open")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("bin")));
    if (onPath) {
        QVERIFY(standIn.open(QIODevice::WriteOnly));
        // The address, its session and its process id; builtins only, as
        // PATH holds nothing else.
        standIn.write("#!/bin/sh\nread -r pid name state parent group session rest </proc/$$/stat\n"
                      "printf '%s\\n' \"$@\" \"$session\" $$ >\"" +
                      opened.toUtf8() + "\"\n");
        standIn.close();
        standIn.setPermissions(standIn.permissions() | QFileDevice::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    const std::optional<QByteArray> snapBefore =
        qEnvironmentVariableIsSet("SNAP") ? std::optional(qgetenv("SNAP")) : std::nullopt;
    // Only the stand-in: the desktop's own opener must never start here.
    qputenv("PATH", QFile::encodeName(dir.filePath(QStringLiteral("bin"))));
    if (snap)
        qputenv("SNAP", "/snap/merovant/1");
    else
        qunsetenv("SNAP");
    const auto restore = qScopeGuard([&path, &snapBefore] {
        qputenv("PATH", path);
        if (snapBefore)
            qputenv("SNAP", *snapBefore);
        else
            qunsetenv("SNAP");
    });

    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    DesktopPlatform platform;
    platform.shellOpen(nullptr, QStringLiteral("Open"), QUrl::fromLocalFile(page).toString(),
                       dir.path());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    if (spawned) {
        QVERIFY(recorder.opened.isEmpty());
        const auto read = [&opened] {
            QFile record(opened);
            return record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray();
        };
        QTRY_COMPARE(read().count('\n'), 3);
        const QList<QByteArray> lines = read().split('\n');
        QCOMPARE(lines.value(0), QUrl::fromLocalFile(page).toEncoded());
        // It leads a session of its own, not the game's.
        const QByteArray pid = lines.value(2);
        QCOMPARE(lines.value(1), pid);
        QVERIFY(pid.toInt() != getsid(0));
        // Once it has ended it is reaped: no zombie is left in the process table.
        QTRY_VERIFY(!QFile::exists(QStringLiteral("/proc/") + QString::fromLatin1(pid)));
    } else {
        QCOMPARE(recorder.opened, QList<QUrl>{QUrl::fromLocalFile(page)});
        QTest::qWait(100); // time for a stray opener to write
        QVERIFY(!QFile::exists(opened));
    }
#endif
}

// A page that is not there is not handed to the browser, which would only
// show an error of its own; nothing is said either.
void PlatformTest::skipsAMissingHomePage()
{
    QTemporaryDir dir;
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    DesktopPlatform platform;
    platform.shellOpen(nullptr, QStringLiteral("Open"),
                       QUrl::fromLocalFile(dir.filePath(QStringLiteral("missing.html"))).toString(),
                       dir.path());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(recorder.opened.isEmpty());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void PlatformTest::messageBoxHasTitleTextAndOneOkButton()
{
    QString title, text;
    int buttons = 0;
    bool noIcon = false;
    Qt::WindowModality modality = Qt::NonModal;
    // The box is looked for until it shows; should it never become the
    // active modal widget, every message box is closed after five seconds,
    // so that the test fails instead of hanging.
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (waited.hasExpired(5000))
                for (QWidget *window : QApplication::topLevelWidgets())
                    if (auto *stray = qobject_cast<QMessageBox *>(window))
                        stray->reject();
            return;
        }
        poll.stop();
        title = box->windowTitle();
        text = box->text();
        buttons = int(box->buttons().size());
        noIcon = box->icon() == QMessageBox::NoIcon;
        modality = box->windowModality();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    DesktopPlatform platform;
    platform.showMessage(QStringLiteral("You have clicked this card!"));
    QCOMPARE(title, QStringLiteral("Merovant"));
    QCOMPARE(text, QStringLiteral("You have clicked this card!"));
    QCOMPARE(buttons, 1);
    QVERIFY(noIcon);
    QCOMPARE(modality, Qt::ApplicationModal);
}

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
