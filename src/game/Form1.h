// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/RoundState.h"

#include <QMainWindow>
#include <QPointer>

#include <QKeySequence>

#include <array>
#include <functional>
#include <vector>

class Announcer;
class CardBox;
class Platform;
class QAction;
class QKeyEvent;
class QLabel;
class QPushButton;
class frmAbout;

// The game table. It owns the round state and every handler that works on it:
// dealing, the operator buttons, the card clicks, the Answer search and the
// menu commands.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    const RoundState &state() const { return s; }
    // The address of the home page opened at start-up.
    static QString homePageAddress();

    // Handlers, one per control event.
    void Command1_Click();             // New Game
    void Command2_Click();             // Answer
    void Command3_Click();             // Plus (+)
    void Command4_Click();             // Minus (-)
    void Command5_Click();             // Multiply (*)
    void Command6_Click();             // Divide (/)
    void Picture3_Click(qint16 Index); // a card box, 1..4
    void quit_Click();
    void help_Click();
    void about_Click();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWindow();
    void applyColours();
    void connectHandlers();
    void bindKeys();
    void Form_Load();
    bool pressMenuBarKey(const QKeyEvent &event);
    bool pressButtonKey(QPushButton &button, const QKeyEvent &event);
    bool pressGameKey(const QKeyEvent &event);
    void openMenuBar();
    void closeMenuBar();
    void perform(const std::function<void()> &handler);
    void speakChanges();
    QString summary() const;

    void pressOperator(const QString &word);
    qint16 &usedFlag(qint16 index);
    qint16 cardValue(qint16 index) const;
    void applyPendingOperator(qint16 card);
    void judge();
    void raiseLostCount();

    Platform &m_platform;
    RoundState s;
    frmAbout *m_about = nullptr; // made by the first About, deleted with the table
    Announcer *m_announcer = nullptr;
    QPointer<QWidget> m_focusBeforeMenu; // while F10 has the menu bar
    // What the player last heard of the table, to say only what changed.
    struct Heard
    {
        bool dealLock = false;
        int taken = 0;
        QString line;
        QStringList counts;
    } m_heard;
    // The game's keys, each with what it presses.
    std::vector<std::pair<QList<QKeySequence>, std::function<void()>>> m_keys;

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    std::array<CardBox *, 4> Picture3{};
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QAction *quit = nullptr;
    QAction *help = nullptr;
    QAction *about = nullptr;
};
