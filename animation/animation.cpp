// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "animation.h"

#include "console/consolerules.h"
#include "console/consolerun.h"

#include <QRegularExpression>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A letter of the name and the code digit it rests in; nothing for a letter before any code.
struct Letter {
    QChar character;
    std::optional<QChar> rest;
};

using ConsoleRules::isCodeDigit;

QList<Letter> lettersOf(const QString &name)
{
    QList<Letter> letters;
    std::optional<QChar> color;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (ConsoleRules::startsColorCode(name, i)) {
            color = name[++i];
            continue;
        }
        letters.append({ name[i], color });
    }
    return letters;
}

// The name of letters, each in its color. Each letter gets its own code, so that a letter's
// color never depends on the one before, or, shorter, codes stand only where the color changes.
QString nameOf(const QList<Letter> &letters, const QList<std::optional<QChar>> &colors,
    bool onlyWhereColorChanges)
{
    // At most a code before each letter; written in place, as frames are made by the dozen.
    QString name(3 * letters.size(), Qt::Uninitialized);
    QChar *out = name.data();
    std::optional<QChar> current;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const std::optional<QChar> color = colors[i];
        const bool blank = letters[i].character.isSpace();
        if (!blank && color && (!onlyWhereColorChanges || color != current)) {
            *out++ = u'^';
            *out++ = *color;
            current = color;
        } else if (!blank && !color && current && (!onlyWhereColorChanges || current != u'7')) {
            // Back to the game's white for a letter that rests without a color.
            *out++ = u'^';
            *out++ = u'7';
            current = u'7';
        }
        *out++ = letters[i].character;
    }
    name.truncate(out - name.constData());
    return name;
}

QList<std::optional<QChar>> restingColors(const QList<Letter> &letters)
{
    QList<std::optional<QChar>> colors;
    for (const Letter &letter : letters)
        colors << letter.rest;
    return colors;
}

// The frames of an effect, each as the colors of the letters; typewriter frames are shorter.
QList<QList<Letter>> lettersOfFrames(const QList<Letter> &letters,
    const AnimationSettings &settings, QList<QList<std::optional<QChar>>> &colorsOfFrames)
{
    const QList<std::optional<QChar>> resting = restingColors(letters);
    QList<qsizetype> visible; // letters the effect colors: not blanks, at most coloredLetters
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (!letters[i].character.isSpace() && visible.size() < settings.coloredLetters)
            visible << i;
    }
    QList<QList<Letter>> frames;
    const auto add
        = [&](const QList<Letter> &frameLetters, const QList<std::optional<QChar>> &colors) {
              frames << frameLetters;
              colorsOfFrames << colors;
          };
    const QString &palette = settings.colors;
    switch (settings.effect) {
    case AnimationEffect::ColorCycle:
        for (const QChar color : palette) {
            QList<std::optional<QChar>> colors = resting;
            for (qsizetype i : visible)
                colors[i] = color;
            add(letters, colors);
        }
        break;
    case AnimationEffect::Chase:
        for (qsizetype i : visible) {
            QList<std::optional<QChar>> colors = resting;
            colors[i] = palette.front();
            add(letters, colors);
        }
        break;
    case AnimationEffect::Typewriter:
        for (qsizetype shown = 1; shown <= letters.size(); ++shown) {
            if (letters[shown - 1].character.isSpace())
                continue;
            add(letters.first(shown), resting.first(shown));
        }
        break;
    case AnimationEffect::RainbowShift:
        for (qsizetype shift = 0; shift < palette.size(); ++shift) {
            QList<std::optional<QChar>> colors = resting;
            for (qsizetype n = 0; n < visible.size(); ++n)
                colors[visible[n]] = palette[(n + palette.size() - shift) % palette.size()];
            add(letters, colors);
        }
        break;
    case AnimationEffect::Blink:
        for (int times = 0; times < 3; ++times) {
            QList<std::optional<QChar>> colors = resting;
            for (qsizetype i : visible)
                colors[i] = palette.front();
            add(letters, colors);
            add(letters, resting);
        }
        break;
    }
    return frames;
}

// Appends a line of these parts to the script, after a line break unless it is the first.
void addLine(QString &script, std::initializer_list<QStringView> parts)
{
    if (!script.isEmpty())
        script += u'\n';
    for (QStringView part : parts)
        script += part;
}

} // namespace

QString AnimationGenerator::framesAsTheGameSets(
    const Animation &animation, const AnimationSettings &settings)
{
    // The console model plays the script: every frame, then the resting name, must be set just
    // as made. A key-step animation is pressed once for each of them, and once more to start
    // again.
    QStringList expected = animation.frames;
    expected << animation.restingName;
    QList<KeyPress> presses;
    if (settings.form == AnimationForm::KeyStep) {
        for (qsizetype i = 0; i <= expected.size(); ++i)
            presses << KeyPress { 10 * (i + 1), settings.key };
        expected << animation.frames.value(0, animation.restingName);
    }
    const ConsoleRun run = runScript(animation.script, presses);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QString set = i < run.nameChanges.size() ? run.nameChanges[i].name : QString();
        if (set != expected[i]) {
            return tr("The game would not show frame %1 as made: it would set the name to \"%2\" "
                      "instead of \"%3\".")
                .arg(i + 1)
                .arg(set, expected[i]);
        }
    }
    return {};
}

