// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Form1.h"

#include "game/Announcer.h"
#include "game/AppInfo.h"
#include "game/CardBox.h"
#include "game/CardName.h"
#include "game/CardSheet.h"
#include "game/Counter.h"
#include "game/Deal.h"
#include "game/Design.h"
#include "game/PictureClip.h"
#include "platform/Platform.h"
#include "play/NumberText.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {
using Design::px;
using Design::twips;

const QFont &controlFont()
{
    static const QFont font = Design::sansSerif(8.25);
    return font;
}

const QFont &windowFont()
{
    static const QFont font = Design::sansSerif(13.5);
    return font;
}

// Text on its own background, where the text stays readable on a dark
// desktop palette too.
void paint(QLabel *label, const QColor &designed, const QColor &background, const QPalette &system)
{
    QPalette palette = system;
    palette.setColor(QPalette::WindowText, Design::textColour(designed, background, system));
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
}
} // namespace

Form1::Form1(Platform &platform, QWidget *parent) : QMainWindow(parent), m_platform(platform)
{
    buildWindow();
    connectHandlers();
    bindKeys();
    Form_Load();
    m_heard = {s.dealLock,
               0,
               Label1->text(),
               {Label2->text(), Label9->text(), Label6->text(), Label3->text()}};
    m_announcer->setSummary(summary());
}

QString Form1::homePageAddress()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString page = bin.filePath(QStringLiteral(MEROVANT_DATA_FROM_BIN "/index.html"));
    return QUrl::fromLocalFile(QDir::cleanPath(page)).toString();
}

void Form1::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(AppInfo::title);
    setWindowIcon(QIcon(QStringLiteral(":/merovant.ico")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto *table = new QWidget(this);
    table->setObjectName(QStringLiteral("table"));
    table->setFixedSize(px(7125), px(3390));
    table->setFont(windowFont());
    table->setAutoFillBackground(true);
    table->setBackgroundRole(QPalette::Button);
    setCentralWidget(table);
    // The first child: a screen reader looks for the status bar from the last
    // child back and stops at the first child it searched.
    m_announcer = new Announcer(table);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto button = [table](const char *name, const QString &caption, QRect place) {
        auto *b = new QPushButton(caption, table);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(place);
        b->setFont(controlFont());
        b->setAutoDefault(false);
        return b;
    };
    auto label = [table](const char *name, const QString &caption, QRect place, const QFont &font) {
        auto *l = new QLabel(caption, table);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(place);
        l->setFont(font);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Screen readers read the text; tools tell the labels apart by name.
        l->setAccessibleDescription(QLatin1String(name));
        l->setAutoFillBackground(true);
        l->setBackgroundRole(QPalette::Window);
        return l;
    };
    const QFont captionFont = Design::sansSerif(8.25, true);

    Command1 = button("Command1", tr("New Game"), twips(5280, 240, 1335, 495));
    for (int i = 0; i < 4; ++i) {
        Picture3[i] = new CardBox(table);
        Picture3[i]->setObjectName(QStringLiteral("Picture3_%1").arg(i + 1));
        Picture3[i]->setGeometry(twips(240 + 1200 * i, 240, 1095, 1455));
        Picture3[i]->setFont(controlFont());
    }
    Command2 = button("Command2", tr("Answer"), twips(5280, 840, 1335, 495));
    Label1 = label("Label1", QStringLiteral("0"), twips(240, 2520, 4695, 495),
                   Design::heavySansSerif(12));
    Command3 = button("Command3", tr("Plus (+)"), twips(240, 1800, 1095, 360));
    Command4 = button("Command4", tr("Minus (-)"), twips(1440, 1800, 1095, 375));
    Command5 = button("Command5", tr("Multiply (*)"), twips(2640, 1800, 1095, 375));
    Command6 = button("Command6", tr("Divide (/)"), twips(3840, 1800, 1095, 375));
    Label2 = label("Label2", QStringLiteral("0"), twips(6360, 1680, 615, 375), windowFont());
    Label3 = label("Label3", QStringLiteral("0"), twips(6360, 2760, 615, 375), windowFont());
    Label4 = label("Label4", tr("You won:"), twips(5280, 1800, 975, 255), captionFont);
    Label5 = label("Label5", tr("Total:"), twips(5280, 2880, 1095, 255), captionFont);
    Label6 = label("Label6", QStringLiteral("0"), twips(6360, 2400, 615, 375), windowFont());
    Label7 = label("Label7", tr("No solution:"), twips(5280, 2520, 1095, 255), captionFont);
    Label8 = label("Label8", tr("You lost:"), twips(5280, 2160, 975, 255), captionFont);
    Label9 = label("Label9", QStringLiteral("0"), twips(6360, 2040, 495, 375), windowFont());
    applyColours();

    // Each count is read out with its caption.
    Label4->setBuddy(Label2);
    Label8->setBuddy(Label9);
    Label7->setBuddy(Label6);
    Label5->setBuddy(Label3);

    // The tab sequence of the design: New Game, the four cards, Answer, then
    // the operators. Labels never take the focus.
    const std::array<QWidget *, 10> tabOrder{Command1,    Picture3[0], Picture3[1], Picture3[2],
                                             Picture3[3], Command2,    Command3,    Command4,
                                             Command5,    Command6};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    Command1->setFocus();

    // Three commands straight on the menu bar, none with a drop-down.
    auto command = [this](const char *name, const QString &caption) {
        QAction *action = menuBar()->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    quit = command("quit", tr("Quit"));
    help = command("help", tr("Help"));
    about = command("about", tr("About"));
}

// The result line has a fixed light cyan behind it; the counts and their
// captions stand on the button face. Each count has its caption's colour.
void Form1::applyColours()
{
    const QPalette &system = palette();
    const QColor face = system.color(QPalette::Button);
    const QColor green(0x00, 0xFF, 0x00);
    const QColor blue(0x00, 0x00, 0xFF);
    const QColor red(0xFF, 0x00, 0x00);
    paint(Label1, system.color(QPalette::Highlight), QColor(0x80, 0xFF, 0xFF), system);
    paint(Label2, green, face, system);
    paint(Label4, green, face, system);
    paint(Label8, red, face, system);
    paint(Label9, red, face, system);
    paint(Label7, blue, face, system);
    paint(Label6, blue, face, system);
    paint(Label5, system.color(QPalette::ButtonText), face, system);
    paint(Label3, system.color(QPalette::ButtonText), face, system);
}

void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && Label1)
        applyColours();
    // As a desktop's menus do, the menu bar gives the keyboard back when
    // another window comes to the front.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && m_focusBeforeMenu)
        closeMenuBar();
}

