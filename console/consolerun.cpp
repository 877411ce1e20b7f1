// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "consolerun.h"

#include "consolerules.h"
#include "scriptcommands.h"
#include "shownname.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Commands parsed from a text: the script, which the caller keeps while the run lasts, or the
// value of a variable, which the source keeps.
struct CommandSource {
    QString value;
    QStringView text; // what the commands view
    ScriptCommands parsed; // the commands of a value, or of a script the run split itself
    const ScriptCommands *split = &parsed; // parsed, or the caller's split of the script
    bool inScript = false; // the commands' columns are columns of the script's lines
    bool execed = false; // a script exec read: it is checked on its own
};
using SourcePointer = std::shared_ptr<const CommandSource>;

// The command buffer is a stack of sources being run, the front of the buffer on top.
struct Frame {
    SourcePointer source;
    qsizetype next = 0;
    quint64 below = 0; // the state of the frames below, which cannot change while this one lives
    // Bytes in the buffer: the text, the line breaks that came with it, how far the buffer has
    // handed it over, and what finished frames above left behind (line breaks the buffer hands
    // over, as empty commands, before this frame's next command).
    qsizetype bytes = 0;
    qsizetype consumed = 0;
    qsizetype leftAbove = 0;
};

struct Variable {
    QString value;
    int line = 0;
    quint64 hashed = 0; // its part of the variables' state, as last hashed
    bool changed = false; // since then
};

// A 64-bit hash on every platform: the run tells states apart by it.
quint64 hash64(QStringView text)
{
    if constexpr (sizeof(size_t) >= sizeof(quint64))
        return qHash(text, 0x9e3779b9u);
    else
        return (quint64(qHash(text, 0x9e3779b9u)) << 32) ^ quint64(qHash(text, 0x85ebca6bu));
}

quint64 mix(quint64 seed, quint64 value)
{
    // splitmix64's finaliser over the two
    quint64 z = seed + 0x9e3779b97f4a7c15ull + (value << 6) + (value >> 2);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

// Names as the console compares them; most are lower case already and are not converted.
QString lowerCase(QStringView name)
{
    if (std::ranges::none_of(name, [](QChar c) { return c.isUpper(); }))
        return name.toString();
    return name.toString().toLower();
}

QString joined(const CommandWords &words, qsizetype from)
{
    if (from + 1 == words.size())
        return words[from].toString();
    QString text;
    for (qsizetype i = from; i < words.size(); ++i) {
        if (i > from)
            text += u' ';
        text += words[i];
    }
    return text;
}

// Parses C-style integers as the console does: an optional sign and the digits that follow.
qint64 leadingNumber(QStringView word)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == u'-' || word[i] == u'+'))
        negative = word[i++] == u'-';
    qint64 number = 0;
    for (; i < word.size() && word[i] >= u'0' && word[i] <= u'9'; ++i)
        number = std::min<qint64>(number * 10 + (word[i].unicode() - u'0'), 1ll << 40);
    return negative ? -number : number;
}

class Console {
public:
    Console(QStringView script, const ScriptCommands *split, const QList<KeyPress> &presses,
        GameVersion game, ConsoleRules::ServerKind server, ScriptReader reader);
    // Runs what the buffer holds and the keys pressed, until nothing is left or a bound.
    void runUntilIdle();
    // More keys, pressed after what ran so far.
    void press(const QList<KeyPress> &presses) { m_presses += presses; }
    // The run so far.
    ConsoleRun result() const;
    ConsoleRun takeResult();

private:
    void execute(const ScriptCommand &command, const CommandSource &source);
    void find(ScriptFinding finding);
    void setVariable(QStringView name, const ScriptCommand &command, qsizetype valueFrom,
        const CommandSource &source);
    void runVariable(const ScriptCommand &command);
    bool runFile(const ScriptCommand &command);
    bool isKnownVariable(QStringView name) const;
    bool refusesCheat(QStringView name, int line);
    void deliverPresses();
    bool push(SourcePointer source, qsizetype lineBreaks);
    void leaveBehind(qsizetype bytes);
    void handOver(Frame &frame, const ScriptCommand &command);
    void popFinished();
    void restack();
    quint64 state();
    SourcePointer parsed(const QString &text, int line, bool execed = false);
    const QString &variableKey(QStringView name);

