#include "scriptcommands.h"

#include "consolerules.h"

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Words of one command: a word that starts with a quote runs to the next quote, which is
// removed; any other word ends at a blank or a quote.
QList<QStringView> splitWords(QStringView command)
{
    QList<QStringView> words;
    qsizetype i = 0;
    const qsizetype size = command.size();
    while (true) {
        while (i < size && isBlank(command[i]))
            ++i;
        if (i == size)
            return words;
        if (command[i] == u'"') {
            const qsizetype start = ++i;
            while (i < size && command[i] != u'"')
                ++i;
            words << command.sliced(start, i - start);
            if (i < size)
                ++i;
        } else {
            const qsizetype start = i;
            while (i < size && !isBlank(command[i]) && command[i] != u'"')
                ++i;
            words << command.sliced(start, i - start);
        }
    }
}

} // namespace

QList<ScriptCommand> splitCommands(QStringView text, int firstLine)
{
    QList<ScriptCommand> commands;
    int line = firstLine;
    qsizetype lineStart = 0;
    qsizetype start = 0;
    bool quoted = false;
    bool comment = false;

    const auto endCommand = [&](qsizetype end) {
        QStringView command = text.sliced(start, end - start);
        const bool cut = command.size() > ConsoleRules::commandBytes;
        if (cut)
            command.truncate(ConsoleRules::commandBytes);
        QList<QStringView> words = splitWords(command);
        if (!words.isEmpty())
            commands.append({ command, std::move(words), line, int(start - lineStart), cut });
    };

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (!comment)
                endCommand(i);
            comment = false;
            quoted = false;
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            ++line;
            lineStart = start = i + 1;
        } else if (comment) {
            continue;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u';') {
            endCommand(i);
            start = i + 1;
        } else if (!quoted && c == u'/' && i + 1 < size && text[i + 1] == u'/') {
            endCommand(i);
            comment = true;
        }
    }
    if (!comment)
        endCommand(size);
    return commands;
}
