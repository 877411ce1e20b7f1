// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namepreview.h"

#include "colorruns.h"
#include "consolerules.h"
#include "setnameline.h"
#include "shownname.h"

#include <QColor>
#include <QCoreApplication>
#include <QStringList>

namespace {

QString tr(const char *text) { return QCoreApplication::translate("NamePreview", text); }

// Dark enough for white and yellow, light enough that ^0's black still shows.
const char previewGround[] = "#505050";

QString coloredName(const QString &name)
{
    QString html;
    for (const ColorRun &run : colorRuns(name)) {
        html += QStringLiteral("<span style=\"color:%1\">%2</span>")
                    .arg(QColor(run.color).name(), run.text.toHtmlEscaped());
    }
    return html;
}

} // namespace

QString namePreviewHtml(const QString &typed)
{
    // The name as the game shows it, and what the game would do with the line.
    const QString name = cleanedName(typed);
    QString html = QStringLiteral("<table bgcolor=\"%1\" cellpadding=\"6\"><tr><td "
                                  "style=\"white-space:pre; font-weight:bold; font-size:large\">%2"
                                  "</td></tr></table>")
                       .arg(QLatin1String(previewGround), coloredName(name));

    const QList<uint> characters = name.toUcs4();
    html += QStringLiteral("<p>%1 / %2</p>").arg(characters.size()).arg(ConsoleRules::nameBytes);
    if (characters.size() > ConsoleRules::nameBytes) {
        const auto *kept = reinterpret_cast<const char32_t *>(characters.constData());
        const QString cut = QString::fromUcs4(
            kept + ConsoleRules::nameBytes, characters.size() - ConsoleRules::nameBytes);
        html += QStringLiteral("<p>%1 <b style=\"white-space:pre\">%2</b></p>")
                    .arg(tr("COD 2 cuts off the end:"), cut.toHtmlEscaped());
    }

    const QStringList refused = removedCharactersIn(typed);
    if (!refused.isEmpty()) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(tr("The games refuse %1 in a name.")
                             .arg(refused.join(tr(" and ")).toHtmlEscaped()));
    }
    const QString refusal = SetNameLine::forName(u"set name"_qs, typed).refusal;
    if (!refusal.isEmpty())
        html += QStringLiteral("<p>%1.</p>").arg(refusal.toHtmlEscaped());
    return html;
}
