// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/CardBox.h"

#include "game/CardName.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {
// Presents a card box to assistive technology as a button that can be pressed.
class CardBoxAccessible : public QAccessibleWidget
{
public:
    explicit CardBoxAccessible(CardBox *box) : QAccessibleWidget(box, QAccessible::Button) {}

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            box()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    CardBox *box() const { return static_cast<CardBox *>(widget()); }
};

QAccessibleInterface *cardBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("CardBox") && object->isWidgetType())
        return new CardBoxAccessible(static_cast<CardBox *>(object));
    return nullptr;
}
} // namespace

CardBox::CardBox(QWidget *parent) : QFrame(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(cardBoxAccessible), true);
    Q_UNUSED(factoryInstalled);

    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    m_name = CardName::none();
    setAccessibleName(m_name);
}

void CardBox::setFace(const QImage *picture, const QString &name)
{
    m_name = name;
    setTaken(false);
    if (picture == m_picture)
        return;
    m_picture = picture;
    update();
}

void CardBox::setTaken(bool taken)
{
    // Setting the name also tells assistive technology of the change.
    setAccessibleName(taken ? CardName::taken(m_name) : m_name);
}

void CardBox::click()
{
    emit clicked();
}

void CardBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (m_picture) {
        // A face is a few pixels larger than the box; its right and bottom
        // edges are cut off rather than scaled.
        painter.setClipRect(contentsRect());
        painter.drawImage(contentsRect().topLeft(), *m_picture);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(2, 2, -2, -2);
        focus.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CardBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QFrame::mousePressEvent(event);
}

// Like a button: a click is a left press and release over the box.
void CardBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool isClick = m_pressed && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    QFrame::mouseReleaseEvent(event);
    if (isClick)
        click();
}

void CardBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void CardBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}
