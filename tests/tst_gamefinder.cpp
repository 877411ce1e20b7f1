// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/gamefinder.h"
#include "treefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Answers "32:" or "64:" followed by the key, a backslash and the value's name.
class FakeRegistry : public RegistryReader {
public:
    QString value(const QString &key, const QString &name, View view) const override
    {
        return values.value((view == View::Wow32 ? u"32:"_s : u"64:"_s) + key + u'\\' + name);
    }

    QHash<QString, QString> values;
};

const QString cod2Key = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Activision\\Call of Duty 2\\InstallPath"_s;
const QString steamCod2 = u".local/share/Steam/steamapps/common/Call of Duty 2/main"_s;
const QString programFiles = u"Program Files (x86)/Activision/Call of Duty 2/main"_s;

} // namespace

// Finds the games in folder trees laid out as Steam, Wine and Windows lay them out.
class tst_GameFinder : public QObject {
    Q_OBJECT

private slots:
    void init();
    void findsTheGames_data();
    void findsTheGames();

private:
    // Makes the files, "path" or "path=content", with {root} standing for the tree's folder;
    // a path starting with '!' is a folder that cannot be read.
    bool makeTree(const QStringList &files);
    QString withRoot(QString text) const;

    std::unique_ptr<QTemporaryDir> m_root;
    FakeRegistry m_registry;
    GameSearch m_search;
};

void tst_GameFinder::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_registry = {};
    m_search = {};
    m_search.home = m_root->path();
    m_search.winePrefixes = { m_root->filePath(u".wine"_s) };
    m_search.registry = &m_registry;
    m_search.programFilesFolders = { m_root->filePath(u"Program Files (x86)"_s) };
    m_search.localAppData = m_root->filePath(u"AppData/Local"_s);
}

QString tst_GameFinder::withRoot(QString text) const
{
    return text.replace(u"{root}"_s, m_root->path())
        .replace(u"{root without drive}"_s, m_root->path().section(u'/', 1));
}

bool tst_GameFinder::makeTree(const QStringList &files)
{
    for (const QString &entry : files) {
        const QString path = m_root->filePath(entry.section(u'=', 0, 0).remove(u'!'));
        if (entry.startsWith(u'!')) {
            // Where permissions cannot keep this account out, the test says so and skips.
            if (!QDir().mkpath(path))
                return false;
            QFile::setPermissions(path, {});
            continue;
        }
        if (!writeTreeFile(path, withRoot(entry.section(u'=', 1)).toUtf8()))
            return false;
    }
    return true;
}