void Form1::connectHandlers()
{
    const std::array<std::pair<QPushButton *, void (Form1::*)()>, 6> buttons{{
        {Command1, &Form1::Command1_Click},
        {Command2, &Form1::Command2_Click},
        {Command3, &Form1::Command3_Click},
        {Command4, &Form1::Command4_Click},
        {Command5, &Form1::Command5_Click},
        {Command6, &Form1::Command6_Click},
    }};
    for (const auto &[button, handler] : buttons)
        connect(button, &QPushButton::clicked, this,
                [this, handler] { perform([this, handler] { (this->*handler)(); }); });
    for (qint16 index = 1; index <= 4; ++index)
        connect(Picture3[index - 1], &CardBox::clicked, this,
                [this, index] { perform([this, index] { Picture3_Click(index); }); });
    // The menu's commands change nothing on the table: nothing to announce.
    connect(quit, &QAction::triggered, this, &Form1::quit_Click);
    connect(help, &QAction::triggered, this, &Form1::help_Click);
    connect(about, &QAction::triggered, this, &Form1::about_Click);
}

// A command on the table: its handler does its work, then the player hears
// what that changed.
void Form1::perform(const std::function<void()> &handler)
{
    handler();
    speakChanges();
}

// Says, in one utterance, what the last command changed on the table: a new
// hand, the result line after a card or an Answer, and each count that moved,
// with its caption. A screen reader speaks a new utterance over the last one,
// hence one.
void Form1::speakChanges()
{
    const int taken = s.used1 + s.used2 + s.used3 + s.used4;
    const QStringList counts{Label2->text(), Label9->text(), Label6->text(), Label3->text()};
    const std::array<QLabel *, 4> captions{Label4, Label8, Label7, Label5};
    QStringList parts;
    if (s.dealLock && !m_heard.dealLock) {
        // The line's reset to 0 goes without saying.
        QStringList hand;
        for (CardBox *box : Picture3)
            hand << box->cardName();
        parts << hand.join(QLatin1String(", "));
    } else if (Label1->text() != m_heard.line || taken > m_heard.taken) {
        parts << Announcer::spoken(Label1->text());
    }
    for (int i = 0; i < counts.size(); ++i)
        if (counts[i] != m_heard.counts.value(i))
            parts << captions[static_cast<std::size_t>(i)]->text() + QLatin1Char(' ') + counts[i];
    // A new deal, a verdict or an Answer, which each change a count, cut
    // short what is being said: it is over. A running result waits its turn.
    const auto politeness =
        counts != m_heard.counts ? Announcer::Politeness::Assertive : Announcer::Politeness::Polite;
    m_heard = {s.dealLock, taken, Label1->text(), counts};
    // The summary first: a screen reader may read the status bar that says it.
    m_announcer->setSummary(summary());
    m_announcer->say(Announcer::sentences(parts), politeness);
}

