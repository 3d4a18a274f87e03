// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

// The program's texts in the user's language. The program is written in
// English, so English, the C locale and languages without a translation load
// nothing at all.
namespace Translations {
// Installs the program's translation for the first of the locale's languages
// that has one, with Qt's own translation of its standard texts in the same
// language where the system has it. Replaces whatever an earlier call
// installed. Returns the language loaded ("de", "zh_CN"), or an empty text
// when the program stays in English.
QString install(const QLocale &locale = QLocale::system());
} // namespace Translations
