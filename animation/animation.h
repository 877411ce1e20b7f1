// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ANIMATION_H
#define ANIMATION_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// What an animated name does to the letters of the name it starts from.
enum class AnimationEffect {
    ColorCycle, // the whole name through the chosen colors
    Chase, // one letter in the first chosen color, moving along
    Typewriter, // the letters appear one by one
    RainbowShift, // each letter a chosen color, the colors moving along
    Blink, // the name in the first chosen color and at rest, in turn
};

// How the frames run in the game.
enum class AnimationForm {
    TimedSequence, // once, with waits between the frames, ending on the resting name
    KeyStep, // one frame for each press of a bound key, round and round
};

struct AnimationSettings {
    QString name; // its color codes are the resting colors of its letters
    AnimationEffect effect = AnimationEffect::Chase;
    AnimationForm form = AnimationForm::TimedSequence;
    QString colors = QStringLiteral("1"); // the code digits the effect uses, in order
    int delayTicks = 20; // the wait between frames of a timed sequence
    // The key of a key-step animation: by default one that neither Tintmark's commands nor the
    // games' own configs take, so that the notice's "Then press F7" reads as a key of the game's.
    QString key = QStringLiteral("F7");
    QString prefix = QStringLiteral("tm"); // begins the names of the variables a key-step animation sets
    bool codesOnlyWhereColorChanges = false;
    int coloredLetters = 31; // the effect colors at most this many letters
};

// An animation made: its frames, the script that plays them, and what keeps it from the game.
struct Animation {
    QStringList frames; // the names, as set, in the order they show
    QString restingName; // the name as it shows at rest, in the script's words
    QString script; // lines with '\n' between them
    qsizetype longestFrame = 0; // in bytes
    QString problem; // why the script cannot go into a script as it is; empty when it can
};

class AnimationGenerator {
    Q_DECLARE_TR_FUNCTIONS(AnimationGenerator)

public:
    static Animation generate(const AnimationSettings &settings);
    // The nearest settings whose frames all fit the game's name: codes only where the color
    // changes, then fewer colored letters. The same settings when nothing shorter fits.
    static AnimationSettings shorterForm(const AnimationSettings &settings);
    // One still name from the letters of name in colors (code digits, in order): a rainbow gives
    // each letter the next color, a gradient each color an equal run of letters. Codes stand
    // only where the color changes; blanks take none.
    enum class Coloring { Rainbow, Gradient };
    static QString coloredName(const QString &name, const QString &colors, Coloring coloring);

private:
    // Why the game would not set the frames as made, after the console model; empty when it
    // would.
    static QString framesAsTheGameSets(
        const Animation &animation, const AnimationSettings &settings);
};

#endif // ANIMATION_H