    ConsoleRun m_run;
    QSet<ScriptFinding> m_found; // of m_run.findings
    ConsoleRules::GameRules m_rules; // of m_run.game
    ScriptReader m_reader;
    QList<KeyPress> m_presses;
    qsizetype m_nextPress = 0;
    qint64 m_now = 0;
    bool m_stopped = false;
    QList<Frame> m_stack;
    QHash<QString, Variable> m_variables; // by lower-case name: the console ignores case
    QHash<QString, KeyBinding> m_bindings; // by lower-case key
    // The variables' state is hashed when asked for, not at every set: most sets are of the
    // name, again and again, and only a vstr asks.
    quint64 m_variablesState = 0;
    QStringList m_changedVariables; // since the state was last asked for
    quint64 m_bindingsState = 0;
    // The sources of the commands on the stack: a command outlives a vstr that pops its frame.
    SourcePointer m_script;
    QHash<std::pair<QString, int>, SourcePointer> m_parsed;
    QHash<std::pair<QString, int>, SourcePointer> m_scripts; // exec read, by file and line

    struct Seen {
        qint64 tick;
        qsizetype command;
        qsizetype bufferBytes;
    };
    QHash<quint64, Seen> m_seen;
    QList<int> m_executedLines;
    QString m_lastKey; // scripts set the same variable, the name, again and again
    qsizetype m_bufferBytes = 0; // in the game's command buffer
    qsizetype m_leftAtTheEnd = 0; // of it, behind every frame: left by finished frames
    bool m_waitIgnored = false; // found once, at the first wait the server turns into nothing
};

Console::Console(QStringView script, const ScriptCommands *split, const QList<KeyPress> &presses,
    GameVersion game, ConsoleRules::ServerKind server, ScriptReader reader)
    : m_rules(ConsoleRules::rulesOf(game))
    , m_reader(std::move(reader))
    , m_presses(presses)
{
    m_run.game = game;
    m_run.server = server;
    auto source = std::make_shared<CommandSource>();
    // exec inserts the whole script or, when it does not fit the buffer, nothing of it.
    if (script.size() >= m_rules.bufferBytes) {
        find({ ScriptFinding::Kind::LongScript, 1, {}, {} });
        script = {};
        split = nullptr;
    }
    source->text = script;
    if (split)
        source->split = split;
    else
        source->parsed = splitCommands(source->text, 1, m_rules);
    source->inScript = true;
    m_script = source;
    // exec inserts the script and a line break.
    push(std::move(source), 1);
}

void Console::runUntilIdle()
{
    while (!m_stopped) {
        popFinished();
        if (m_stack.isEmpty()) {
            // The buffer hands over what finished frames left, as empty commands.
            m_bufferBytes -= m_leftAtTheEnd;
            m_leftAtTheEnd = 0;
        }
        deliverPresses();
        if (m_stack.isEmpty()) {
            if (m_nextPress == m_presses.size())
                break;
            m_now = std::max(m_now, m_presses[m_nextPress].tick);
            continue;
        }
        if (m_run.commandsRun == ConsoleRules::maximumCommands) {
            m_run.end = ConsoleRun::End::CommandBound;
            break;
        }
        Frame &top = m_stack.last();
        const CommandSource &source = *top.source;
        const ScriptCommand &command = source.split->commands[top.next++];
        handOver(top, command);
        ++m_run.commandsRun;
        m_executedLines << command.line;
        execute(command, source);
        if (m_now > ConsoleRules::maximumTicks) {
            m_run.end = ConsoleRun::End::TickBound;
            break;
        }
    }
}

ConsoleRun Console::result() const
{
    Console copy = *this;
    return copy.takeResult();
}

ConsoleRun Console::takeResult()
{
    m_run.endTick = m_now;
    m_run.lastLine = m_executedLines.isEmpty() ? 0 : m_executedLines.last();
    return std::move(m_run);
}

