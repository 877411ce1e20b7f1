// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamefiles.h"
#include "gamefont/namedrawing.h"

#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

using Rects = QList<std::pair<QRect, QColor>>;

class tst_NameDrawing : public QObject {
    Q_OBJECT

private slots:
    void draw_data();
    void draw();
    void width_data();
    void width();
};

namespace {

const QColor ground(30, 30, 30);

// An 8x4 image: 'A' a white block of 3x4 texels at the left, 'B' one of 2x2 at 4, '.' the texel
// at the bottom right corner.
std::shared_ptr<const GameFont> blockFont()
{
    QImage image(8, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(0, 0, 3, 4, Qt::white);
    painter.fillRect(4, 0, 2, 2, Qt::white);
    painter.fillRect(7, 3, 1, 1, Qt::white);
    painter.end();
    std::optional<GameFont> font = GameFont::parse(GameFiles::font(4,
        { { 'A', 0, -4, 4, 3, 4, 0, 0, 3 / 8.f, 1 },
            { 'B', 1, -2, 3, 2, 2, 4 / 8.f, 0, 6 / 8.f, 0.5f },
            { '.', 0, -1, 2, 1, 1, 7 / 8.f, 3 / 4.f, 1, 1 } },
        {}, "fonts/blocks"));
    if (!font)
        return nullptr;
    font->setImage(image);
    return std::make_shared<const GameFont>(*font);
}

QColor code(int digit) { return QColor(gamePalette()[digit]); }

} // namespace

void tst_NameDrawing::draw_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<int>("scale");
    QTest::addColumn<Rects>("rects"); // drawn in order on the ground

    const QColor black = Qt::black;
    // The pen starts at (2, 6); 'A' reaches 4 above the baseline, its shadow one pixel down and
    // right.
    QTest::newRow("a glyph with its shadow")
        << "A" << int(CodePage::Id::Western) << 1
        << Rects { { { 3, 3, 3, 4 }, black }, { { 2, 2, 3, 4 }, code(7) } };
    QTest::newRow("the next glyph at the advance, its own offsets, in the code's color")
        << "A^1B" << int(CodePage::Id::Western) << 1
        << Rects { { { 3, 3, 3, 4 }, black }, { { 2, 2, 3, 4 }, code(7) },
               { { 8, 5, 2, 2 }, black }, { { 7, 4, 2, 2 }, code(1) } };
    QTest::newRow("the team color of ^8")
        << "^8A" << int(CodePage::Id::Western) << 1
        << Rects { { { 3, 3, 3, 4 }, black }, { { 2, 2, 3, 4 }, code(8) } };
    QTest::newRow("a letter the font lacks shown as the period")
        << u"Ж"_s << int(CodePage::Id::Cyrillic) << 1
        << Rects { { { 3, 6, 1, 1 }, black }, { { 2, 5, 1, 1 }, code(7) } };
    QTest::newRow("twice the size")
        << "A" << int(CodePage::Id::Western) << 2
        << Rects { { { 4, 0, 6, 8 }, black }, { { 2, -2, 6, 8 }, code(7) } };
}

void tst_NameDrawing::draw()
{
    QFETCH(QString, name);
    QFETCH(int, codePage);
    QFETCH(int, scale);
    QFETCH(Rects, rects);

    const std::shared_ptr<const GameFont> font = blockFont();
    QVERIFY(font);
    const NameDrawing drawing(font, CodePage(CodePage::Id(codePage)));
    QImage drawn(16, 10, QImage::Format_RGB32);
    drawn.fill(ground);
    QPainter painter(&drawn);
    // Magnified as the views magnify it, the pen at (2, 6) of the image all the same.
    painter.scale(scale, scale);
    drawing.draw(painter, QPoint(2, 6) / scale, name, gamePalette());
    painter.end();

    QImage expected(16, 10, QImage::Format_RGB32);
    expected.fill(ground);
    QPainter expecting(&expected);
    for (const auto &[rect, color] : rects)
        expecting.fillRect(rect, color);
    expecting.end();
    QCOMPARE(drawn, expected);
}

void tst_NameDrawing::width_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("held");

    QTest::newRow("advances summed") << "AB" << 7 << true;
    QTest::newRow("color codes take no room") << "^1A^2B" << 7 << true;
    QTest::newRow("a glyph without a drawing") << "C" << 1 << true;
    QTest::newRow("a missing letter as wide as the period") << u"AЖ"_s << 6 << false;
}

void tst_NameDrawing::width()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(bool, held);

    const std::shared_ptr<const GameFont> font = blockFont();
    QVERIFY(font);
    const NameDrawing drawing(font, CodePage(CodePage::Id::Cyrillic));
    QCOMPARE(drawing.width(name), width);
    QCOMPARE(drawing.holdsEvery(name), held);
}

QTEST_MAIN(tst_NameDrawing)
#include "tst_namedrawing.moc"
