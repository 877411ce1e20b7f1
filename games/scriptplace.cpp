// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptplace.h"

#include "cfgfile/cfgreader.h"
#include "gameconfigs.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// exec takes one word: a name with a space in it needs quotes.
QString execCommand(const QString &relativePath)
{
    const QString name = relativePath.contains(u' ') ? u'"' + relativePath + u'"' : relativePath;
    return u"/exec "_s + name;
}

} // namespace

ScriptPlace::ScriptPlace(
    const QString &path, const QList<GameInstall> &installed, std::optional<GameLanguage> chosen)
    : m_file(path)
    , m_savePath(path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    for (const GameInstall &game : installed) {
        for (const QString &folder : { game.scriptFolder, game.mainFolder }) {
            const QString relative = QDir(folder).relativeFilePath(file);
            if (!m_game && !relative.startsWith(u"../"_s) && !QDir::isAbsolutePath(relative)) {
                m_game = game;
                m_relativePath = relative;
            }
        }
    }
    if (m_game && m_game->scriptFolder != m_game->mainFolder)
        m_savePath = QDir(m_game->scriptFolder).filePath(m_relativePath);

    const QString folder = QFileInfo(file).absolutePath();
    std::optional<GameLanguage> edition = chosen;
    if (!edition && m_game)
        edition = GameConfigs::editionOf(m_game->mainFolder, m_game->scriptFolder);
    // A game's folder Tintmark did not find, such as a copy of one, tells its edition too.
    if (!edition)
        edition = GameConfigs::editionOf(folder);
    if (!edition)
        edition = GameConfigs::firstEditionOf(installed);
    m_edition = edition.value_or(GameLanguage());
    m_maxFpsBeside = GameConfigs::maxFpsIn(folder);
}

QString ScriptPlace::consoleCommand() const
{
    // The game's exec goes from its main folder.
    return execCommand(
        m_game ? QDir::fromNativeSeparators(m_relativePath) : QFileInfo(m_file).fileName());
}

std::optional<ScriptFile> ScriptPlace::read(QString *errorString) const
{
    const std::optional<QString> text = CfgReader::read(m_file, codePage(), errorString);
    if (!text)
        return std::nullopt;
    return ScriptFile { *text, CfgReader::isSavedAsUtf8(*text, codePage()) };
}

ScriptReader ScriptPlace::readerBeside() const
{
    return [folder = QFileInfo(m_file).dir(), codePage = codePage()](const QString &name) {
        QString unread;
        return CfgReader::read(folder.filePath(name), codePage, &unread);
    };
}
