// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamecolors.h"

#include <QSettings>

namespace {

const QString alliesKey = QStringLiteral("view/allies");

} // namespace

GameColors::GameColors(QObject *parent)
    : QObject(parent)
    , m_allies(
          std::clamp(QSettings().value(alliesKey, 0).toInt(), 0, int(alliedNations().size()) - 1))
{
}

void GameColors::setAllies(int index)
{
    if (index == m_allies || index < 0 || index >= int(alliedNations().size()))
        return;
    m_allies = index;
    QSettings().setValue(alliesKey, index);
    emit changed();
}
