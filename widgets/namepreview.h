// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NAMEPREVIEW_H
#define NAMEPREVIEW_H

#include "cfgfile/codepage.h"
#include "console/colorruns.h"
#include "console/setnameline.h"
#include "console/shownname.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

class GameEdition;
class GameLetters;

// A typed name as the console judges it, once per change: the line a save writes, the name the
// game shows from it, and the color codes typed.
struct JudgedName {
    SetNameLine line;
    ShownName name;
    QString codes;
    // The edition's letters: the first character of the name it cannot show and the name spelt
    // in letters it can, or else the name as editions of other letters show the same bytes,
    // where they differ.
    CodePage codePage;
    std::optional<char32_t> unheld;
    QString respelled;
    QList<std::pair<CodePage, QString>> elsewhere;
};

// A rich-text preview of the name as the game shows it, the end it cuts off marked after it, with
// its length as the game counts it and the characters it refuses. Only a hint: the script holds
// the name exactly as typed.
class NamePreview {
    Q_DECLARE_TR_FUNCTIONS(NamePreview)

public:
    // Judged in the letters of the game's edition.
    static JudgedName judge(const QString &typed, GameEdition &edition);
    static JudgedName judge(const QString &typed, CodePage codePage);
    // "the Cyrillic letter “С”": a character named so that a player tells it from one that
    // looks the same.
    static QString nameOfCharacter(char32_t character);
    // palette: the colors the name is drawn in. heading: a line above the preview, if any.
    // letters: the game's letters, drawn in when they are read, with a line that says so.
    static QString html(const JudgedName &judged, const GamePalette &palette,
        const QString &heading = {}, GameLetters *letters = nullptr);
    // The html's text below the drawn name: length, cut, refusal and the codes' notes.
    static QString detailsHtml(const JudgedName &judged, const GamePalette &palette);
};

#endif // NAMEPREVIEW_H
