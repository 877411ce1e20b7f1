// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptline.h"

#include <QRegularExpression>

std::optional<QString> nameSetByLine(QStringView line)
{
    // The console ignores case and the amount of blank space between words.
    static const QRegularExpression command(
        QLatin1String(R"re(^\s*set\s+name(?:\s+(?:"([^"]*)"|([^;]*)))?\s*(?:;|$))re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = command.match(line.toString());
    if (!match.hasMatch())
        return std::nullopt;
    if (match.hasCaptured(1))
        return match.captured(1);
    return match.captured(2).simplified();
}
