// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "checkreport.h"
#include "consolerules.h"
#include "gamelanguage.h"
#include "installedgames.h"
#include "scriptchecker.h"
#include "scriptcommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

// Exit statuses of --check.
constexpr int noWarnings = 0;
constexpr int someWarnings = 1;
constexpr int unreadable = 2;

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

// maxFps: the player's com_maxfps as --maxfps gives it; without, the one the game's config
// beside the script sets, else the installed games' configs, as the player window starts.
// language: the game's edition as --language gives it; without, the one the script's place
// decides.
int checkFiles(QStringList files, GameVersion game, ConsoleRules::GameServer server,
    std::optional<int> maxFps, std::optional<GameLanguage> language, QTextStream &out,
    QTextStream &err)
{
    int status = noWarnings;
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
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QString reason;
        const ScriptPlace place = installed.placeOf(file, language);
        const std::optional<ScriptFile> script = place.read(&reason);
        if (!script) {
            err << CommandLine::tr("Cannot read %1: %2").arg(file, reason) << Qt::endl;
            status = unreadable;
            continue;
        }
        const int framesPerSecond = ConsoleRules::maxFpsOn(server.kind, playersMaxFps(place));
        // exec runs the scripts of the script's own folder where it stands.
        const ScriptCheck check = ScriptChecker::check(
            script->text, framesPerSecond, game, server, place.readerBeside());
        out << file << u'\n';
        // Characters in comments the game never shows: only what it runs reads wrongly.
        const ScriptCommands split = splitCommands(script->text, 1, ConsoleRules::rulesOf(game));
        const bool utf8 = script->savedAsUtf8
            && std::ranges::any_of(split.commands, [](const ScriptCommand &command) {
                   return std::ranges::any_of(
                       command.text, [](QChar c) { return c.unicode() >= 0x80; });
               });
        if (utf8) {
            out << CommandLine::tr("It was saved as UTF-8, but this edition of the game reads "
                                   "%1: it shows each character such as \u00e9 as two "
                                   "(\u00c3\u00a9). Open it in Tintmark, which reads it as "
                                   "UTF-8, and save it again.")
                       .arg(place.codePage().name())
                << u'\n';
        }
        out << CheckReport::of(check, framesPerSecond) << Qt::endl;
        if ((utf8 || !check.warnings.isEmpty()) && status == noWarnings)
            status = someWarnings;
        // The scripts it execs from its own folder are checked too, each once.
        for (const QString &name : check.execs) {
            const QString beside = QFileInfo(file).dir().filePath(name);
            if (QFileInfo::exists(beside) && !files.contains(beside))
                files << beside;
        }
    }
    return status;
}

} // namespace

QString CommandLine::versionLine() { return u"tintmark "_qs + QLatin1String(TINTMARK_VERSION); }

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
    const QCommandLineOption help({ u"h"_qs, u"help"_qs }, tr("Shows these options."));
    const QCommandLineOption version(
        { u"v"_qs, u"version"_qs }, tr("Shows the program's name and version."));
    const QCommandLineOption check(u"check"_qs,
        tr("Checks the scripts without opening a window: the names each sets with their times, "
           "then its warnings with line numbers. Exit status 0 when no script has a warning, 1 "
           "when one has, 2 when a file cannot be read."));
    const QCommandLineOption gameOption(u"game"_qs,
        tr("With --check: the game whose console runs the scripts: cod2 (the default), cod1.3, "
           "cod1.1 or uo (United Offensive)."),
        tr("GAME"), u"cod2"_qs);
    const QCommandLineOption serverOption(u"server"_qs,
        tr("With --check: the server the player is on: stock (the default), or competitive for "
           "a CoD2x server with competitive settings, where wait does nothing and com_maxfps is "
           "125 to 250."),
        tr("SERVER"), u"stock"_qs);
    const QCommandLineOption snapshotsOption(u"sv-fps"_qs,
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
    const QCommandLineOption maxFpsOption(u"maxfps"_qs,
        tr("With --check: the player's com_maxfps, from 0 to %1; without it, the one the game's "
           "config in the script's folder sets, else the installed games' configs, else %2.")
            .arg(ConsoleRules::largestMaxFps)
            .arg(ConsoleRules::defaultMaxFps),
        tr("N"));
    QStringList languages;
    for (const GameLanguage::Id id : GameLanguage::all)
        languages << GameLanguage(id).key();
    const QCommandLineOption languageOption(u"language"_qs,
        tr("With --check: the language of the game's edition, which decides the letters it "
           "reads scripts in: %1; without it, the edition of the game whose folder holds the "
           "script, else the one chosen in the windows.")
            .arg(languages.join(u", "_qs)),
        tr("NAME"));
    parser.addOption(snapshotsOption);
    parser.addOption(maxFpsOption);
    parser.addOption(languageOption);
    parser.addPositionalArgument(u"files"_qs,
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
                       .arg(languages.join(u", "_qs), parser.value(languageOption))
                << Qt::endl;
            return unreadable;
        }
    }
    return checkFiles(parser.positionalArguments(), *game, { *server, snapshotsPerSecond }, maxFps,
        language, out, err);
}
