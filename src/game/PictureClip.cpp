// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PictureClip.h"

PictureClip::PictureClip(const QImage &sheet, int rows, int cols)
    : m_sheet(sheet), m_rows(rows), m_cols(cols)
{}

QRect PictureClip::cellRect(int cell) const
{
    return {cellWidth() * (cell % m_cols), cellHeight() * (cell / m_cols), cellWidth(),
            cellHeight()};
}

QImage PictureClip::graphicCell(int cell) const
{
    if (cell < 0 || cell >= m_rows * m_cols || m_sheet.isNull())
        return {};
    const QRect rect = cellRect(cell);
    if (m_sheet.depth() < 8) // a cell need not start on a whole byte
        return m_sheet.copy(rect);
    // A window onto the sheet: its first pixel and the sheet's row length.
    // Built over const bits, it never writes through to the sheet. It holds
    // a copy of the sheet, which shares the pixels and keeps them alive until
    // the last picture cut from it is gone, whatever becomes of this clip.
    const int bytesPerPixel = m_sheet.depth() / 8;
    const uchar *first =
        m_sheet.constBits() + rect.y() * m_sheet.bytesPerLine() + rect.x() * bytesPerPixel;
    QImage picture(
        first, rect.width(), rect.height(), m_sheet.bytesPerLine(), m_sheet.format(),
        [](void *sheet) { delete static_cast<QImage *>(sheet); }, new QImage(m_sheet));
    picture.setColorTable(m_sheet.colorTable());
    return picture;
}
