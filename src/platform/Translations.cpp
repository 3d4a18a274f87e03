// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
bool isEnglish(const QString &language)
{
    return language.startsWith(QLatin1String("en")) || language == QLatin1String("C") ||
           language == QLatin1String("POSIX");
}
} // namespace

QString Translations::install(const QLocale &locale)
{
    // Installed for the whole run; the application lets go of them before
    // they are destroyed at exit.
    static QTranslator game;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&game);
    QCoreApplication::removeTranslator(&qt);

    // The common case costs no look-up at all.
    const QStringList languages = locale.uiLanguages();
    if (languages.isEmpty() || isEnglish(languages.first()))
        return {};
    if (!game.load(locale, QStringLiteral("merovant"), QStringLiteral("_"),
                   QStringLiteral(":/i18n")))
        return {};
    QCoreApplication::installTranslator(&game);
    // Qt's in the language found, not in the first one asked for; on
    // Windows the program brings them along.
    const QString language = game.language();
#ifdef Q_OS_WIN
    const QString qtTranslations = QStringLiteral(":/i18n");
#else
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    if (qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), qtTranslations))
        QCoreApplication::installTranslator(&qt);
    return language;
}
