#pragma once

#include <QFrame>

class QPixmap;

// A sunken box that shows one card face at its upper-left corner, at its
// natural size, and reports clicks. The face is borrowed, never copied: the
// box only points at a picture that its owner keeps.
class CardBox : public QFrame
{
    Q_OBJECT

public:
    explicit CardBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap *picture);
    const QPixmap *picture() const { return m_picture; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const QPixmap *m_picture = nullptr;
    bool m_pressed = false;
};
