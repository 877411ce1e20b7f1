// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMELANGUAGE_H
#define GAMELANGUAGE_H

#include "cfgfile/codepage.h"
#include "console/gameversion.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// The language of a game's edition, which decides the code page its console reads scripts in and
// its fonts draw names in: a Russian edition draws the bytes of a name as Windows-1251 letters,
// a Polish one as Windows-1250 letters, the others as Windows-1252 letters.
class GameLanguage {
    Q_DECLARE_TR_FUNCTIONS(GameLanguage)

public:
    // The editions of 8-bit letters, numbered as loc_language numbers them (SEH_UpdateLanguageInfo,
    // cod2-mp-macho; the same table serves COD). The Asian editions draw double bytes and the
    // test language "leet" is none a player has: the program does not write for them.
    enum class Id { English, French, German, Italian, Spanish, British, Russian, Polish };
    static constexpr Id all[] = { Id::English, Id::French, Id::German, Id::Italian, Id::Spanish,
        Id::British, Id::Russian, Id::Polish };

    constexpr GameLanguage(Id id = Id::English)
        : m_id(id)
    {
    }
    constexpr Id id() const { return m_id; }
    friend constexpr bool operator==(GameLanguage, GameLanguage) = default;

    // As the games spell it in their archives and as --language takes it: "russian".
    QString key() const;
    // As players know it, in the program's language: "Russian".
    QString name() const;
    CodePage codePage() const;

    static std::optional<GameLanguage> ofKey(QStringView key);

private:
    Id m_id;
};

#endif // GAMELANGUAGE_H