void Console::execute(const ScriptCommand &command, const CommandSource &source)
{
    using namespace ConsoleRules;
    if (command.cut)
        find({ ScriptFinding::Kind::LongCommand, command.line, {}, {} });

    const CommandWords &words = command.words;
    if (!m_rules.wordsPastMostDropped && words.size() >= m_rules.mostWords)
        return;
    const QStringView verb = words.first();
    // Commands come first, as in the console; a variable's name sets it only when no command has
    // that name.
    // COD's seta, sets and setu take exactly a name and a value. A set or a wait that does
    // nothing is the script's own mistake where the script writes it; in a value, the cut that
    // made it so is found instead.
    const bool setTakesIt = m_rules.setNeedsExactWords && !isWord(verb, u"set") ? words.size() == 3
                                                                                : words.size() >= 3;
    if (isOneOf(verb, setCommands)) {
        if (setTakesIt)
            setVariable(words[1], command, 2, source);
        else if (source.inScript)
            find({ ScriptFinding::Kind::SetsNothing, command.line, {},
                { command.text.trimmed().toString() } });
    } else if (isWord(verb, u"wait")) {
        // Cmd_Wait_f reads its number only when it is the one word after "wait".
        if (words.size() > 2 && source.inScript) {
            find({ ScriptFinding::Kind::WaitWithMoreWords, command.line, {},
                { command.text.trimmed().toString() } });
        }
        const qint64 ticks = words.size() == 2 ? leadingNumber(words[1]) : 1;
        if (ticks < 0) {
            find({ ScriptFinding::Kind::NegativeWait, command.line, {}, {} });
            m_run.end = ConsoleRun::End::Stalled;
            m_stopped = true;
        } else if (waitPauses(m_run.server)) {
            m_now += ticks;
        } else if (ticks > 0 && !m_waitIgnored) {
            m_waitIgnored = true;
            find({ ScriptFinding::Kind::WaitIgnored, command.line, {}, {} });
        }
    } else if (isWord(verb, u"vstr")) {
        // Cmd_Vstr_f runs only "vstr <name>", nothing with more words.
        if (words.size() == 2)
            runVariable(command);
    } else if (isWord(verb, u"toggle") && words.size() >= 2) {
        // COD 2 toggles only a variable that exists, finds its value in the list whatever its
        // case, and toggles no string without a list (Dvar_ToggleInternal, CoD2rev_Server
        // src/universal/dvar_cmds.cpp): every variable a script sets, the name too, is a string.
        // COD makes the variable it does not find, compares in case, and without a list sets
        // 0 or 1 (Cvar_Toggle_f, opencod1 src/qcommon/cvar_cmds.c).
        if (refusesCheat(words[1], command.line))
            return;
        const auto current = m_variables.constFind(lowerCase(words[1]));
        const bool known = current != m_variables.cend() || isKnownVariable(words[1]);
        if (!known && !m_rules.togglesAsCod) {
            // It toggles nothing: the checker looks at what it meant.
            if (!source.execed)
                m_run.recorded << RecordedCommand { m_now, command.text.toString(), command.line,
                    verb.toString() };
            return;
        }
        const QString value = current == m_variables.cend() ? QString() : current->value;
        QString next;
        if (words.size() == 2) {
            if (!m_rules.togglesAsCod)
                return;
            next = leadingNumber(value) ? u"0"_s : u"1"_s;
        } else {
            const Qt::CaseSensitivity sensitivity
                = m_rules.togglesAsCod ? Qt::CaseSensitive : Qt::CaseInsensitive;
            qsizetype at = 2;
            while (at < words.size() && words[at].compare(value, sensitivity) != 0)
                ++at;
            next = words[at < words.size() - 1 ? at + 1 : 2].toString();
        }
        ScriptCommand setting = command;
        const QStringView toggled[] = { words[1], next };
        setting.words = toggled;
        setVariable(words[1], setting, 1, CommandSource {});
    } else if (isWord(verb, u"bind") && words.size() >= 3) {
        const QString key = lowerCase(words[1]);
        const KeyBinding binding { words[1].toString(), joined(words, 2), command.line };
        if (const auto old = m_bindings.constFind(key); old != m_bindings.cend())
            m_bindingsState ^= mix(hash64(key), hash64(old->command));
        m_bindingsState ^= mix(hash64(key), hash64(binding.command));
        m_bindings.insert(key, binding);
        m_run.bindings << binding;
    } else if (isWord(verb, u"exec") && words.size() == 2 && runFile(command)) {
    } else if (words.size() >= 2 && !isOneOf(verb, commands)
        && (isKnownVariable(verb) || m_variables.contains(lowerCase(verb)))) {
        // COD's variable command takes the one word after the name.
        ScriptCommand setting = command;
        if (m_rules.variableTakesOneWord)
            setting.words = CommandWords(words.begin(), words.begin() + 2);
        setVariable(verb, setting, 1, source);
    } else if (!source.execed) {
        m_run.recorded << RecordedCommand { m_now, command.text.toString(), command.line,
            verb.toString() };
    }
}

