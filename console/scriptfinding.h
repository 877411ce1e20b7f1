// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTFINDING_H
#define SCRIPTFINDING_H

#include <QHashFunctions>
#include <QObject>
#include <QStringList>

#include <optional>

// Something in a script that would misbehave in the game, where it stands: found by the console
// as it runs the script, or by the checker. The checker puts each into words.
struct ScriptFinding {
    Q_GADGET

public:
    // In the order the warnings of one line are listed.
    enum class Kind {
        EndlessLoop, // details: the lines of the loop, its period, its rounds, how long it runs
        NegativeWait,
        RunTogether, // details: the value set, the second command; column: where it starts
        LongName, // details: the name, its bytes, the end cut off
        RemovedCharacters, // details: the characters, the name as shown
        LongScript,
        LongCommand,
        LeadingSlash, // details: the command
        SessionCommand, // details: the command
        UnknownCommand, // details: the command, the nearest known word or nothing
        NotCommands, // details: each command near no known word, with its lines
        UnknownVariable, // details: the variable, the nearest real one, toggle if it toggles it
        CheatProtected, // details: the variable
        UnreadServerSetting, // details: the variable, the one meant
        StartupSetting, // details: the variable
        SetsNothing, // details: the command
        WaitWithMoreWords, // details: the command
        Exec, // details: the script as exec names it, its file; merged: every script, with its
              // lines
        HighBytes,
        CommentThatRuns, // details: the command that runs
        BlockCommentThatRuns, // details: the command that runs
        BufferFilled, // details: the rounds of a loop that fills it, or nothing
        LongValue, // at the line that set the variable
        ModelBound, // details: the commands run, the time reached
        UnsetVariable, // details: the variable
        UnsetUntilPressed, // details: the variable, the key whose press sets it
        WaitIgnored, // at the first wait that a competitive server turns into nothing
        WaitLoopFreezes, // details: the lines of the loop
        // What the server makes of the names; a note rather than a warning where marked so.
        KeysHeldBack, // details: how long
        NamesSkipped, // details: names seen, names set, snapshot ms, sv_fps, lines skipped
        ChatDropped, // details: the shortest gap, for how long (empty: for ever)
        DisconnectRisk, // details: names a second, the client's slots, the lag that fills them
        RoundBasedModes,
        LastNameKept, // details: the name
    };
    Q_ENUM(Kind)

    Kind kind;
    int line = 0;
    std::optional<int> column;
    QStringList details;
    bool note = false; // worth knowing, not a fault: it leaves "No warnings" standing

    friend bool operator==(const ScriptFinding &, const ScriptFinding &) = default;
};

inline size_t qHash(const ScriptFinding &finding, size_t seed = 0)
{
    return qHashMulti(seed, int(finding.kind), finding.line, finding.column.value_or(-1),
        finding.details, finding.note);
}

#endif // SCRIPTFINDING_H
