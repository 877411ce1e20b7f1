// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamefont/gamearchives.h"
#include "gamefiles.h"
#include "gamefont/gamefont.h"
#include "gamefont/iwiimage.h"

#include <QTemporaryDir>
#include <QTest>

using Files = QList<std::pair<QString, QByteArray>>;

class tst_GameFont : public QObject {
    Q_OBJECT

private slots:
    void glyph_data();
    void glyph();
    void damagedFont_data();
    void damagedFont();
    void materialImage_data();
    void materialImage();
    void load_data();
    void load();
};

namespace {

const QList<GameFiles::Glyph> ascii { { 'A', 1, -9, 8, 6, 9, 0, 0, 0.5f, 1 },
    { '.', 0, -2, 3, 2, 2, 0.5f, 0, 0.75f, 0.25f } };
// The extra letters sorted: Windows-1251's Д, Ж and Я.
const QList<GameFiles::Glyph> cyrillic { { 0xc4, 0, -9, 9, 8, 9, 0, 0, 1, 1 },
    { 0xc6, 0, -9, 11, 10, 9, 0, 0, 1, 1 }, { 0xdf, -1, -9, 7, 7, 9, 0, 0, 1, 1 } };

QByteArray cyrillicFont() { return GameFiles::font(12, ascii, cyrillic, "fonts/gamefonts_pc"); }

} // namespace

void tst_GameFont::glyph_data()
{
    QTest::addColumn<uint>("letter");
    QTest::addColumn<int>("advance");
    QTest::addColumn<int>("x0");
    QTest::addColumn<bool>("held");

    QTest::newRow("ASCII by place") << uint('A') << 8 << 1 << true;
    QTest::newRow("ASCII without a drawing") << uint('B') << 1 << 0 << true;
    QTest::newRow("extra letter, first") << 0xc4u << 9 << 0 << true;
    QTest::newRow("extra letter, middle") << 0xc6u << 11 << 0 << true;
    QTest::newRow("extra letter, last, to the left") << 0xdfu << 7 << -1 << true;
    QTest::newRow("missing letter drawn as the period") << 0xc5u << 3 << 0 << false;
    QTest::newRow("missing above all") << 0xffu << 3 << 0 << false;
    QTest::newRow("control byte drawn as the period") << 0x1fu << 3 << 0 << false;
}

void tst_GameFont::glyph()
{
    QFETCH(uint, letter);
    QFETCH(int, advance);
    QFETCH(int, x0);
    QFETCH(bool, held);

    const std::optional<GameFont> font = GameFont::parse(cyrillicFont());
    QVERIFY(font);
    QCOMPARE(font->pixelHeight(), 12);
    QCOMPARE(font->material(), "fonts/gamefonts_pc");
    QCOMPARE(font->glyph(letter).dx, advance);
    QCOMPARE(font->glyph(letter).x0, x0);
    QCOMPARE(font->holds(letter), held);
}

void tst_GameFont::damagedFont_data()
{
    QTest::addColumn<QByteArray>("file");

    const QByteArray good = cyrillicFont();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << good.first(16);
    QTest::newRow("glyphs cut off") << good.first(16 + 24 * 50);
    QTest::newRow("material's name unterminated") << good.chopped(1);
    QTest::newRow("fewer glyphs than ASCII")
        << QByteArray(good).replace(8, 4, QByteArray("\x10\0\0\0", 4));
    QTest::newRow("more glyphs than the file")
        << QByteArray(good).replace(8, 4, QByteArray("\xff\xff\xff\x7f", 4));
    QTest::newRow("material's name beyond the file")
        << QByteArray(good).replace(12, 4, QByteArray("\xff\xff\0\0", 4));
    QTest::newRow("material's name before the file")
        << QByteArray(good).replace(12, 4, QByteArray("\xff\xff\xff\xff", 4));
    QTest::newRow("no pixel height") << QByteArray(good).replace(4, 4, QByteArray(4, '\0'));
    QTest::newRow("texture coordinate not a number")
        << QByteArray(good).replace(16 + 8, 4, QByteArray("\0\0\xc0\x7f", 4));
}

void tst_GameFont::damagedFont()
{
    QFETCH(QByteArray, file);
    QVERIFY(!GameFont::parse(file));
}

void tst_GameFont::materialImage_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("image");

    const QByteArray good = GameFiles::material("gamefonts_pc");
    QTest::newRow("the color map's") << good << "gamefonts_pc";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("header only") << good.first(68) << "";
    QTest::newRow("textures beyond the file")
        << QByteArray(good).replace(60, 4, QByteArray("\0\1\0\0", 4)) << "";
    QTest::newRow("no textures") << QByteArray(good).replace(52, 2, QByteArray(2, '\0')) << "";
    QTest::newRow("image's name unterminated") << good.chopped(1) << "";
}

void tst_GameFont::materialImage()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, image);
    QCOMPARE(GameFont::materialImage(file), image);
}

void tst_GameFont::load_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QSize>("imageSize"); // empty when the font is not found

    const QByteArray image
        = GameFiles::iwi(IwiImage::Alpha, IwiImage::noMipMaps, 4, 2, QByteArray(8, '\xff'));
    const std::pair<QString, QByteArray> font { "fonts/normalFont", cyrillicFont() };
    const std::pair<QString, QByteArray> material { "materials/fonts/gamefonts_pc",
        GameFiles::material("gamefonts_pc") };
    const std::pair<QString, QByteArray> iwi { "images/gamefonts_pc.iwi", image };
    QTest::newRow("font, material and image") << Files { font, material, iwi } << QSize(4, 2);
    QTest::newRow("no font") << Files { material, iwi } << QSize();
    QTest::newRow("no material") << Files { font, iwi } << QSize();
    QTest::newRow("no image") << Files { font, material } << QSize();
    QTest::newRow("damaged image")
        << Files { font, material, { iwi.first, image.chopped(1) } } << QSize();
}

void tst_GameFont::load()
{
    QFETCH(Files, files);
    QFETCH(QSize, imageSize);

    QTemporaryDir folder;
    QVERIFY(GameFiles::write(folder.filePath("iw_00.iwd"), GameFiles::archive(files)));
    const std::optional<GameFont> font
        = GameFont::load(GameArchives(folder.path(), ".iwd"), "fonts/normalFont");
    QCOMPARE(font.has_value(), !imageSize.isEmpty());
    if (font)
        QCOMPARE(font->image().size(), imageSize);
}

QTEST_GUILESS_MAIN(tst_GameFont)
#include "tst_gamefont.moc"
