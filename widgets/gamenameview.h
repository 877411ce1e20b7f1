// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMENAMEVIEW_H
#define GAMENAMEVIEW_H

#include "console/colorruns.h"

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QPointer>
#include <QWidget>

// A player name drawn as the game draws it: large, in the game's colors, on a dark ground.
class GameColors;
class GameLetters;
class NameDrawing;
class QPainter;

// The glyphs of the runs of names drawn before, in the font they were drawn in. A name drawn
// again at each keystroke keeps all its runs but the last, and each run is drawn twice, with its
// shadow.
struct NameGlyphs {
    struct Run {
        QList<QGlyphRun> glyphs;
        qreal ascent = 0;
        int advance = 0;
    };
    QFont font;
    int dotsPerInch = 0;
    QHash<QString, Run> runs;
};

// Draws name from x on baseline in the painter's font, as the game draws names: in its colors,
// with a black shadow below and to the right. Returns the width drawn.
int paintGameName(QPainter &painter, int x, int baseline, const QString &name,
    const GamePalette &palette, NameGlyphs &glyphs);

// The font's pixels doubled, as a screen 1280 wide shows the 640 virtual pixels the engine lays
// its scoreboard out in.
constexpr int gameNameScale = 2;

class GameNameView : public QWidget {
    Q_OBJECT

public:
    // colors: the team colors it draws ^8 and ^9 in, which it follows.
    explicit GameNameView(const GameColors &colors, QWidget *parent = nullptr);

    // Draws the name in the game's own letters once letters has them, and follows them;
    // nothing draws it in the desktop's letters.
    void drawIn(GameLetters *letters);
    void setName(const QString &name);
    QString name() const { return m_name; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    GamePalette m_palette;
    QPointer<GameLetters> m_letters;
    NameGlyphs m_glyphs;
};

#endif // GAMENAMEVIEW_H