// The result line and every count with its caption.
QString Form1::summary() const
{
    return Announcer::sentences({Announcer::spoken(Label1->text()),
                                 Label4->text() + QLatin1Char(' ') + Label2->text(),
                                 Label8->text() + QLatin1Char(' ') + Label9->text(),
                                 Label7->text() + QLatin1Char(' ') + Label6->text(),
                                 Label5->text() + QLatin1Char(' ') + Label3->text()});
}

namespace {
// "Shortcut: F2, Ctrl+N", for the keys as the player's keyboard labels them.
QString keyTip(const QList<QKeySequence> &keys)
{
    QStringList names;
    for (const QKeySequence &key : keys)
        if (!(key[0].keyboardModifiers() & Qt::KeypadModifier))
            names << key.toString(QKeySequence::NativeText);
    return Form1::tr("Shortcut: %1").arg(names.join(QLatin1String(", ")));
}

QList<QKeySequence> mainAndKeypad(Qt::Key key)
{
    return {QKeySequence(key), QKeySequence(Qt::KeypadModifier | key)};
}

// Return on the main keyboard, Enter on the keypad.
bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Whether a dialog besides the table is open, such as About.
bool dialogOpen()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget *window) {
        return window->isVisible() && window->windowType() == Qt::Dialog;
    });
}
} // namespace

// A key presses the control it stands for, through the same handler as the
// mouse, so every rule of play holds the same way. A held key presses once.
// The keys are read as key presses, not taken as shortcuts before anything
// else sees them: a screen reader sees each key first, echoes it, and keeps
// the keys that are its own.
void Form1::bindKeys()
{
    auto bind = [this](auto *control, const QList<QKeySequence> &keys, auto press) {
        m_keys.emplace_back(keys, [control, press] { (control->*press)(); });
        control->setToolTip(keyTip(keys));
    };
    QList<QKeySequence> newGame{QKeySequence(Qt::Key_F2)};
    newGame += QKeySequence::keyBindings(QKeySequence::New);
    bind(Command1, newGame, &QPushButton::click);
    const std::array<Qt::Key, 4> cardKeys{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (std::size_t i = 0; i < Picture3.size(); ++i)
        bind(Picture3[i], mainAndKeypad(cardKeys[i]), &CardBox::click);
    bind(Command3, mainAndKeypad(Qt::Key_Plus), &QPushButton::click);
    bind(Command4, mainAndKeypad(Qt::Key_Minus), &QPushButton::click);
    bind(Command5, mainAndKeypad(Qt::Key_Asterisk), &QPushButton::click);
    bind(Command6, mainAndKeypad(Qt::Key_Slash), &QPushButton::click);
    m_keys.emplace_back(QKeySequence::keyBindings(QKeySequence::HelpContents),
                        [this] { help->trigger(); });
    // Some desktops bind no standard key to quitting; Ctrl+Q works on all.
    QList<QKeySequence> quitKeys{QKeySequence(Qt::CTRL | Qt::Key_Q)};
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::Quit))
        if (!quitKeys.contains(key))
            quitKeys << key;
    m_keys.emplace_back(quitKeys, [this] { quit->trigger(); });
    // F10 opens the menu bar, as Alt does.
    m_keys.emplace_back(QList<QKeySequence>{QKeySequence(Qt::Key_F10)}, [this] { openMenuBar(); });
    // The menu bar and the buttons see their keys first: eventFilter() hands
    // those meant for the table on.
    menuBar()->installEventFilter(this);
    for (QPushButton *button : {Command1, Command2, Command3, Command4, Command5, Command6})
        button->installEventFilter(this);
}

// Every key the table acts on comes to one of the three below, by the
// control that has it. Each returns whether it took the key; one it leaves
// goes on as usual.

// Esc, Enter or Space on the menu bar that F10 opened.
bool Form1::pressMenuBarKey(const QKeyEvent &event)
{
    const int key = event.key();
    if (!m_focusBeforeMenu || !(isEnter(key) || key == Qt::Key_Escape || key == Qt::Key_Space))
        return false;
    QAction *chosen = key == Qt::Key_Escape ? nullptr : menuBar()->activeAction();
    if (!chosen) {
        closeMenuBar();
        return true;
    }
    // The command runs while the menu bar still has the keyboard. A window
    // it opens takes over from there, and changeEvent() gives the focus back
    // once the table has lost the front, where a screen reader does not
    // announce it: given back now, it would be heard between the menu and the
    // window. A message box has come and gone by the time trigger() returns.
    chosen->trigger();
    if (m_focusBeforeMenu && !dialogOpen())
        closeMenuBar();
    return true;
}

// Enter on a focused button presses it, as Space does.
bool Form1::pressButtonKey(QPushButton &button, const QKeyEvent &event)
{
    if (!isEnter(event.key()))
        return false;
    if (!event.isAutoRepeat())
        button.click();
    return true;
}

