// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// Holds one sheet of equal cells and hands out the picture of a cell by its
// number, counted from 0 across each row and then down the rows.
class PictureClip
{
public:
    PictureClip(const QImage &sheet, int rows, int cols);

    int cellWidth() const { return m_sheet.width() / m_cols; }
    int cellHeight() const { return m_sheet.height() / m_rows; }
    QRect cellRect(int cell) const;
    // The picture of the cell, sharing the sheet's pixels rather than copying
    // them, and keeping them alive for as long as it lives. A null image for
    // a number off the sheet.
    QImage graphicCell(int cell) const;

private:
    QImage m_sheet;
    int m_rows;
    int m_cols;
};
