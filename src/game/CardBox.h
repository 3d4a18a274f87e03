// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

class QImage;

// A sunken box that shows one card face at its upper-left corner, at its
// natural size, and reports clicks, from the mouse, from Space or Enter when
// it has the focus, and from assistive technology's press action. The second
// press of a double-click is no click: a double-click takes a card once. The
// face is borrowed, never copied: the box only points at a picture that its
// owner keeps. Its accessible name says which card it shows.
class CardBox : public QFrame
{
    Q_OBJECT

public:
    explicit CardBox(QWidget *parent = nullptr);

    // A new face is a card not yet taken.
    void setFace(const QImage *picture, const QString &name);
    // A taken card says so in its name: "Seven of hearts, taken".
    void setTaken(bool taken);
    QString cardName() const { return m_name; }
    const QImage *picture() const { return m_picture; }

public slots:
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const QImage *m_picture = nullptr;
    QString m_name;
    bool m_pressed = false;
};