Animation AnimationGenerator::generate(const AnimationSettings &settings)
{
    Animation animation;
    const QList<Letter> letters = lettersOf(settings.name.simplified());
    animation.restingName
        = nameOf(letters, restingColors(letters), settings.codesOnlyWhereColorChanges);

    // The script's own syntax cannot hold these in a name.
    static const QRegularExpression word(QStringLiteral("^[A-Za-z0-9_]+$"));
    if (letters.isEmpty())
        animation.problem = tr("The name has no letters to animate.");
    else if (std::ranges::any_of(settings.name,
                 [](QChar c) { return ConsoleRules::isRemovedFromNames(c.unicode()); }))
        animation.problem = tr("Names with \", ; or \\ cannot be animated: the games refuse them.");
    else if (settings.colors.isEmpty() || !std::ranges::all_of(settings.colors, isCodeDigit))
        animation.problem = tr("Choose at least one color.");
    else if (settings.form == AnimationForm::KeyStep && !word.match(settings.key).hasMatch())
        animation.problem = tr("Name the key as the game names it, such as F5 or k.");
    else if (settings.form == AnimationForm::KeyStep && !word.match(settings.prefix).hasMatch())
        animation.problem = tr("The prefix of the variables takes letters, digits and _ only.");
    if (!animation.problem.isEmpty())
        return animation;

    QList<QList<std::optional<QChar>>> colorsOfFrames;
    const QList<QList<Letter>> frames = lettersOfFrames(letters, settings, colorsOfFrames);
    for (qsizetype i = 0; i < frames.size(); ++i) {
        animation.frames << nameOf(
            frames[i], colorsOfFrames[i], settings.codesOnlyWhereColorChanges);
        animation.longestFrame = std::max(animation.longestFrame, animation.frames.last().size());
    }

    QString &script = animation.script;
    if (settings.form == AnimationForm::TimedSequence) {
        const QString wait = QString::number(settings.delayTicks);
        script.reserve((animation.longestFrame + 24) * (animation.frames.size() + 1));
        for (const QString &frame : std::as_const(animation.frames)) {
            addLine(script, { ConsoleRules::setNameCommand, u" \"", frame, u"\"" });
            addLine(script, { u"wait ", wait });
        }
        addLine(script, { ConsoleRules::setNameCommand, u" \"", animation.restingName, u"\"" });
    } else {
        // Each step sets the name and points the step variable at the next step; the last
        // points back at the first. Nothing runs until the key is pressed.
        const QString step = settings.prefix + u"step"_s;
        const qsizetype count = animation.frames.size() + 1; // and the resting name last
        for (qsizetype i = 0; i < count; ++i) {
            const QString frame
                = i < animation.frames.size() ? animation.frames[i] : animation.restingName;
            // Joined, not formatted: a name may hold "%1".
            addLine(script,
                { u"set ", settings.prefix, QString::number(i + 1), u" \"",
                    ConsoleRules::setNameCommand, u" ", frame, u"; set ", step, u" vstr ",
                    settings.prefix, QString::number((i + 1) % count + 1), u"\"" });
        }
        addLine(script, { u"set ", step, u" \"vstr ", settings.prefix, u"1\"" });
        addLine(script, { u"bind ", settings.key, u" \"vstr ", step, u"\"" });
    }
    animation.longestFrame = std::max(animation.longestFrame, animation.restingName.size());
    if (animation.longestFrame > ConsoleRules::nameBytes) {
        animation.problem = tr("The longest frame takes %1 bytes; the game keeps %2 and cuts off "
                               "the rest.")
                                .arg(animation.longestFrame)
                                .arg(ConsoleRules::nameBytes);
    } else if (const QString problem = framesAsTheGameSets(animation, settings);
               !problem.isEmpty()) {
        // Nothing goes into the script that the game would play otherwise.
        animation.problem = problem;
        animation.script.clear();
    }
    return animation;
}

QString AnimationGenerator::coloredName(
    const QString &name, const QString &colors, Coloring coloring)
{
    const QList<Letter> letters = lettersOf(name);
    if (colors.isEmpty())
        return nameOf(letters, restingColors(letters), true);
    const auto visible = std::ranges::count_if(
        letters, [](const Letter &letter) { return !letter.character.isSpace(); });
    QList<std::optional<QChar>> colored;
    qsizetype seen = 0;
    for (const Letter &letter : letters) {
        const qsizetype at = coloring == Coloring::Rainbow
            ? seen % colors.size()
            : std::min(colors.size() - 1, seen * colors.size() / std::max<qsizetype>(1, visible));
        colored << colors[at];
        seen += !letter.character.isSpace();
    }
    return nameOf(letters, colored, true);
}

AnimationSettings AnimationGenerator::shorterForm(const AnimationSettings &settings)
{
    AnimationSettings shorter = settings;
    shorter.codesOnlyWhereColorChanges = true;
    shorter.coloredLetters = std::min<int>(settings.coloredLetters, ConsoleRules::nameBytes);
    for (; shorter.coloredLetters > 0; --shorter.coloredLetters) {
        const Animation animation = generate(shorter);
        if (animation.problem.isEmpty())
            return shorter;
    }
    return settings;
}