void tst_GameFinder::findsTheGames_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("registry");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QStringList>("found"); // game, main folder, and a script folder elsewhere

    const QString cod2 = u"COD 2 "_s;
    QTest::newRow("Steam, COD 2") << QStringList { steamCod2 + u"/iw_00.iwd"_s } << QStringList()
                                  << true << QStringList { cod2 + steamCod2 };
    QTest::newRow("Steam library listed, COD, the root listed too")
        << QStringList { u".steam/steam/steamapps/libraryfolders.vdf=\"libraryfolders\" { \"0\" { "
                         "\"path\" \"{root}/.steam/steam\" } \"1\" { \"path\"\t\t\"{root}/games\" "
                         "} }"_s,
               u".steam/steam/steamapps/common/Call of Duty/main/pak0.pk3"_s,
               u"games/steamapps/common/Call of Duty/main/PAK1.PK3"_s }
        << QStringList() << true
        << QStringList { u"COD .steam/steam/steamapps/common/Call of Duty/main"_s,
               u"COD games/steamapps/common/Call of Duty/main"_s };
    QTest::newRow("no archives") << QStringList { steamCod2 + u"/readme.txt"_s } << QStringList()
                                 << true << QStringList();
    QTest::newRow("unreadable main")
        << QStringList { u"!"_s + steamCod2 } << QStringList() << true << QStringList();
    QTest::newRow("Wine, installed where its registry says, after COD in Steam")
        << QStringList { u".wine/system.reg=WINE REGISTRY Version 2\n\n"
                         "[Software\\\\Wow6432Node\\\\Activision\\\\Call of Duty 2] 1700000000\n"
                         "#time=1da\n\"InstallPath\"=\"C:\\\\Games\\\\CoD2\"\n"_s,
               u".wine/drive_c/Games/CoD2/main/iw_00.iwd"_s,
               u".local/share/Steam/steamapps/common/Call of Duty/main/pak0.pk3"_s }
        << QStringList() << true
        << QStringList { cod2 + u".wine/drive_c/Games/CoD2/main"_s,
               u"COD .local/share/Steam/steamapps/common/Call of Duty/main"_s };
    QTest::newRow("Wine, the usual folder")
        << QStringList { u".wine/drive_c/Program Files/Activision/Call of Duty/main/pak0.pk3"_s }
        << QStringList() << true
        << QStringList { u"COD .wine/drive_c/Program Files/Activision/Call of Duty/main"_s };
    QTest::newRow("Windows, writable install")
        << QStringList { programFiles + u"/iw_00.iwd"_s }
        << QStringList { u"32:"_s + cod2Key
               + u"={root}/Program Files (x86)/Activision/Call of Duty 2"_s }
        << true << QStringList { cod2 + programFiles };
    QTest::newRow("Windows, Program Files not writable: VirtualStore")
        << QStringList { programFiles + u"/iw_00.iwd"_s }
        << QStringList { u"32:"_s + cod2Key
               + u"={root}/Program Files (x86)/Activision/Call of Duty 2"_s }
        << false
        << QStringList { cod2 + programFiles
               + u" AppData/Local/VirtualStore/{root without drive}/"_s + programFiles };
    // United Offensive adds its uo folder beside COD's main, or stands where its own key says.
    QTest::newRow("Wine, COD with United Offensive added")
        << QStringList { u".wine/drive_c/Program Files/Activision/Call of Duty/main/pak0.pk3"_s,
               u".wine/drive_c/Program Files/Activision/Call of Duty/uo/pakuo00.pk3"_s }
        << QStringList() << true
        << QStringList { u"COD .wine/drive_c/Program Files/Activision/Call of Duty/main"_s,
               u"COD UO .wine/drive_c/Program Files/Activision/Call of Duty/uo"_s };
    QTest::newRow("Windows, United Offensive's own key")
        << QStringList { u"UO/main/pak0.pk3"_s, u"UO/uo/pakuo00.pk3"_s }
        << QStringList { u"32:HKEY_LOCAL_MACHINE\\SOFTWARE\\Activision\\Call of Duty United "
                         "Offensive\\InstallPath={root}/UO"_s }
        << true << QStringList { u"COD UO/main"_s, u"COD UO UO/uo"_s };
    QTest::newRow("Windows, Steam's own registry entry")
        << QStringList { u"Steam/steamapps/common/Call of Duty 2/main/iw_01.iwd"_s }
        << QStringList { u"64:HKEY_CURRENT_USER\\Software\\Valve\\Steam\\SteamPath={root}/Steam"_s }
        << false << QStringList { u"COD 2 Steam/steamapps/common/Call of Duty 2/main"_s };
}

void tst_GameFinder::findsTheGames()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, registry);
    QFETCH(bool, writable);
    QFETCH(QStringList, found);

    QVERIFY(makeTree(files));
    const QString unreadable = m_root->filePath(steamCod2);
    if (files.value(0).startsWith(u'!') && QDir(unreadable).isReadable())
        QSKIP("This account reads folders whatever their permissions (root).");
    for (const QString &value : registry)
        m_registry.values.insert(value.section(u'=', 0, 0), withRoot(value.section(u'=', 1)));
    m_search.canWrite = [writable](const QString &) { return writable; };

    QStringList games;
    const QDir root(m_root->path());
    for (const GameInstall &game : findGames(m_search)) {
        QString line = GameNames::of(game.family()) + u' ' + root.relativeFilePath(game.mainFolder);
        if (game.scriptFolder != game.mainFolder)
            line += u' ' + root.relativeFilePath(game.scriptFolder);
        games << line;
    }
    for (QString &line : found)
        line = withRoot(line);
    QCOMPARE(games, found);
    QFile::setPermissions(unreadable, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_MAIN(tst_GameFinder)
#include "tst_gamefinder.moc"
