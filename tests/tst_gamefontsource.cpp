// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamefiles.h"
#include "gamefont/gamefontsource.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_GameFontSource : public QObject {
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void cachedPerInstallAndEdition();
};

namespace {

// A COD 2 folder whose archive holds a font of the ASCII glyphs, its material and its image.
bool writeInstall(const QString &folder)
{
    return GameFiles::write(folder + "/iw_00.iwd", GameFiles::fontArchive());
}

} // namespace

void tst_GameFontSource::load_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("withFont");
    QTest::addColumn<int>("state");

    QTest::newRow("COD 2 with its font")
        << int(GameVersion::Cod2) << true << int(GameFontSource::State::Loaded);
    QTest::newRow("COD 2 without")
        << int(GameVersion::Cod2) << false << int(GameFontSource::State::NotFound);
    QTest::newRow("COD, whose fonts are not read")
        << int(GameVersion::Cod13) << true << int(GameFontSource::State::NotFound);
}

void tst_GameFontSource::load()
{
    QFETCH(int, version);
    QFETCH(bool, withFont);
    QFETCH(int, state);

    QTemporaryDir folder;
    if (withFont)
        QVERIFY(writeInstall(folder.path()));
    const GameInstall install { GameVersion(version), folder.path(), folder.path() };
    GameFontSource source;
    QVERIFY(!source.drawing(install, GameLanguage()));
    QTRY_COMPARE(int(source.state(install, GameLanguage())), state);
    const std::shared_ptr<const NameDrawing> drawing = source.drawing(install, GameLanguage());
    QCOMPARE(bool(drawing), state == int(GameFontSource::State::Loaded));
    if (drawing)
        QCOMPARE(drawing->width("AA"), 18);
}

void tst_GameFontSource::cachedPerInstallAndEdition()
{
    QTemporaryDir folder;
    QVERIFY(writeInstall(folder.path()));
    const GameInstall install { GameVersion::Cod2, folder.path(), folder.path() };
    GameFontSource source;
    QSignalSpy loaded(&source, &GameFontSource::loaded);
    source.drawing(install, GameLanguage());
    QTRY_COMPARE(loaded.size(), 1);
    const std::shared_ptr<const NameDrawing> first = source.drawing(install, GameLanguage());
    QVERIFY(first);
    QCOMPARE(source.drawing(install, GameLanguage()), first);

    // Another edition draws the bytes of another code page: read again.
    const GameLanguage russian(GameLanguage::Id::Russian);
    QVERIFY(!source.drawing(install, russian));
    QTRY_COMPARE(loaded.size(), 2);
    QCOMPARE(source.drawing(install, russian)->codePage(), CodePage(CodePage::Id::Cyrillic));
    QCOMPARE(loaded.size(), 2);
}

QTEST_GUILESS_MAIN(tst_GameFontSource)
#include "tst_gamefontsource.moc"
