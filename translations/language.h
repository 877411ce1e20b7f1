// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef LANGUAGE_H
#define LANGUAGE_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The language Tintmark speaks: the system's, or the one the player picked, kept in the settings.
// Its catalogue and Qt's own for the same language are built into the program. English needs
// none, and LANG=C gives English, so that scripts that read --check's output can ask for it.
class Language {
    Q_DECLARE_TR_FUNCTIONS(Language)

public:
    // Loads the catalogues into the running application, in place of any before; a new
    // application needs them again.
    static void install();
    // The languages Tintmark has catalogues for, as "de" or "pt_BR".
    static QStringList available();
    // The player's pick, or empty for the system's language.
    static QString chosen();
    // Kept for the next start.
    static void choose(const QString &language);
    // The language's name in its own words: "Deutsch", "Português (Brasil)".
    static QString nameOf(const QString &language);
};

#endif // LANGUAGE_H