// The game's keys, which reach the window from any control that leaves them.
bool Form1::pressGameKey(const QKeyEvent &event)
{
    // Shift is how some keyboards reach + and *; it changes no key here.
    const QKeyCombination pressed(event.modifiers() & ~Qt::ShiftModifier,
                                  static_cast<Qt::Key>(event.key()));
    auto matches = [&pressed](const QKeySequence &sequence) {
        return sequence.count() == 1 &&
               QKeyCombination(sequence[0].keyboardModifiers() & ~Qt::ShiftModifier,
                               sequence[0].key()) == pressed;
    };
    for (const auto &[keys, press] : m_keys)
        if (std::any_of(keys.begin(), keys.end(), matches)) {
            if (!event.isAutoRepeat())
                press();
            return true;
        }
    return false;
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    if (pressGameKey(*event))
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

// F10 puts the keyboard on the menu bar's first command. Esc, F10 again, or
// a command chosen with Enter or Space gives it back to the control that had
// it.
void Form1::openMenuBar()
{
    if (m_focusBeforeMenu) {
        closeMenuBar();
        return;
    }
    m_focusBeforeMenu = QApplication::focusWidget();
    menuBar()->setFocus(Qt::MenuBarFocusReason);
    menuBar()->setActiveAction(menuBar()->actions().constFirst());
}

void Form1::closeMenuBar()
{
    m_focusBeforeMenu->setFocus(Qt::MenuBarFocusReason);
    m_focusBeforeMenu = nullptr;
    menuBar()->setActiveAction(nullptr);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto &key = *static_cast<QKeyEvent *>(event);
        auto *button = qobject_cast<QPushButton *>(watched);
        if ((watched == menuBar() && pressMenuBarKey(key)) ||
            (button && pressButtonKey(*button, key)))
            return true;
    }
    if (watched == menuBar() && event->type() == QEvent::FocusOut)
        m_focusBeforeMenu = nullptr;
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Form_Load()
{
    s.inPlay = false;
    s.dealLock = false;
    s.winCount = 0;
    s.gameCount = 0;
    s.noSolutionCount = 0;
    Label9->setText(QStringLiteral("0"));
    // The sheet is cut once, here; a deal only hands these pictures out. On a
    // screen of high density the faces come from the sheet drawn at twice the
    // pixels, shown at the same size; only that screen decodes it. The faces
    // are windows onto the sheet's own pixels, not copies.
    const int scale = CardSheet::scaleFor(*this);
    const PictureClip PictureClip1(QImage(CardSheet::resource(scale)), 4, 13);
    for (int r = 0; r <= 12; ++r)
        for (int suit = 0; suit < 4; ++suit) {
            s.cardPic[r][suit] = PictureClip1.graphicCell(r + 13 * suit);
            s.cardPic[r][suit].setDevicePixelRatio(scale);
        }
    m_platform.shellOpen(this, QStringLiteral("Open"), homePageAddress(),
                         QCoreApplication::applicationDirPath());
}

void Form1::Command1_Click()
{
    if (s.dealLock)
        return;
    s.dealLock = true;
    Counter::raise(s.gameCount);
    Label3->setText(Counter::text(s.gameCount));
    s.used1 = s.used2 = s.used3 = s.used4 = 0;
    Label1->setText(QStringLiteral("0"));
    s.opName = QStringLiteral("none");
    s.opCount = 0;
    m_platform.reseedFromClock();
    s.card1 = Deal::valueFromDraw(m_platform.draw());
    s.card2 = Deal::valueFromDraw(m_platform.draw());
    s.card3 = Deal::valueFromDraw(m_platform.draw());
    s.card4 = Deal::valueFromDraw(m_platform.draw());
    for (qint16 k = 1; k <= 4; ++k) {
        const qint16 suit = Deal::suitFromDraw(m_platform.draw());
        Picture3[k - 1]->setFace(&s.cardPic[cardValue(k) - 1][suit],
                                 CardName::of(cardValue(k), suit));
    }
    s.found = false;
    s.inPlay = true;
}

qint16 Form1::cardValue(qint16 index) const
{
    const std::array<qint16, 4> cards{s.card1, s.card2, s.card3, s.card4};
    return cards[index - 1];
}

qint16 &Form1::usedFlag(qint16 index)
{
    const std::array<qint16 *, 4> flags{&s.used1, &s.used2, &s.used3, &s.used4};
    return *flags[index - 1];
}

// The lost count has no field: it lives as Label9's text, read back and
// written again one higher. Unlike the 16-bit counts it has no largest value.
void Form1::raiseLostCount()
{
    const double lost = NumberText::read(Label9->text()).value_or(0);
    Label9->setText(QString::number(lost + 1, 'f', QLocale::FloatingPointShortest));
}
