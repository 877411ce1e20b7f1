// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PICCOLOR_H
#define PICCOLOR_H

#include <QString>

// The ten color codes the games accept in a player name: a caret and one digit.
class picColor {
public:
    QString One() const;
    QString Two() const;
    QString Three() const;
    QString Four() const;
    QString Five() const;
    QString Six() const;
    QString Seven() const;
    QString Eight() const;
    QString Nine() const;
    QString Ten() const;
};

#endif // PICCOLOR_H
