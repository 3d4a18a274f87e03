// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The About box as the table's About command shows it: its layout, looks,
// load step and keyboard.
#include "GameTable.h"

#include "about/frmAbout.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {
const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");

template <typename T = QWidget> T *child(QWidget *box, const char *name)
{
    return box->findChild<T *>(QLatin1String(name));
}

// Every control of the design, by name.
const QStringList controls{"picIcon", "lblTitle",   "lblVersion", "lblDescription", "lblDisclaimer",
                           "cmdOK",   "cmdSysInfo", "Line1_1",    "Line1_0"};
} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void controlsDoNotOverlap();
    void window();
    void font();
    void texts_data();
    void texts();
    void icon();
    void etchedSeparator();
    void loadStep();
    void tabOrder();
    void keys_data();
    void keys();
};

void TestAbout::layout_data()
{
    // The design in twips (15 to a pixel). A line is the strip from its start
    // to its end, as many pixels high as it is wide.
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("takesFocus");
    QTest::addColumn<QString>("textColour"); // "black", "default" or "" for none

    QTest::newRow("picIcon") << QByteArray("QLabel") << QRect(240, 240, 540, 540) << false << "";
    QTest::newRow("lblTitle") << QByteArray("QLabel") << QRect(1050, 240, 3885, 480) << false
                              << "black";
    QTest::newRow("lblVersion") << QByteArray("QLabel") << QRect(1050, 780, 3885, 225) << false
                                << "default";
    QTest::newRow("lblDescription")
        << QByteArray("QLabel") << QRect(1050, 1125, 4005, 1170) << false << "black";
    QTest::newRow("lblDisclaimer")
        << QByteArray("QLabel") << QRect(255, 2625, 3870, 825) << false << "black";
    QTest::newRow("cmdOK") << QByteArray("QPushButton") << QRect(4245, 2625, 1260, 345) << true
                           << "";
    QTest::newRow("cmdSysInfo") << QByteArray("QPushButton") << QRect(4260, 3075, 1245, 345) << true
                                << "";
    QTest::newRow("Line1_1") << QByteArray("QWidget") << QRect(90, 2445, 5654 - 90, 15) << false
                             << "";
    QTest::newRow("Line1_0") << QByteArray("QWidget") << QRect(105, 2460, 5654 - 105, 30) << false
                             << "";
}

void TestAbout::layout()
{
    QFETCH(QByteArray, kind);
    QFETCH(QRect, twips);
    QFETCH(bool, takesFocus);
    QFETCH(QString, textColour);

    GameTable table;
    frmAbout &box = table.openAbout();
    QWidget *control = child(&box, QTest::currentDataTag());
    QVERIFY(control);
    QVERIFY(control->inherits(kind));
    QCOMPARE(control->parentWidget(), &box);
    const QRect expected(twips.left() / 15, twips.top() / 15, twips.width() / 15,
                         twips.height() / 15);
    QCOMPARE(control->geometry(), expected);
    QVERIFY(box.rect().contains(control->geometry()));
    QCOMPARE(control->focusPolicy() != Qt::NoFocus, takesFocus);
    if (textColour == QLatin1String("black"))
        QCOMPARE(control->palette().color(QPalette::WindowText), QColor(Qt::black));
    else if (textColour == QLatin1String("default"))
        QCOMPARE(control->palette().color(QPalette::WindowText),
                 QApplication::palette(control).color(QPalette::WindowText));
}

void TestAbout::controlsDoNotOverlap()
{
    GameTable table;
    frmAbout &box = table.openAbout();
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const QRect a = child(&box, qPrintable(controls[i]))->geometry();
            const QRect b = child(&box, qPrintable(controls[j]))->geometry();
            QVERIFY2(!a.intersects(b), qPrintable(controls[i] + " overlaps " + controls[j]));
        }
}

void TestAbout::window()
{
    GameTable table;
    frmAbout &box = table.openAbout();
    QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
    // 5730 x 3555 twips, and the user cannot change it.
    QCOMPARE(box.size(), QSize(382, 237));
    QCOMPARE(box.minimumSize(), QSize(382, 237));
    QCOMPARE(box.maximumSize(), QSize(382, 237));
    const Qt::WindowFlags flags = box.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!box.isSizeGripEnabled());
    QVERIFY(!box.isModal());
    QCOMPARE(box.parentWidget(), nullptr);
    QVERIFY(!box.windowIcon().isNull());
}

