// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "animation/animation.h"
#include "console/consolerun.h"
#include "cfgfile/filetext.h"
#include "checker/scriptchecker.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(AnimationEffect)

namespace {

QStringList namesOf(const ConsoleRun &run)
{
    QStringList names;
    for (const NameChange &change : run.nameChanges)
        names << change.name;
    return names;
}

} // namespace

// Animations made from a name, played back through the console model.
class tst_Animation : public QObject {
    Q_OBJECT

private slots:
    void effects_data();
    void effects();
    void frameTooLongOffersAShorterForm();
    void keepsPercentSignsOfTheName();
    void refusesWhatAScriptCannotHold_data();
    void refusesWhatAScriptCannotHold();
};

void tst_Animation::effects_data()
{
    QTest::addColumn<AnimationEffect>("effect");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<QString>("colors");

    // "Ab^2C": A and b rest in the game's white, C in green; the effects use red and yellow.
    QTest::newRow("color cycle") << AnimationEffect::ColorCycle
                                 << QStringList { "^1A^1b^1C", "^3A^3b^3C" } << u"13"_s;
    QTest::newRow("chase") << AnimationEffect::Chase
                           << QStringList { "^1A^7b^2C", "A^1b^2C", "Ab^1C" } << u"13"_s;
    QTest::newRow("typewriter") << AnimationEffect::Typewriter << QStringList { "A", "Ab", "Ab^2C" }
                                << u"13"_s;
    QTest::newRow("rainbow shift")
        << AnimationEffect::RainbowShift << QStringList { "^1A^3b^1C", "^3A^1b^3C" } << u"13"_s;
    // Each color moves on to the next letter: red from A to b to C.
    QTest::newRow("rainbow shift of three colors")
        << AnimationEffect::RainbowShift << QStringList { "^1A^3b^4C", "^4A^1b^3C", "^3A^4b^1C" }
        << u"134"_s;
    QTest::newRow("blink") << AnimationEffect::Blink
                           << QStringList { "^1A^1b^1C", "Ab^2C", "^1A^1b^1C", "Ab^2C", "^1A^1b^1C",
                                  "Ab^2C" }
                           << u"13"_s;
}

void tst_Animation::effects()
{
    QFETCH(AnimationEffect, effect);
    QFETCH(QStringList, frames);
    QFETCH(QString, colors);

    AnimationSettings settings;
    settings.name = u"Ab^2C"_s;
    settings.effect = effect;
    settings.colors = colors;
    settings.delayTicks = 15;

    // Played once: each frame a wait apart, then the name at rest.
    settings.form = AnimationForm::TimedSequence;
    const Animation timed = AnimationGenerator::generate(settings);
    QCOMPARE(timed.problem, QString());
    QCOMPARE(timed.frames, frames);
    const QString timedScript = fileTextOf(timed.script);
    const ConsoleRun once = runScript(timedScript);
    QCOMPARE(namesOf(once), frames + QStringList { "Ab^2C" });
    QCOMPARE(once.nameChanges.last().tick, 15 * frames.size());
    QCOMPARE(once.end, ConsoleRun::End::Finished);
    QCOMPARE(ScriptChecker::check(timedScript, 85).warnings, QList<ScriptWarning>());

    // A step for each press of the key, round and round; nothing without a press.
    settings.form = AnimationForm::KeyStep;
    settings.key = u"F6"_s;
    const Animation stepped = AnimationGenerator::generate(settings);
    QCOMPARE(stepped.problem, QString());
    const QString steppedScript = fileTextOf(stepped.script);
    QCOMPARE(namesOf(runScript(steppedScript)), QStringList());
    QList<KeyPress> presses;
    for (qsizetype i = 0; i < frames.size() + 2; ++i)
        presses << KeyPress { 10 * (i + 1), u"F6"_s };
    const ConsoleRun pressed = runScript(steppedScript, presses);
    QCOMPARE(namesOf(pressed), (frames + QStringList { "Ab^2C", frames.first() }));
    QCOMPARE(ScriptChecker::check(steppedScript, 85).warnings, QList<ScriptWarning>());

    for (const QString &frame : std::as_const(frames))
        QVERIFY(frame.size() <= 31);
}