bool Console::refusesCheat(QStringView name, int line)
{
    // On a server without sv_cheats 1, as every public one runs, the game refuses the value.
    if (!ConsoleRules::isOneOf(name, ConsoleRules::cheatVariablesOf(m_run.game)))
        return false;
    find({ ScriptFinding::Kind::CheatProtected, line, {}, { name.toString() } });
    return true;
}

bool Console::isKnownVariable(QStringView name) const
{
    return ConsoleRules::isOneOf(name, ConsoleRules::knownVariables)
        || ConsoleRules::isOneOf(name, ConsoleRules::cheatVariablesOf(m_run.game));
}

bool Console::runFile(const ScriptCommand &command)
{
    // Each script is read once, however often a loop execs it.
    const QString file = execFileName(command.words[1]);
    auto script = m_scripts.constFind({ file, command.line });
    if (script == m_scripts.cend()) {
        const std::optional<QString> text = m_reader ? m_reader(file) : std::nullopt;
        script = m_scripts.insert(
            { file, command.line }, text ? parsed(*text, command.line, true) : SourcePointer());
    }
    if (!*script)
        return false;
    if (!m_run.scriptsRead.contains(file))
        m_run.scriptsRead << file;
    // Cmd_Exec_f inserts the script's text where the exec stood (Cbuf_InsertText), a line break
    // after it, or nothing when it does not fit the buffer; its own check says so. Its commands
    // count as the exec's line.
    popFinished();
    if (m_bufferBytes + (*script)->text.size() + 1 <= m_rules.bufferBytes)
        push(*script, 1);
    return true;
}

void Console::setVariable(QStringView name, const ScriptCommand &command, qsizetype valueFrom,
    const CommandSource &source)
{
    const QString value = joined(command.words, valueFrom);
    const QString &key = variableKey(name);

    // Commands run together in the script's own lines are the checker's to find, whether the
    // run reaches them or not; those in values are found as the values run.
    if (!source.inScript) {
        if (auto together = runTogetherIn(command, valueFrom, false))
            find(*together);
    }

    if (refusesCheat(name, command.line))
        return;
    // Com_Frame reads com_maxfps anew every frame; a competitive server refuses a value outside
    // its range, and the last one holds.
    std::optional<int> maxFps;
    if (key == u"com_maxfps") {
        maxFps = int(std::clamp<qint64>(leadingNumber(value), 0, ConsoleRules::largestMaxFps));
        if (!ConsoleRules::takesMaxFps(m_run.server, *maxFps))
            return;
    }
    auto variable = m_variables.find(key);
    if (variable == m_variables.end()) {
        if (key != u"name")
            m_run.variablesSet << VariableSet { m_now, command.line, name.toString(), value };
        variable = m_variables.insert(key, {});
    }
    variable->value = value;
    variable->line = command.line;
    if (!variable->changed) {
        variable->changed = true;
        m_changedVariables << key;
    }
    if (maxFps)
        m_run.frameRates << FrameRateChange { m_now, *maxFps };
    if (key == u"name")
        m_run.nameChanges << NameChange { m_now, value, ShownName::of(value, m_run.game).shown,
            command.line };
}

