// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "console/consolerules.h"
#include "checker/filecheck.h"
#include "games/gamelanguage.h"
#include "games/installedgames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// Exit statuses of --check.
constexpr int noWarnings = FileCheck::NoWarnings;
constexpr int unreadable = FileCheck::Unreadable;

// The games --game names, as players write them.
const std::pair<QStringView, GameVersion> gameOptions[] = {
    { u"cod2", GameVersion::Cod2 },
    { u"cod1.3", GameVersion::Cod13 },
    { u"cod1.1", GameVersion::Cod11 },
    { u"uo", GameVersion::CodUo },
};

// The servers --server names.
const std::pair<QStringView, ConsoleRules::ServerKind> serverOptions[] = {
    { u"stock", ConsoleRules::ServerKind::Stock },
    { u"competitive", ConsoleRules::ServerKind::Competitive },
};

// The value an option's word names, in any case.
template <typename Value, std::size_t count>
std::optional<Value> named(
    const std::pair<QStringView, Value> (&options)[count], const QString &word)
{
    for (const auto &[name, value] : options) {
        if (name.compare(word, Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

// Checks the files and prints the report. maxFps: the player's com_maxfps as --maxfps gives
// it; without, the one the game's config beside the script sets, else the installed games'
// configs, as the player window starts. language: the game's edition as --language gives it;
// without, the one the script's place decides.
int checkFiles(const QStringList &files, GameVersion game, ConsoleRules::GameServer server,
    std::optional<int> maxFps, std::optional<GameLanguage> language, QTextStream &out,
    QTextStream &err)
{
    InstalledGames installed;
    std::optional<int> installedMaxFps;
    const auto playersMaxFps = [&](const ScriptPlace &place) {
        if (maxFps)
            return *maxFps;
        if (const std::optional<int> beside = place.maxFpsBeside())
            return *beside;
        if (!installedMaxFps)
            installedMaxFps = installed.maxFpsInConfigs();
        return *installedMaxFps;
    };
    const auto read = [&](const QString &file, QString *errorString) {
        const ScriptPlace place = installed.placeOf(file, language);
        std::optional<ScriptFile> script = place.read(errorString);
        return script ? std::optional(CheckedFile { std::move(script->text), script->savedAsUtf8,
                   place.codePage(), playersMaxFps(place), place.readerBeside() })
                      : std::nullopt;
    };
    const FileCheck::Result checked = FileCheck::check(files, read, game, server);
    for (const FileCheck::Unread &unread : checked.unread)
        err << CommandLine::tr("Cannot read %1: %2").arg(unread.file, unread.reason) << Qt::endl;
    out << checked.report;
    out.flush();
    return checked.status;
}

} // namespace

QString CommandLine::versionLine() { return u"tintmark "_s + QLatin1String(TINTMARK_VERSION); }

std::optional<int> CommandLine::run(
    const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    // Qt's own options (-platform and the like) are for the windows: only these are ours.
    const bool asked = std::ranges::any_of(arguments.mid(1), [](const QString &argument) {
        return argument == u"--check" || argument == u"--help" || argument == u"-h"
            || argument == u"--version" || argument == u"-v";
    });
    if (!asked)
        return std::nullopt;

    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Tintmark makes colored player names for COD and COD 2. "
                                        "Without options it opens its window, and a script "
                                        "given as FILE in the script editor."));
    const QCommandLineOption help({ u"h"_s, u"help"_s }, tr("Shows these options."));
    const QCommandLineOption version(
        { u"v"_s, u"version"_s }, tr("Shows the program's name and version."));
    const QCommandLineOption check(u"check"_s,
        tr("Checks the scripts without opening a window: the names each sets with their times, "
           "then its warnings with line numbers. Exit status 0 when no script has a warning, 1 "
           "when one has, 2 when a file cannot be read."));
    const QCommandLineOption gameOption(u"game"_s,
        tr("With --check: the game whose console runs the scripts: cod2 (the default), cod1.3, "
           "cod1.1 or uo (United Offensive)."),
        tr("GAME"), u"cod2"_s);
    const QCommandLineOption serverOption(u"server"_s,
        tr("With --check: the server the player is on: stock (the default), or competitive for "
           "a CoD2x server with competitive settings, where wait does nothing and com_maxfps is "
           "125 to 250."),
        tr("SERVER"), u"stock"_s);
    const QCommandLineOption snapshotsOption(u"sv-fps"_s,
        tr("With --check: the server's sv_fps, the snapshots a second that show others the "
           "names: 20 (the default), from %1 to %2.")
            .arg(ConsoleRules::fewestSnapshotsPerSecond)
            .arg(ConsoleRules::mostSnapshotsPerSecond),
        tr("N"), QString::number(ConsoleRules::defaultSnapshotsPerSecond));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(check);
    parser.addOption(gameOption);
    parser.addOption(serverOption);
    const QCommandLineOption maxFpsOption(u"maxfps"_s,
        tr("With --check: the player's com_maxfps, from 0 to %1; without it, the one the game's "
           "config in the script's folder sets, else the installed games' configs, else %2.")
            .arg(ConsoleRules::largestMaxFps)
            .arg(ConsoleRules::defaultMaxFps),
        tr("N"));
    QStringList languages;
    for (const GameLanguage::Id id : GameLanguage::all)
        languages << GameLanguage(id).key();
    const QCommandLineOption languageOption(u"language"_s,
        tr("With --check: the language of the game's edition, which decides the letters it "
           "reads scripts in: %1; without it, the edition of the game whose folder holds the "
           "script, else the one chosen in the windows.")
            .arg(languages.join(u", "_s)),
        tr("NAME"));
    parser.addOption(snapshotsOption);
    parser.addOption(maxFpsOption);
    parser.addOption(languageOption);
    parser.addPositionalArgument(u"files"_s,
        tr("The script to open, or with --check the scripts to check."), tr("[FILE...]"));
    if (!parser.parse(arguments)) {
        err << parser.errorText() << Qt::endl;
        return unreadable;
    }
    if (parser.isSet(help)) {
        // The usage line names the program as players call it, whatever its file is called.
        QString help = parser.helpText();
        help.replace(0, help.indexOf(u'\n'),
            tr("Usage: tintmark [FILE | --check [--game GAME] [--server SERVER] [--sv-fps N] "
               "[--maxfps N] [--language NAME] FILE... | --version | --help]"));
        out << help;
        out.flush();
        return noWarnings;
    }
    if (parser.isSet(version)) {
        out << versionLine() << Qt::endl;
        return noWarnings;
    }
    if (parser.positionalArguments().isEmpty()) {
        err << tr("--check needs at least one script.") << Qt::endl;
        return unreadable;
    }
    const std::optional<GameVersion> game = named(gameOptions, parser.value(gameOption));
    if (!game) {
        err << tr("--game takes cod2, cod1.3, cod1.1 or uo, not %1.").arg(parser.value(gameOption))
            << Qt::endl;
        return unreadable;
    }
    const std::optional<ConsoleRules::ServerKind> server
        = named(serverOptions, parser.value(serverOption));
    if (!server) {
        err << tr("--server takes stock or competitive, not %1.").arg(parser.value(serverOption))
            << Qt::endl;
        return unreadable;
    }
    bool isNumber = false;
    const int snapshotsPerSecond = parser.value(snapshotsOption).toInt(&isNumber);
    if (!isNumber || snapshotsPerSecond < ConsoleRules::fewestSnapshotsPerSecond
        || snapshotsPerSecond > ConsoleRules::mostSnapshotsPerSecond) {
        err << tr("--sv-fps takes a number from %1 to %2, not %3.")
                   .arg(ConsoleRules::fewestSnapshotsPerSecond)
                   .arg(ConsoleRules::mostSnapshotsPerSecond)
                   .arg(parser.value(snapshotsOption))
            << Qt::endl;
        return unreadable;
    }
    std::optional<int> maxFps;
    if (parser.isSet(maxFpsOption)) {
        maxFps = parser.value(maxFpsOption).toInt(&isNumber);
        if (!isNumber || *maxFps < 0 || *maxFps > ConsoleRules::largestMaxFps) {
            err << tr("--maxfps takes a number from 0 to %1, not %2.")
                       .arg(ConsoleRules::largestMaxFps)
                       .arg(parser.value(maxFpsOption))
                << Qt::endl;
            return unreadable;
        }
    }
    std::optional<GameLanguage> language;
    if (parser.isSet(languageOption)) {
        language = GameLanguage::ofKey(parser.value(languageOption));
        if (!language) {
            err << tr("--language takes %1, not %2.")
                       .arg(languages.join(u", "_s), parser.value(languageOption))
                << Qt::endl;
            return unreadable;
        }
    }
    return checkFiles(parser.positionalArguments(), *game, { *server, snapshotsPerSecond }, maxFps,
        language, out, err);
}
