// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameTable.h"

#include "about/frmAbout.h"
#include "game/CardBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

GameTable::GameTable() : form(platform) {}

QPushButton *GameTable::button(const char *name) const
{
    auto *found = form.findChild<QPushButton *>(QLatin1String(name));
    Q_ASSERT_X(found, name, "no such button");
    return found;
}

QLabel *GameTable::label(const char *name) const
{
    auto *found = form.findChild<QLabel *>(QLatin1String(name));
    Q_ASSERT_X(found, name, "no such label");
    return found;
}

CardBox *GameTable::card(int index) const
{
    auto *found = form.findChild<CardBox *>(QStringLiteral("Picture3_%1").arg(index));
    Q_ASSERT(found);
    return found;
}

QString GameTable::text(const char *labelName) const
{
    return label(labelName)->text();
}

void GameTable::press(const char *buttonName)
{
    QTest::mouseClick(button(buttonName), Qt::LeftButton);
}

void GameTable::clickCard(int index)
{
    QTest::mouseClick(card(index), Qt::LeftButton);
}

void GameTable::deal(int card1, int card2, int card3, int card4)
{
    platform.queueDeal(card1, card2, card3, card4);
    press("Command1");
}

void GameTable::play(const QString &script)
{
    static const QHash<QString, const char *> buttons{
        {QStringLiteral("+"), "Command3"},   {QStringLiteral("-"), "Command4"},
        {QStringLiteral("*"), "Command5"},   {QStringLiteral("/"), "Command6"},
        {QStringLiteral("new"), "Command1"}, {QStringLiteral("answer"), "Command2"},
    };
    for (const QString &move : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (const char *name = buttons.value(move))
            press(name);
        else
            clickCard(move.toInt());
    }
}

void GameTable::type(const QString &keys)
{
    for (QString key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool held = key.endsWith(QLatin1Char('~'));
        if (held)
            key.chop(1);
        const QKeyCombination combination = QKeySequence::fromString(key)[0];
        const auto code = static_cast<Qt::Key>(combination.key());
        const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        QTest::keyPress(target, code, modifiers);
        if (held)
            QTest::simulateEvent(target, true, code, modifiers, QString(), true);
        QTest::keyRelease(target, code, modifiers);
    }
}

void GameTable::choose(const char *command)
{
    auto *action = form.findChild<QAction *>(QLatin1String(command));
    Q_ASSERT_X(action, command, "no such menu command");
    action->trigger();
}

frmAbout &GameTable::openAbout()
{
    choose("about");
    const QList<frmAbout *> boxes = aboutBoxes();
    if (boxes.size() != 1)
        qFatal("About left %d About boxes, not one", int(boxes.size()));
    return *boxes.front();
}

QList<frmAbout *> GameTable::aboutBoxes()
{
    QList<frmAbout *> boxes;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<frmAbout *>(window))
            boxes.append(box);
    return boxes;
}
