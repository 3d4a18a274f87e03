// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PictureClip.h"

PictureClip::PictureClip(const QPixmap &sheet, int rows, int cols)
    : m_sheet(sheet), m_rows(rows), m_cols(cols)
{}

QRect PictureClip::cellRect(int cell) const
{
    return {cellWidth() * (cell % m_cols), cellHeight() * (cell / m_cols), cellWidth(),
            cellHeight()};
}

QPixmap PictureClip::graphicCell(int cell) const
{
    if (cell < 0 || cell >= m_rows * m_cols)
        return {};
    return m_sheet.copy(cellRect(cell));
}