void Console::runVariable(const ScriptCommand &command)
{
    const QStringView name = command.words[1];
    const QString key = lowerCase(name);
    const auto variable = m_variables.constFind(key);
    if (!m_run.variablesRead.contains(key))
        m_run.variablesRead << key;
    if (variable == m_variables.cend()) {
        find({ ScriptFinding::Kind::UnsetVariable, command.line, {}, { name.toString() } });
        return;
    }
    if (variable->value.size() > ConsoleRules::vstrValueBytes)
        find({ ScriptFinding::Kind::LongValue, variable->line, {}, {} });
    popFinished();
    // vstr inserts the value through va("%s\n"), and Cbuf_InsertText adds a line break of its
    // own; text that does not fit the buffer is not inserted at all.
    const QString value = variable->value.left(ConsoleRules::vstrValueBytes);
    if (m_bufferBytes + value.size() + 2 > m_rules.bufferBytes) {
        find({ ScriptFinding::Kind::BufferFilled, command.line, {}, {} });
        return;
    }
    if (!push(parsed(value, variable->line), 2))
        return;

    // Only a vstr can take the console back to where it was, so the state is compared here. The
    // line breaks that each round leaves behind are not part of it.
    const quint64 now = state();
    const auto seen = m_seen.constFind(now);
    if (seen == m_seen.cend()) {
        m_seen.insert(now, { m_now, m_executedLines.size(), m_bufferBytes });
        return;
    }
    if (seen->tick == m_now) {
        // Without a wait the rounds leave line breaks behind until the buffer is full, within
        // one frame of the game: a long hitch. Then this vstr inserts nothing, and what is
        // left in the buffer runs. The rounds it takes: those so far, and as many more as the
        // room left holds what each leaves behind.
        const qsizetype leftEachRound = std::max<qsizetype>(1, m_bufferBytes - seen->bufferBytes);
        const qsizetype rounds
            = 2 + std::max<qsizetype>(0, m_rules.bufferBytes - m_bufferBytes) / leftEachRound;
        const Frame inserted = m_stack.takeLast();
        m_bufferBytes -= inserted.bytes;
        find({ ScriptFinding::Kind::BufferFilled, command.line, {}, { QString::number(rounds) } });
        m_seen.clear();
        return;
    }
    // A wait paces the rounds, but each still leaves a line break behind, in front of which the
    // next round is inserted (Cbuf_InsertText in CoD2rev_Server src/qcommon/cmd.cpp adds one to
    // the value's own): the first vstr whose insert no longer fits the buffer stops the loop.
    // Each vstr of the round fills the buffer to its own level, which grows by the same bytes
    // every round; the first to pass the buffer's size ends it.
    const qint64 period = m_now - seen->tick;
    const qsizetype leftEachRound = std::max<qsizetype>(1, m_bufferBytes - seen->bufferBytes);
    std::pair<qint64, qsizetype> stop { std::numeric_limits<qint64>::max(), 0 };
    for (const Seen &insert : std::as_const(m_seen)) {
        if (insert.command < seen->command)
            continue;
        const qint64 failingRound = (m_rules.bufferBytes - insert.bufferBytes) / leftEachRound + 1;
        stop = std::min(stop, std::pair { insert.tick + failingRound * period, insert.command });
    }
    PacedLoop loop { seen->tick, period, {}, (stop.first - seen->tick) / period, stop.first };
    for (qsizetype i = seen->command; i < m_executedLines.size(); ++i) {
        if (!loop.lines.contains(m_executedLines[i]))
            loop.lines << m_executedLines[i];
    }
    m_run.loop = loop;
    m_run.end = ConsoleRun::End::Looping;
    m_stopped = true;
}

void Console::find(ScriptFinding finding)
{
    if (!m_found.contains(finding)) {
        m_found.insert(finding);
        m_run.findings << std::move(finding);
    }
}

