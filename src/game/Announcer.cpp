// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {
// The status bar as assistive technology sees it. On Windows, UI Automation
// leaves what is not shown out of the tree that a screen reader walks, and
// NVDA looks for a window's status bar at its bottom-left corner: there the
// bar counts as shown, and stands on the strip below the lowest control of
// its parent, where nothing else is, without a pixel of it being drawn.
class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(QWidget *bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}

#ifdef Q_OS_WIN
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = false;
        return state;
    }

    QRect rect() const override
    {
        const QWidget *table = widget()->parentWidget();
        if (!table || !table->isVisible())
            return {};
        int top = 0;
        for (const QWidget *control : table->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!control->isHidden())
                top = std::max(top, control->geometry().bottom() + 1);
        return {table->mapToGlobal(QPoint(0, top)), QSize(table->width(), table->height() - top)};
    }
#endif
};

QAccessibleInterface *announcerAccessible(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("Announcer"))
        return new AnnouncerAccessible(widget);
    if (className == QLatin1String("AnnouncerNotice"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

QString word(const char *text)
{
    return QCoreApplication::translate("Announcer", text);
}
} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent), m_notice(new AnnouncerNotice(this))
{
    static const bool factoryInstalled = (QAccessible::installFactory(announcerAccessible), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("announcer"));
    m_notice->setObjectName(QStringLiteral("notice"));
    setFocusPolicy(Qt::NoFocus);
    m_notice->setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::say(const QString &text, Politeness politeness)
{
    if (text.isEmpty())
        return;
    m_notice->setAccessibleName(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's own announcement: AT-SPI's and UI Automation's, spoken as it is,
    // without a role. The status bar sends it, being in the tree that screen
    // readers walk.
    QAccessibleAnnouncementEvent announcement(this, text);
    announcement.setPoliteness(politeness == Politeness::Assertive
                                   ? QAccessible::AnnouncementPoliteness::Assertive
                                   : QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
#else
    // Qt 6.4 (Debian 12) has no announcement: the notification that appears
    // stays hidden, and the event alone makes it heard. Windows builds use
    // Qt 6.8.
    Q_UNUSED(politeness);
    QAccessibleEvent appeared(m_notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appeared);
#endif
}

void Announcer::setSummary(const QString &text)
{
    setAccessibleName(text);
}

QString Announcer::lastSaid() const
{
    return m_notice->accessibleName();
}

QString Announcer::spoken(const QString &line)
{
    // "(( a op b) op c) op d=24", the only text with "=" on the result line.
    // Any other is read as it is, without building the expression.
    if (!line.contains(QLatin1Char('=')))
        return line.trimmed();
    static const QRegularExpression answer(
        QStringLiteral(R"(^\(\( (\d+)([-+*/]) (\d+)\)([-+*/]) (\d+)\)([-+*/]) (\d+)=(\d+)$)"));
    const QRegularExpressionMatch match = answer.match(line);
    if (!match.hasMatch())
        return line.trimmed();
    auto op = [&match](int group) {
        const QChar symbol = match.captured(group).at(0);
        if (symbol == QLatin1Char('+'))
            return word(QT_TRANSLATE_NOOP("Announcer", "plus"));
        if (symbol == QLatin1Char('-'))
            return word(QT_TRANSLATE_NOOP("Announcer", "minus"));
        if (symbol == QLatin1Char('*'))
            return word(QT_TRANSLATE_NOOP("Announcer", "times"));
        return word(QT_TRANSLATE_NOOP("Announcer", "divided by"));
    };
    //: The Answer line read aloud, ((a op b) op c) op d = result, each step after a pause:
    //: "6 divided by 1, divided by 1, times 4, equals 24". %1, %3, %5, %7 and %8 are numbers,
    //: %2, %4 and %6 the words for the operators.
    return QCoreApplication::translate("Announcer", "%1 %2 %3, %4 %5, %6 %7, equals %8")
        .arg(match.captured(1), op(2), match.captured(3), op(4), match.captured(5), op(6),
             match.captured(7), match.captured(8));
}

QString Announcer::sentences(const QStringList &parts)
{
    QString said;
    for (const QString &part : parts) {
        if (!said.isEmpty()) {
            // A text that ends a sentence of its own gets no second full stop.
            if (!said.endsWith(QLatin1Char('.')) && !said.endsWith(QLatin1Char('!')) &&
                !said.endsWith(QLatin1Char('?')))
                said += QLatin1Char('.');
            said += QLatin1Char(' ');
        }
        said += part;
    }
    return said;
}
