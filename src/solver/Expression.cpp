// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/Expression.h"

std::string_view con(qint16 nu)
{
    if (nu == 0)
        return "+";
    if (nu == 1)
        return "-";
    if (nu == 2)
        return "*";
    if (nu == 3)
        return "/";
    return "";
}
