// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namepreview.h"

#include "colorruns.h"
#include "consolerules.h"
#include "setnameline.h"
#include "shownname.h"

#include <QColor>
#include <QStringList>

namespace {

// Dark enough for white and yellow, light enough that ^0's black still shows.
const char previewGround[] = "#505050";
// The end the game cuts off: struck through, in a grey that is no color of the game's.
const char cutOffColor[] = "#b0b0b0";

QString coloredName(const QString &name)
{
    QString html;
    for (const ColorRun &run : colorRuns(name)) {
        html += QStringLiteral("<span style=\"color:%1\">%2</span>")
                    .arg(QColor(run.color).name(), run.text.toHtmlEscaped());
    }
    return html;
}

// The line a save writes for the name typed, and the name the game shows from it.
std::pair<SetNameLine, ShownName> judged(const QString &typed)
{
    SetNameLine line = SetNameLine::forName(ConsoleRules::setNameCommand.toString(), typed);
    ShownName name = ShownName::of(SetNameLine::nameSetBy(line.line).value_or(QString()));
    return { std::move(line), std::move(name) };
}

} // namespace

QString NamePreview::aboutCode(QChar digit)
{
    switch (digit.unicode()) {
    case u'6':
        return tr("The game shows ^6 magenta; its swatch is dark red.");
    case u'8':
        return tr("In COD 2, ^8 shows in the allied team's color (green for the Americans, blue "
                  "for the British, red for the Russians); COD removes it.");
    case u'9':
        return tr("^9 shows in the axis team's grey.");
    case u'0':
        return tr("The game removes ^0 from names.");
    }
    return {};
}

QString NamePreview::shownName(const QString &typed) { return judged(typed).second.shown; }

QString NamePreview::html(const QString &typed)
{
    // The name as the game sets it from the line that is saved, and as it shows it.
    const ShownName name = judged(typed).second;
    QString cut;
    if (!name.cutOff.isEmpty()) {
        cut = QStringLiteral("<s style=\"color:%1\">%2</s>")
                  .arg(QLatin1String(cutOffColor), name.cutOff.toHtmlEscaped());
    }
    return QStringLiteral("<table bgcolor=\"%1\" cellpadding=\"6\"><tr><td "
                          "style=\"white-space:pre; font-weight:bold; font-size:large\">%2%3"
                          "</td></tr></table>")
               .arg(QLatin1String(previewGround), coloredName(name.shown), cut)
        + detailsHtml(typed);
}

QString NamePreview::detailsHtml(const QString &typed)
{
    const auto [line, name] = judged(typed);
    QString html = QStringLiteral("<p>%1 / %2</p>").arg(name.bytes()).arg(ConsoleRules::nameBytes);
    if (!name.cutOff.isEmpty()) {
        html += QStringLiteral("<p>%1 <b style=\"white-space:pre\">%2</b></p>")
                    .arg(tr("COD 2 cuts off the end:"), name.cutOff.toHtmlEscaped());
    }
    if (!name.removed.isEmpty()) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(tr("The games refuse %1 in a name.")
                             .arg(name.removed.join(tr(" and ")).toHtmlEscaped()));
    }
    if (!line.refusal.isEmpty())
        html += QStringLiteral("<p>%1.</p>").arg(line.refusal.toHtmlEscaped());
    // Each code once, in the order typed.
    QString codes;
    for (qsizetype at = typed.indexOf(u'^'); at >= 0 && at + 1 < typed.size();
         at = typed.indexOf(u'^', at + 2)) {
        if (!codes.contains(typed[at + 1]))
            codes += typed[at + 1];
    }
    for (const QChar digit : std::as_const(codes)) {
        if (const QString about = aboutCode(digit); !about.isEmpty())
            html += QStringLiteral("<p>%1</p>").arg(about.toHtmlEscaped());
    }
    return html;
}
