// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamefont/gamearchives.h"
#include "gamefiles.h"

#include <QTemporaryDir>
#include <QTest>

using Files = QList<std::pair<QString, QByteArray>>;
using Archives = QList<std::pair<QString, Files>>;

class tst_GameArchives : public QObject {
    Q_OBJECT

private slots:
    void searchOrder_data();
    void searchOrder();
    void read_data();
    void read();
    void damagedArchive_data();
    void damagedArchive();
};

void tst_GameArchives::searchOrder_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("last in name order first") << QStringList { "iw_00.iwd", "iw_10.iwd",
        "iw_01.iwd" } << QStringList { "iw_10.iwd", "iw_01.iwd", "iw_00.iwd" };
    QTest::newRow("letters of either case") << QStringList { "iw_01.iwd", "IW_02.iwd",
        "iw_03.iwd" } << QStringList { "iw_03.iwd", "IW_02.iwd", "iw_01.iwd" };
    // FS_PathCmp compares in upper case: the underscore (0x5f) comes after the letters.
    QTest::newRow("compared in upper case") << QStringList { "zpatch.iwd", "z_patch.iwd" }
                                            << QStringList { "z_patch.iwd", "zpatch.iwd" };
    QTest::newRow("localized after the others")
        << QStringList { "localized_russian_iw00.iwd", "iw_00.iwd", "localized_russian_iw01.iwd",
               "zz.iwd" }
        << QStringList { "zz.iwd", "iw_00.iwd", "localized_russian_iw01.iwd",
               "localized_russian_iw00.iwd" };
}

void tst_GameArchives::searchOrder()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, order);
    QCOMPARE(GameArchives::searchOrder(names), order);
}

void tst_GameArchives::read_data()
{
    QTest::addColumn<Archives>("archives");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("expected"); // null for none

    const Files font { { "fonts/normalFont", "first" } };
    QTest::newRow("a later archive overrides an earlier one")
        << Archives { { "iw_00.iwd", font }, { "iw_07.iwd", { { "fonts/normalFont", "patch" } } } }
        << "fonts/normalFont" << QByteArray("patch");
    QTest::newRow("localized after the others") << Archives { { "iw_00.iwd", font },
        { "localized_russian_iw00.iwd", { { "fonts/normalFont", "russian" } } } }
                                                << "fonts/normalFont" << QByteArray("first");
    QTest::newRow("letters of either case, either slash")
        << Archives { { "iw_00.iwd", font } } << "FONTS\\NORMALFONT" << QByteArray("first");
    QTest::newRow("from the archive that holds it")
        << Archives { { "iw_00.iwd", font }, { "iw_01.iwd", { { "images/x.iwi", "x" } } } }
        << "fonts/normalFont" << QByteArray("first");
    QTest::newRow("none holds it")
        << Archives { { "iw_00.iwd", font } } << "fonts/bigFont" << QByteArray();
    QTest::newRow("larger than asked for")
        << Archives { { "iw_00.iwd", { { "fonts/normalFont", QByteArray(101, 'x') } } } }
        << "fonts/normalFont" << QByteArray();
    QTest::newRow("a damaged archive is passed over")
        << Archives { { "iw_00.iwd", font }, { "iw_99.iwd", { { "", "PK\x03\x04 damaged" } } } }
        << "fonts/normalFont" << QByteArray("first");
    QTest::newRow("archives of another game are not read")
        << Archives { { "pak0.pk3", font } } << "fonts/normalFont" << QByteArray();
}

void tst_GameArchives::read()
{
    QFETCH(Archives, archives);
    QFETCH(QString, path);
    QFETCH(QByteArray, expected);

    QTemporaryDir folder;
    for (const auto &[name, files] : archives) {
        // A file without a path stands for the archive's own bytes.
        const QByteArray bytes = files.size() == 1 && files[0].first.isEmpty()
            ? files[0].second
            : GameFiles::archive(files);
        QVERIFY(GameFiles::write(folder.filePath(name), bytes));
    }
    const std::optional<QByteArray> data = GameArchives(folder.path(), ".iwd").read(path, 100);
    QCOMPARE(data.has_value(), !expected.isNull());
    if (data)
        QCOMPARE(*data, expected);
}

void tst_GameArchives::damagedArchive_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray good
        = GameFiles::archive({ { "fonts/normalFont", QByteArray(64, 'a') + "font" } });
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a zip") << QByteArray("Call of Duty 2");
    QTest::newRow("cut in half") << good.first(good.size() / 2);
    QTest::newRow("directory cut off") << good.first(good.size() - 30);
    // The packed data (after the 30-byte local header and the 16-byte path) garbled.
    QTest::newRow("packed data garbled")
        << QByteArray(good).replace(46, 8, "\xff\xff\xff\xff\xff\xff\xff\xff");
    // QZipReader would allocate the packed size the directory gives before reading it.
    const qsizetype entry = good.indexOf("PK\x01\x02");
    QTest::newRow("packed size beyond the archive")
        << QByteArray(good).replace(entry + 20, 4, "\xff\xff\xff\x7f");
    QTest::newRow("local header garbled") << QByteArray(good).replace(0, 4, "XXXX");
}

void tst_GameArchives::damagedArchive()
{
    QFETCH(QByteArray, bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const GameArchive archive(&buffer);
    // Either refused whole, or the file not given: never a wrong one.
    const std::optional<QByteArray> data = archive.read("fonts/normalFont", 1000);
    QVERIFY(!data || *data == QByteArray(64, 'a') + "font");
    QVERIFY(!data || bytes.size() > 100);
}

QTEST_GUILESS_MAIN(tst_GameArchives)
#include "tst_gamearchives.moc"