void Console::deliverPresses()
{
    // A bound key adds its command at the end of the buffer, after all that waits to run. A key
    // pressed at this tick comes after what runs at it without waiting.
    const qint64 before = m_stack.isEmpty() ? m_now + 1 : m_now;
    bool added = false;
    while (m_nextPress < m_presses.size() && m_presses[m_nextPress].tick < before) {
        const auto binding = m_bindings.constFind(m_presses[m_nextPress++].key.toLower());
        if (binding == m_bindings.cend())
            continue;
        // Cbuf_AddText of the command, then of a line break; neither goes in when full.
        const SourcePointer source = parsed(binding->command, binding->line);
        const qsizetype bytes = source->text.size() + 1;
        if (m_bufferBytes + source->text.size() >= m_rules.bufferBytes)
            continue;
        m_bufferBytes += bytes;
        if (!source->split->commands.empty()) {
            // What finished frames left at the end now comes before the key's command.
            m_stack.prepend({ source, 0, 0, bytes, 0, m_leftAtTheEnd });
            m_leftAtTheEnd = 0;
            added = true;
        } else {
            m_leftAtTheEnd += bytes;
        }
    }
    if (added)
        restack();
}

bool Console::push(SourcePointer source, qsizetype lineBreaks)
{
    const qsizetype bytes = source->text.size() + lineBreaks;
    m_bufferBytes += bytes;
    if (source->split->commands.empty()) {
        leaveBehind(bytes);
        return false;
    }
    const quint64 below = m_stack.isEmpty() ? 0 : state();
    m_stack.append({ std::move(source), 0, below, bytes, 0, 0 });
    return true;
}

void Console::leaveBehind(qsizetype bytes)
{
    if (m_stack.isEmpty())
        m_leftAtTheEnd += bytes;
    else
        m_stack.last().leftAbove += bytes;
}

void Console::handOver(Frame &frame, const ScriptCommand &command)
{
    // The buffer hands over what stands before the command, the command and its separator (or,
    // for a command it cuts, the byte it loses).
    const qsizetype end = std::min(
        frame.bytes, command.text.data() - frame.source->text.data() + command.text.size() + 1);
    m_bufferBytes -= end - frame.consumed + frame.leftAbove;
    frame.consumed = end;
    frame.leftAbove = 0;
}

void Console::popFinished()
{
    while (!m_stack.isEmpty()
        && std::size_t(m_stack.last().next) == m_stack.last().source->split->commands.size()) {
        const Frame finished = m_stack.takeLast();
        leaveBehind(finished.bytes - finished.consumed + finished.leftAbove);
    }
}

void Console::restack()
{
    quint64 below = 0;
    for (Frame &frame : m_stack) {
        frame.below = below;
        below = mix(mix(below, quintptr(frame.source.get())), quint64(frame.next));
    }
}

quint64 Console::state()
{
    for (const QString &key : std::as_const(m_changedVariables)) {
        Variable &variable = *m_variables.find(key);
        m_variablesState ^= variable.hashed;
        variable.hashed = mix(hash64(key), hash64(variable.value));
        m_variablesState ^= variable.hashed;
        variable.changed = false;
    }
    m_changedVariables.clear();
    const Frame &top = m_stack.last();
    const quint64 stack = mix(mix(top.below, quintptr(top.source.get())), quint64(top.next));
    return mix(mix(mix(stack, m_variablesState), m_bindingsState), quint64(m_nextPress));
}

const QString &Console::variableKey(QStringView name)
{
    if (!ConsoleRules::isWord(name, m_lastKey))
        m_lastKey = lowerCase(name);
    return m_lastKey;
}

SourcePointer Console::parsed(const QString &text, int line, bool execed)
{
    SourcePointer &source = m_parsed[std::pair { text, line }];
    if (!source) {
        auto made = std::make_shared<CommandSource>();
        made->value = text;
        made->text = made->value;
        made->parsed = splitCommands(made->text, line, m_rules);
        // A value has no line breaks: its commands all stand on the line that set it. Those of a
        // script exec reads stand on the exec's.
        for (ScriptCommand &command : made->parsed.commands)
            command.line = line;
        made->execed = execed;
        source = std::move(made);
    }
    return source;
}

} // namespace

