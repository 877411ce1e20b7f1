// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language.h"

#include <QLocale>
#include <QSettings>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

const QString languageKey = QStringLiteral("view/language");
const QString catalogues = QStringLiteral(":/i18n");

} // namespace

void Language::install()
{
    // One of each, for the life of the program; loading again replaces what they held.
    static QTranslator ours;
    static QTranslator qts;
    const QString picked = chosen();
    const QLocale locale = picked.isEmpty() ? QLocale::system() : QLocale(picked);
    // The C locale, and English, find no catalogue: the texts stay as written.
    for (auto [translator, catalogue] : { std::pair { &ours, QStringLiteral("tintmark") },
             std::pair { &qts, QStringLiteral("qtbase") } }) {
        QCoreApplication::removeTranslator(translator);
        if (translator->load(locale, catalogue, QStringLiteral("_"), catalogues))
            QCoreApplication::installTranslator(translator);
    }
}

QStringList Language::available()
{
    return { u"de"_s, u"es"_s, u"fr"_s, u"pl"_s, u"pt_BR"_s, u"ru"_s };
}

QString Language::chosen() { return QSettings().value(languageKey).toString(); }

void Language::choose(const QString &language)
{
    if (language.isEmpty())
        QSettings().remove(languageKey);
    else
        QSettings().setValue(languageKey, language);
}

QString Language::nameOf(const QString &language)
{
    const QLocale locale(language);
    QString name = locale.nativeLanguageName();
    if (language.contains(u'_'))
        name += u" ("_s + locale.nativeTerritoryName() + u')';
    return name.isEmpty() ? name : name.front().toUpper() + name.sliced(1);
}
