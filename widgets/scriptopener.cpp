// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptopener.h"

#include "cfgfile/cfgreader.h"
#include "gameedition.h"

#include <QDir>

#include <algorithm>

ScriptOpener::ScriptOpener(PlayerDialogs &dialogs, GameEdition &edition)
    : m_dialogs(dialogs)
    , m_edition(edition)
{
}

std::optional<OpenedScript> ScriptOpener::open(QWidget *window, bool hasChanges, QString path)
{
    if (hasChanges && !m_dialogs.confirmReplacingChanges(window))
        return std::nullopt;
    if (path.isEmpty())
        path = m_dialogs.chooseOpenPath(window);
    if (path.isEmpty())
        return std::nullopt;

    QString reason;
    const ScriptPlace place = m_edition.placeOf(path);
    const CodePage codePage = place.codePage();
    const std::optional<ScriptFile> file = place.read(&reason);
    if (!file) {
        m_dialogs.reportFailure(
            window, tr("Cannot open %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
        return std::nullopt;
    }
    const QString &text = file->text;
    // Far more than any game reads is likely a log picked by mistake: the player says first.
    constexpr qsizetype largeScript = 1024 * 1024;
    constexpr qsizetype longLine = 64 * 1024;
    const auto longestLine = [&text] {
        qsizetype longest = 0;
        for (qsizetype from = 0; from < text.size();) {
            qsizetype end = text.indexOf(u'\n', from);
            end = end < 0 ? text.size() : end;
            longest = std::max(longest, end - from);
            from = end + 1;
        }
        return longest;
    };
    if ((text.size() > largeScript || longestLine() > longLine)
        && !m_dialogs.confirmOpeningLargeScript(window, path))
        return std::nullopt;
    // A script saved as UTF-8 is offered as the player wrote it, to be saved as the game reads it.
    const bool endsWithLineBreak = text.endsWith(u'\n') || text.endsWith(u'\r');
    // Letters the edition cannot show are spelt in letters it can, as the player is told first.
    if (file->savedAsUtf8) {
        const QString written = CfgReader::editorText(CfgReader::fromUtf8(text, codePage));
        // Each character the edition lacks once, the first few named.
        constexpr qsizetype named = 5;
        QList<char32_t> unheld;
        for (const char32_t letter : written.toUcs4()) {
            if (!codePage.holds(letter) && !unheld.contains(letter))
                unheld << letter;
        }
        QStringList respellings;
        for (const char32_t letter : unheld.first(std::min(unheld.size(), named))) {
            const QString shown = QString::fromUcs4(&letter, 1);
            const QString respelled = codePage.respelled(shown);
            respellings << (respelled.isEmpty()
                    ? tr("\u201c%1\u201d left out").arg(shown)
                    : tr("\u201c%1\u201d as \u201c%2\u201d").arg(shown, respelled));
        }
        if (unheld.size() > named)
            respellings << tr("%n more", nullptr, int(unheld.size() - named));
        if (m_dialogs.confirmReadingAsUtf8(window, path, codePage, respellings))
            return OpenedScript { path, codePage.respelled(written), true, endsWithLineBreak };
    }
    return OpenedScript { path, CfgReader::editorText(text), false, endsWithLineBreak };
}

PlayerDialogs::ChangesAnswer ScriptOpener::askToSaveChanges(QWidget *window, const QString &script)
{
    return m_dialogs.askToSaveChanges(window, script);
}
