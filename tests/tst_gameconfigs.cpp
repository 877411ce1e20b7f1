// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/gameconfigs.h"
#include "treefile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// What the configs in a game's own folder tell: its edition's language and the frame rate.
class tst_GameConfigs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void languageOfTheInstall_data();
    void languageOfTheInstall();
    void frameRateOfTheConfigs_data();
    void frameRateOfTheConfigs();

private:
    // Makes the files of a main folder, "path" or "path=content".
    bool makeMain(const QStringList &files);

    std::unique_ptr<QTemporaryDir> m_root;
};

void tst_GameConfigs::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
}

bool tst_GameConfigs::makeMain(const QStringList &files)
{
    return std::ranges::all_of(files, [this](const QString &entry) {
        return writeTreeFile(m_root->filePath(u"main/"_s + entry.section(u'=', 0, 0)),
            entry.section(u'=', 1).toUtf8());
    });
}

void tst_GameConfigs::languageOfTheInstall_data()
{
    QTest::addColumn<QStringList>("files"); // in the game's main folder
    QTest::addColumn<QString>("language"); // empty: none found

    const QString cod2Config = u"players/one/config_mp.cfg=seta loc_language \"%1\"\r\n"_s;
    QTest::newRow("COD 2, Polish archives")
        << QStringList { u"iw_00.iwd"_s, u"localized_polish_iw00.iwd"_s } << u"polish"_s;
    QTest::newRow("COD, Russian archives")
        << QStringList { u"pak0.pk3"_s, u"localized_russian_pak0.pk3"_s } << u"russian"_s;
    QTest::newRow("COD 2, the profile's config")
        << QStringList { u"iw_00.iwd"_s, cod2Config.arg(6) } << u"russian"_s;
    QTest::newRow("COD 2, the active profile's config")
        << QStringList { u"players/active.txt=two"_s, cod2Config.arg(6),
               u"players/two/config_mp.cfg=seta loc_language \"7\""_s }
        << u"polish"_s;
    QTest::newRow("COD, its config")
        << QStringList { u"pak0.pk3"_s, u"config_mp.cfg=seta cl_language \"7\""_s }
        << u"polish"_s;
    // The game keeps its config's language whatever archives it has; without one, the archives.
    QTest::newRow("config names a language without archives") << QStringList {
        u"localized_english_iw00.iwd"_s, u"localized_russian_iw00.iwd"_s, cod2Config.arg(7)
    } << u"polish"_s;
    QTest::newRow("United Offensive's config")
        << QStringList { u"pakuo00.pk3"_s, u"uoconfig_mp.cfg=seta cl_language \"6\""_s }
        << u"russian"_s;
    QTest::newRow("an Asian edition's number") << QStringList { cod2Config.arg(10) } << QString();
    QTest::newRow("nothing to tell") << QStringList { u"iw_00.iwd"_s } << QString();
}

void tst_GameConfigs::languageOfTheInstall()
{
    QFETCH(QStringList, files);
    QFETCH(QString, language);

    QVERIFY(makeMain(files));
    const std::optional<GameLanguage> found = GameConfigs::editionOf(m_root->filePath(u"main"_s));
    QCOMPARE(found ? found->key() : QString(), language);
}

void tst_GameConfigs::frameRateOfTheConfigs_data()
{
    QTest::addColumn<QStringList>("files"); // in the game's main folder
    QTest::addColumn<int>("maxFps"); // 0: none set

    QTest::newRow("COD's config") << QStringList { u"config_mp.cfg=seta com_maxfps 125"_s } << 125;
    QTest::newRow("United Offensive's config")
        << QStringList { u"uoconfig_mp.cfg=seta com_maxfps 250"_s } << 250;
    QTest::newRow("COD 2's profiles, the last")
        << QStringList { u"players/a/config_mp.cfg=seta com_maxfps 100"_s,
               u"players/b/config_mp.cfg=seta com_maxfps 125"_s }
        << 125;
    // 0 caps nothing: frames of a millisecond.
    QTest::newRow("no cap") << QStringList { u"config_mp.cfg=seta com_maxfps 0"_s } << 1000;
    QTest::newRow("none set") << QStringList { u"config_mp.cfg=seta name A"_s } << 0;
}

void tst_GameConfigs::frameRateOfTheConfigs()
{
    QFETCH(QStringList, files);
    QFETCH(int, maxFps);
    QVERIFY(makeMain(files));
    QCOMPARE(GameConfigs::maxFpsIn(m_root->filePath(u"main"_s)).value_or(0), maxFps);
}

QTEST_GUILESS_MAIN(tst_GameConfigs)
#include "tst_gameconfigs.moc"
