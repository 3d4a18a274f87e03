#include "game/CardBox.h"

#include <QMouseEvent>
#include <QPainter>

CardBox::CardBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void CardBox::setPicture(const QPixmap *picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    update();
}

void CardBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!m_picture)
        return;
    // A face is a few pixels larger than the box; its right and bottom edges
    // are cut off rather than scaled.
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), *m_picture);
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
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    QFrame::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
