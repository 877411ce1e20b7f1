// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef LANGUAGEMENU_H
#define LANGUAGEMENU_H

#include <QCoreApplication>

class QMenu;
class QWidget;

// The choice of the language Tintmark speaks, in both windows' File menu: the system's or one
// of the catalogues', taking effect at the next start.
class LanguageMenu {
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)

public:
    static void addTo(QMenu *menu, QWidget *window);
};

#endif // LANGUAGEMENU_H
