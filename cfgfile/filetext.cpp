// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filetext.h"

using namespace Qt::StringLiterals;

QString fileTextOf(QStringView editorText)
{
    return editorText.toString().replace(u'\n', u"\r\n"_s) + u"\r\n"_s;
}