void TestAbout::font()
{
    GameTable table;
    frmAbout &box = table.openAbout();
    const QFont font = box.font();
    QCOMPARE(font.pointSizeF(), 8.25);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic());
    // The designed face where it is installed, else a plain sans-serif stand-in.
    const QStringList faces{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans",
                            "DejaVu Sans"};
    const QStringList installed = QFontDatabase::families();
    const bool anyInstalled = std::any_of(faces.begin(), faces.end(),
                                          [&](const QString &f) { return installed.contains(f); });
    if (anyInstalled)
        QVERIFY2(faces.contains(QFontInfo(font).family()), qPrintable(QFontInfo(font).family()));
    QVERIFY(!QFontInfo(font).fixedPitch());
    // No control sets a font of its own.
    for (const QString &name : controls)
        QVERIFY2(!child(&box, qPrintable(name))->testAttribute(Qt::WA_SetFont), qPrintable(name));
}

void TestAbout::texts_data()
{
    QTest::addColumn<QString>("expected"); // empty: our own wording, only required to fit

    QTest::newRow("cmdOK") << "OK";
    QTest::newRow("cmdSysInfo") << "&System Info...";
    QTest::newRow("lblTitle") << "Merovant";
    QTest::newRow("lblVersion") << "Version 1.0.0";
    QTest::newRow("lblDescription") << "";
    QTest::newRow("lblDisclaimer") << "";
}

void TestAbout::texts()
{
    QFETCH(QString, expected);
    GameTable table;
    frmAbout &box = table.openAbout();
    QWidget *control = child(&box, QTest::currentDataTag());
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), expected);
        return;
    }
    auto *label = qobject_cast<QLabel *>(control);
    QVERIFY(label);
    if (!expected.isEmpty())
        QCOMPARE(label->text(), expected);
    QVERIFY(!label->text().isEmpty());
    QVERIFY(label->wordWrap());
    // Wrapped at the label's width, the whole text fits its height.
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
             qPrintable(QString::number(label->heightForWidth(label->width()))));
}

void TestAbout::icon()
{
    GameTable table;
    frmAbout &box = table.openAbout();
    auto *picIcon = child<QLabel>(&box, "picIcon");
    const QPixmap pixmap = picIcon->pixmap();
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(32, 32));
    QCOMPARE(picIcon->frameShadow(), QFrame::Sunken);
    QCOMPARE(picIcon->contentsRect().size(), QSize(32, 32));
}

void TestAbout::etchedSeparator()
{
    GameTable table;
    frmAbout &box = table.openAbout();
    const QImage image = box.grab().toImage();
    const QColor background = box.palette().color(QPalette::Window);
    for (int x : {7, 100, 375}) {
        QCOMPARE(image.pixelColor(x, 162), background);
        QCOMPARE(image.pixelColor(x, 163), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(x, 164), QColor(Qt::white));
        QCOMPARE(image.pixelColor(x, 165), QColor(Qt::white));
        QCOMPARE(image.pixelColor(x, 166), background);
    }
}

void TestAbout::loadStep()
{
    GameTable table;
    frmAbout &box = table.openAbout();
    QCOMPARE(box.windowTitle(), QStringLiteral("About Merovant"));
    QCOMPARE(child<QLabel>(&box, "lblTitle")->text(), QStringLiteral("Merovant"));
    QCOMPARE(child<QLabel>(&box, "lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QVERIFY(box.isVisible());
}

void TestAbout::tabOrder()
{
    GameTable table;
    frmAbout &box = table.openAbout();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(QApplication::focusWidget(), child(&box, "cmdOK"));
    for (const char *next : {"cmdSysInfo", "cmdOK"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(&box, next));
    }
}

void TestAbout::keys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("pressesSysInfo");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Enter on OK closes") << "cmdOK" << int(Qt::Key_Return) << none << true << false;
    QTest::newRow("keypad Enter on OK closes")
        << "cmdOK" << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true
        << false;
    QTest::newRow("Enter on System Info presses it")
        << "cmdSysInfo" << int(Qt::Key_Return) << none << false << true;
    QTest::newRow("Esc on OK closes") << "cmdOK" << int(Qt::Key_Escape) << none << true << false;
    QTest::newRow("Esc on System Info closes")
        << "cmdSysInfo" << int(Qt::Key_Escape) << none << true << false;
    QTest::newRow("Alt+S presses System Info")
        << "cmdOK" << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::AltModifier) << false << true;
}

void TestAbout::keys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, closes);
    QFETCH(bool, pressesSysInfo);

    // No registry entry: a press of System Info shows up as its message.
    GameTable table;
    frmAbout &box = table.openAbout();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QWidget *target = child(&box, qPrintable(focus));
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QCOMPARE(box.isVisible(), !closes);
    // An access key presses its button with a short animation, so it is
    // waited for.
    QTRY_COMPARE(table.platform.messages,
                 pressesSysInfo ? QStringList{unavailable} : QStringList{});
    QVERIFY(box.isVisible() == !closes);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
