// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CONSOLERUN_H
#define CONSOLERUN_H

#include "consolerules.h"
#include "scriptfinding.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// A key the player presses while a script runs, at a tick of the console's clock.
struct KeyPress {
    qint64 tick = 0;
    QString key;
};

// The name changing: at which tick, to what, as the game shows it, and the line that did it.
struct NameChange {
    qint64 tick = 0;
    QString name; // as the script sets it
    QString shown; // as the game shows it
    int line = 0;
};
// A script sets the name thousands of times: the list grows in place.
Q_DECLARE_TYPEINFO(NameChange, Q_RELOCATABLE_TYPE);

// A key the script binds, and the command the key then runs.
struct KeyBinding {
    QString key;
    QString command;
    int line = 0;
};

// A command the model records but does not follow: exec of a script it cannot read, echo and
// commands it does not know.
struct RecordedCommand {
    qint64 tick = 0;
    QString text;
    int line = 0;
    QString verb; // its first word
};

// The script setting com_maxfps: frames last 1000 / maxFps milliseconds from that tick on.
struct FrameRateChange {
    qint64 tick = 0;
    int maxFps = 0;
};

// A variable set for the first time, at a line, to a value.
struct VariableSet {
    qint64 tick = 0;
    int line = 0;
    QString name;
    QString value;
};

// A loop paced by waits, which runs for hours: each round leaves a line break behind in the
// command buffer, and the round whose vstr no longer fits there ends it.
struct PacedLoop {
    qint64 firstTick = 0;
    qint64 periodTicks = 0; // at least one: a loop without a wait fills the buffer instead
    QList<int> lines; // the lines that run in it, in order, each once
    qint64 rounds = 0; // that it runs whole from firstTick on
    // Where the vstr fails that no longer fits the buffer: the name set before it stays.
    qint64 stopTick = 0;
};

// What running a script does, as far as names and timing go.
struct ConsoleRun {
    enum class End {
        Finished, // nothing is left to run
        Stalled, // a negative wait stops the rest for good
        Looping, // the same state came again: it runs as loop says, for hours
        CommandBound, // the model stopped after its most commands
        TickBound, // the model stopped at its latest tick
    };

    GameVersion game = defaultGameVersion; // whose console ran it
    ConsoleRules::ServerKind server = ConsoleRules::ServerKind::Stock; // connected to
    QList<NameChange> nameChanges;
    QList<KeyBinding> bindings; // each bind as it runs, in order
    QList<RecordedCommand> recorded;
    End end = End::Finished;
    qint64 endTick = 0;
    std::optional<PacedLoop> loop; // the run ended in a loop, modelled here to its end
    // What the run found that misbehaves, each once, in the order found: negative waits, vstr of
    // variables not set, values holding a second command, commands longer than the game takes,
    // a script larger than the command buffer, vstr of values longer than the game inserts, and
    // vstr that the full command buffer turned away.
    QList<ScriptFinding> findings;
    int lastLine = 0; // of the last command run
    QList<VariableSet> variablesSet; // the first set of each variable but the name
    QList<FrameRateChange> frameRates; // in the order the script sets them
    QStringList variablesRead; // by vstr, in lower case
    QStringList scriptsRead; // the files exec read, each once
    int commandsRun = 0;

    // The key bindings in force at the end, one for each key, in the order first bound.
    QList<KeyBinding> finalBindings() const;
    // Milliseconds from the start to a tick, at maxFps until the script sets com_maxfps.
    double millisecondsAt(qint64 tick, int maxFps) const;
    // The tick the console has reached after this many milliseconds.
    qint64 tickAt(double milliseconds, int maxFps) const;
};

struct ScriptCommand;
struct ScriptCommands;

// Of a command that sets a variable, its value starting at word valueFrom: the second command
// in it, when the value holds one after its first word, as a RunTogether finding. inScript: the
// command stands in the script's text, so the second command's column is known.
std::optional<ScriptFinding> runTogetherIn(
    const ScriptCommand &command, qsizetype valueFrom, bool inScript);

// The text of a script that exec runs, by its file name as the game looks it up, when it can be
// read; the run records an exec it cannot read instead.
using ScriptReader = std::function<std::optional<QString>(const QString &file)>;
// The file exec runs for a name: Cmd_Exec_f adds ".cfg" to a name without an extension
// (Com_DefaultExtension, which looks back to the last '/').
QString execFileName(QStringView name);

// Runs a script as the games' console runs it: script is the text of the file, presses the keys
// the player presses, in the order of their ticks. The run is bounded in commands and ticks and
// ends when the console's state comes again.
ConsoleRun runScript(QStringView script, const QList<KeyPress> &presses = {},
    GameVersion game = defaultGameVersion,
    ConsoleRules::ServerKind server = ConsoleRules::ServerKind::Stock,
    const ScriptReader &reader = {});
// A script run once, then, as often as asked, keys pressed from the state the run left: the
// checker presses each key the script binds, and a run of the whole script for each would cost
// the script times its keys. The script and its split (splitCommands() with the game's rules)
// must outlive the session.
class ScriptSession {
public:
    ScriptSession(QStringView script, const ScriptCommands &split, GameVersion game,
        ConsoleRules::ServerKind server = ConsoleRules::ServerKind::Stock,
        const ScriptReader &reader = {});
    ~ScriptSession();
    ScriptSession(const ScriptSession &) = delete;
    ScriptSession &operator=(const ScriptSession &) = delete;

    // The script's own run, with no key pressed.
    const ConsoleRun &run() const;
    // The run as it goes on with these presses, whose ticks come after its end.
    ConsoleRun pressing(const QList<KeyPress> &presses) const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Seconds of a number of ticks at a com_maxfps.
double secondsOfTicks(qint64 ticks, int maxFps);
// The frames a second a com_maxfps gives: 90.9 for 85.
double framesPerSecondOf(int maxFps);

#endif // CONSOLERUN_H
