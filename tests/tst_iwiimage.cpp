// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamefiles.h"
#include "gamefont/iwiimage.h"

#include <QTest>

using Pixels = QList<std::pair<QPoint, QRgb>>;

class tst_IwiImage : public QObject {
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void damaged_data();
    void damaged();
};

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (const int value : values)
        result.append(char(value));
    return result;
}

// A DXT1 block of two 565 colors, the first pixel index 0, the second 1, the third 2, the
// fourth 3, the rest 0.
QByteArray dxt1Block(quint16 c0, quint16 c1)
{
    return bytes({ c0 & 0xff, c0 >> 8, c1 & 0xff, c1 >> 8, 0b11100100, 0, 0, 0 });
}

} // namespace

void tst_IwiImage::decode_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Pixels>("pixels");

    using namespace IwiImage;
    QTest::newRow("32-bit as B, G, R, A")
        << GameFiles::iwi(Argb32, noMipMaps, 2, 1, bytes({ 1, 2, 3, 4, 10, 20, 30, 255 }))
        << QSize(2, 1)
        << Pixels { { { 0, 0 }, qRgba(3, 2, 1, 4) }, { { 1, 0 }, qRgba(30, 20, 10, 255) } };
    // 2x2 with mips: the 1x1 level first, then the full size.
    QTest::newRow("24-bit full size after the smaller level")
        << GameFiles::iwi(Rgb24, 0, 2, 2, bytes({ 9, 9, 9, 1, 2, 3, 0, 0, 0, 0, 0, 0, 40, 50, 60 }))
        << QSize(2, 2) << Pixels { { { 0, 0 }, qRgb(3, 2, 1) }, { { 1, 1 }, qRgb(60, 50, 40) } };
    QTest::newRow("luminance and alpha")
        << GameFiles::iwi(LuminanceAlpha, noMipMaps, 1, 1, bytes({ 200, 100 })) << QSize(1, 1)
        << Pixels { { { 0, 0 }, qRgba(200, 200, 200, 100) } };
    QTest::newRow("alpha as white")
        << GameFiles::iwi(Alpha, noMipMaps, 1, 1, bytes({ 77 })) << QSize(1, 1)
        << Pixels { { { 0, 0 }, qRgba(255, 255, 255, 77) } };
    QTest::newRow("DXT1 of four colors")
        << GameFiles::iwi(Dxt1, noMipMaps, 4, 4, dxt1Block(0xf800, 0x001f)) << QSize(4, 4)
        << Pixels { { { 0, 0 }, qRgb(255, 0, 0) }, { { 1, 0 }, qRgb(0, 0, 255) },
               { { 2, 0 }, qRgb(170, 0, 85) }, { { 3, 0 }, qRgb(85, 0, 170) },
               { { 3, 3 }, qRgb(255, 0, 0) } };
    QTest::newRow("DXT1 of three colors and transparent black")
        << GameFiles::iwi(Dxt1, noMipMaps, 4, 4, dxt1Block(0x001f, 0xf800)) << QSize(4, 4)
        << Pixels { { { 2, 0 }, qRgb(127, 0, 127) }, { { 3, 0 }, qRgba(0, 0, 0, 0) } };
    QTest::newRow("DXT1 smaller than its block")
        << GameFiles::iwi(Dxt1, noMipMaps, 2, 1, dxt1Block(0xffff, 0)) << QSize(2, 1)
        << Pixels { { { 0, 0 }, qRgb(255, 255, 255) }, { { 1, 0 }, qRgb(0, 0, 0) } };
    QTest::newRow("DXT3 explicit alpha") << GameFiles::iwi(
        Dxt3, noMipMaps, 4, 4, bytes({ 0xf0, 0, 0, 0, 0, 0, 0, 0 }) + dxt1Block(0xffff, 0xffff))
                                         << QSize(4, 4)
                                         << Pixels { { { 0, 0 }, qRgba(255, 255, 255, 0) },
                                                { { 1, 0 }, qRgba(255, 255, 255, 255) } };
    // Alphas 255 and 0 with six steps between; pixel 0 takes level 0, pixel 1 level 1, pixel 2
    // level 2 (the first step: (6 * 255 + 0) / 7).
    QTest::newRow("DXT5 interpolated alpha")
        << GameFiles::iwi(Dxt5, noMipMaps, 4, 4,
               bytes({ 255, 0, 0b10001000, 0, 0, 0, 0, 0 }) + dxt1Block(0xffff, 0xffff))
        << QSize(4, 4)
        << Pixels { { { 0, 0 }, qRgba(255, 255, 255, 255) }, { { 1, 0 }, qRgba(255, 255, 255, 0) },
               { { 2, 0 }, qRgba(255, 255, 255, 218) } };
}

void tst_IwiImage::decode()
{
    QFETCH(QByteArray, file);
    QFETCH(QSize, size);
    QFETCH(Pixels, pixels);

    const QImage image = IwiImage::decode(file);
    QCOMPARE(image.size(), size);
    for (const auto &[at, rgba] : pixels)
        QCOMPARE(QString::number(image.pixel(at), 16), QString::number(rgba, 16));
}

void tst_IwiImage::damaged_data()
{
    QTest::addColumn<QByteArray>("file");

    using namespace IwiImage;
    const QByteArray good = GameFiles::iwi(Alpha, noMipMaps, 2, 2, bytes({ 1, 2, 3, 4 }));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut in the header") << good.first(20);
    QTest::newRow("cut in the data") << good.chopped(1);
    QTest::newRow("levels promised but missing")
        << GameFiles::iwi(Alpha, 0, 2, 2, bytes({ 1, 2, 3, 4 }));
    QTest::newRow("another tag") << QByteArray(good).replace(0, 3, "DDS");
    QTest::newRow("COD 4's version") << QByteArray(good).replace(3, 1, "\x06");
    QTest::newRow("wavelet") << GameFiles::iwi(8, noMipMaps, 2, 2, bytes({ 1, 2, 3, 4 }));
    QTest::newRow("no width") << GameFiles::iwi(Alpha, noMipMaps, 0, 2, {});
    QTest::newRow("negative height") << GameFiles::iwi(Alpha, noMipMaps, 2, -2, {});
    QTest::newRow("larger than any font")
        << GameFiles::iwi(Dxt1, noMipMaps, 32000, 32000, QByteArray(8, '\0'));
}

void tst_IwiImage::damaged()
{
    QFETCH(QByteArray, file);
    QVERIFY(IwiImage::decode(file).isNull());
}

QTEST_GUILESS_MAIN(tst_IwiImage)
#include "tst_iwiimage.moc"
