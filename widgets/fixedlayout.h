// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FIXEDLAYOUT_H
#define FIXEDLAYOUT_H

#include <QFont>
#include <QList>
#include <QRect>
#include <QStringList>

class QLabel;
class QMenuBar;
class QWidget;

// The windows have fixed layouts given in twips; 15 twips make one device-independent pixel.
constexpr int twipsPerPixel = 15;

constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(
        left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel);
}

// Of families in order of preference, the first one installed, or all of them when none is, for
// Qt to find the nearest. Naming only an installed family spares Qt asking the font
// configuration for a stand-in for each missing one, which adds up to a millisecond at start-up.
QStringList firstInstalledFamily(const QStringList &families);

// The font the fixed layouts were drawn for: MS Sans Serif 8 pt or a face with its metrics.
// A wider desktop font would wrap or clip captions such as "Script Name:".
QFont fixedLayoutFont();

// Gives each group of labels one font, their own or smaller, in which each label's text fits its
// box. The layouts were drawn for fonts a machine may lack, and a stand-in with wider or taller
// metrics would clip a caption. The fonts are fitted as the window paints for the first time:
// measuring them loads them, which would otherwise delay the window's showing.
void fitFontsOnFirstPaint(QWidget *window, const QList<QList<QLabel *>> &groups);

// A window of fixed size has nothing to maximize: its frame offers the other buttons only. Call
// before the window's geometry is set, as the flags make it anew.
void keepFromMaximizing(QWidget *window);

// A menu bar above a window's fixed client area, the area where the controls take the geometry
// their layout gives them. The window is the menu bar's height taller, and of fixed size.
struct MenuBarAndClient {
    QMenuBar *menuBar;
    QWidget *client;
};
MenuBarAndClient addMenuBarAbove(QWidget *window, QSize clientSize);

#endif // FIXEDLAYOUT_H
