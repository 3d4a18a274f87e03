// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// An icon whose file is read and decoded only when a picture of it is first
// asked for, not when it is set: a window's icon costs nothing until the
// desktop wants to show it.
QIcon deferredIcon(const QString &fileName);