void tst_Animation::frameTooLongOffersAShorterForm()
{
    AnimationSettings settings;
    settings.name = u"^1abcdefghijklmnop"_s; // 18 bytes, 16 letters
    settings.effect = AnimationEffect::Chase;
    settings.colors = u"2"_s;
    const Animation full = AnimationGenerator::generate(settings);
    QCOMPARE(full.longestFrame, 48); // a code for every letter
    QVERIFY(full.problem.contains(u"48 bytes"_s));

    const AnimationSettings shorter = AnimationGenerator::shorterForm(settings);
    QVERIFY(shorter.codesOnlyWhereColorChanges);
    const Animation fitting = AnimationGenerator::generate(shorter);
    QCOMPARE(fitting.problem, QString());
    QCOMPARE(fitting.frames.value(1), u"^1a^2b^1cdefghijklmnop"_s);

    // With 29 bytes, only the first letter leaves room for the chase's two codes.
    settings.name = u"^1"_s + QString(27, u'x');
    const AnimationSettings fewer = AnimationGenerator::shorterForm(settings);
    QCOMPARE(fewer.coloredLetters, 1);
    const Animation fewerFrames = AnimationGenerator::generate(fewer);
    QCOMPARE(fewerFrames.problem, QString());
    QCOMPARE(fewerFrames.frames, QStringList { u"^2x^1"_s + QString(26, u'x') });

    // Changes only: back to white once after a colored letter, not before every letter.
    settings.name = u"abcdef"_s;
    settings.codesOnlyWhereColorChanges = true;
    QCOMPARE(AnimationGenerator::generate(settings).frames.value(0), u"^2a^7bcdef"_s);
    settings.codesOnlyWhereColorChanges = false;

    // A frame of 31 bytes goes in; one of 32 does not.
    AnimationSettings cycle;
    cycle.effect = AnimationEffect::ColorCycle;
    cycle.codesOnlyWhereColorChanges = true;
    cycle.name = QString(29, u'x');
    QCOMPARE(AnimationGenerator::generate(cycle).problem, QString());
    cycle.name = QString(30, u'x');
    QVERIFY(AnimationGenerator::generate(cycle).problem.contains(u"32 bytes"_s));

    // With 31 bytes no form fits: the settings stay, and so does the problem.
    settings.name = u"^1"_s + QString(29, u'x');
    QCOMPARE(AnimationGenerator::shorterForm(settings).coloredLetters, settings.coloredLetters);
    QVERIFY(!AnimationGenerator::generate(settings).problem.isEmpty());
}

void tst_Animation::keepsPercentSignsOfTheName()
{
    AnimationSettings settings;
    settings.name = u"^150%1"_s;
    settings.effect = AnimationEffect::Typewriter;
    settings.codesOnlyWhereColorChanges = true;
    settings.form = AnimationForm::KeyStep;
    const Animation animation = AnimationGenerator::generate(settings);
    QVERIFY(animation.script.startsWith(u"set tm1 \"set name ^15; set tmstep vstr tm2\"\n"_s));
    QVERIFY(animation.script.contains(u"set name ^150%1; set tmstep vstr tm5"_s));
}

void tst_Animation::refusesWhatAScriptCannotHold_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("colors");
    QTest::addColumn<QString>("key");

    QTest::newRow("quote in the name") << u"a\"b"_s << u"1"_s << u"F5"_s;
    QTest::newRow("semicolon in the name") << u"a;quit"_s << u"1"_s << u"F5"_s;
    QTest::newRow("codes only") << u"^1^2"_s << u"1"_s << u"F5"_s;
    QTest::newRow("no color") << u"ab"_s << QString() << u"F5"_s;
    QTest::newRow("key with a quote") << u"ab"_s << u"1"_s << u"F5\"; quit"_s;
    // The console model plays every frame: "a//b" would set "a".
    QTest::newRow("a comment in the name") << u"a//b"_s << u"1"_s << u"F5"_s;
}

void tst_Animation::refusesWhatAScriptCannotHold()
{
    QFETCH(QString, name);
    QFETCH(QString, colors);
    QFETCH(QString, key);

    AnimationSettings settings;
    settings.name = name;
    settings.colors = colors;
    settings.key = key;
    settings.form = AnimationForm::KeyStep;
    const Animation animation = AnimationGenerator::generate(settings);
    QVERIFY(!animation.problem.isEmpty());
    QVERIFY(animation.script.isEmpty());
}

QTEST_APPLESS_MAIN(tst_Animation)
#include "tst_animation.moc"
