// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COLORSWATCH_H
#define COLORSWATCH_H

#include <QAbstractButton>
#include <QColor>

// A plain filled rectangle that works as a button: a click anywhere on it, or Space while it
// has the focus, presses it. Tab reaches it; a mouse click leaves the focus where it was.
class ColorSwatch : public QAbstractButton {
    Q_OBJECT

public:
    explicit ColorSwatch(const QColor &fill, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};

#endif // COLORSWATCH_H
