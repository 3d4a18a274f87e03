// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

// Holds one sheet of equal cells and hands out the picture of a cell by its
// number, counted from 0 across each row and then down the rows.
class PictureClip
{
public:
    PictureClip(const QPixmap &sheet, int rows, int cols);

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    int cellWidth() const { return m_sheet.width() / m_cols; }
    int cellHeight() const { return m_sheet.height() / m_rows; }
    QRect cellRect(int cell) const;
    // A separate picture of the cell, or a null pixmap for a number off the sheet.
    QPixmap graphicCell(int cell) const;

private:
    QPixmap m_sheet;
    int m_rows;
    int m_cols;
};