std::optional<ScriptFinding> runTogetherIn(
    const ScriptCommand &command, qsizetype valueFrom, bool inScript)
{
    // A command word after the first word of the value: two commands written on one line.
    const CommandWords &words = command.words;
    for (qsizetype i = valueFrom + 1; i < words.size(); ++i) {
        if (!ConsoleRules::isOneOf(words[i], ConsoleRules::commands))
            continue;
        const qsizetype offset = words[i].data() - command.text.data();
        const bool inText = offset >= 0 && offset < command.text.size();
        ScriptFinding found { ScriptFinding::Kind::RunTogether, command.line, {},
            { joined(words, valueFrom),
                inText ? command.text.sliced(offset).toString() : joined(words, i) } };
        if (inScript && inText)
            found.column = command.column + int(offset);
        return found;
    }
    return std::nullopt;
}

QString execFileName(QStringView name)
{
    const QStringView file = name.sliced(name.lastIndexOf(u'/') + 1);
    return file.contains(u'.') ? name.toString() : name.toString() + u".cfg"_s;
}

QList<KeyBinding> ConsoleRun::finalBindings() const
{
    QList<KeyBinding> final;
    for (const KeyBinding &binding : bindings) {
        const auto same = std::find_if(final.begin(), final.end(), [&](const KeyBinding &known) {
            return known.key.compare(binding.key, Qt::CaseInsensitive) == 0;
        });
        if (same == final.end())
            final << binding;
        else
            *same = binding;
    }
    return final;
}

ConsoleRun runScript(QStringView script, const QList<KeyPress> &presses, GameVersion game,
    ConsoleRules::ServerKind server, const ScriptReader &reader)
{
    Console console(script, nullptr, presses, game, server, reader);
    console.runUntilIdle();
    return console.takeResult();
}

struct ScriptSession::State {
    Console console;
    ConsoleRun run;
};

ScriptSession::ScriptSession(QStringView script, const ScriptCommands &split, GameVersion game,
    ConsoleRules::ServerKind server, const ScriptReader &reader)
    : m_state(
        std::make_unique<State>(State { Console(script, &split, {}, game, server, reader), {} }))
{
    m_state->console.runUntilIdle();
    m_state->run = m_state->console.result();
}

ScriptSession::~ScriptSession() = default;

const ConsoleRun &ScriptSession::run() const { return m_state->run; }

ConsoleRun ScriptSession::pressing(const QList<KeyPress> &presses) const
{
    // The console's state is shared until the presses change it.
    Console console = m_state->console;
    console.press(presses);
    console.runUntilIdle();
    return console.takeResult();
}

double ConsoleRun::millisecondsAt(qint64 tick, int maxFps) const
{
    double milliseconds = 0;
    qint64 from = 0;
    for (const FrameRateChange &change : frameRates) {
        if (change.tick >= tick)
            break;
        milliseconds += secondsOfTicks(change.tick - from, maxFps) * 1000;
        from = change.tick;
        maxFps = change.maxFps;
    }
    return milliseconds + secondsOfTicks(tick - from, maxFps) * 1000;
}

qint64 ConsoleRun::tickAt(double milliseconds, int maxFps) const
{
    qint64 from = 0;
    for (const FrameRateChange &change : frameRates) {
        const double lasting = secondsOfTicks(change.tick - from, maxFps) * 1000;
        if (milliseconds < lasting)
            break;
        milliseconds -= lasting;
        from = change.tick;
        maxFps = change.maxFps;
    }
    return from
        + qint64(
            milliseconds * ConsoleRules::ticksPerFrame / ConsoleRules::frameMilliseconds(maxFps));
}

double secondsOfTicks(qint64 ticks, int maxFps)
{
    return double(ticks) * ConsoleRules::frameMilliseconds(maxFps)
        / (ConsoleRules::ticksPerFrame * 1000.0);
}

double framesPerSecondOf(int maxFps) { return 1000.0 / ConsoleRules::frameMilliseconds(maxFps); }
