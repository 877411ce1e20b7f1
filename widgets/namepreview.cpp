// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namepreview.h"

#include "colorruns.h"
#include "consolerules.h"
#include "gamecolors.h"
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
    for (const ColorRun &run : colorRuns(name, GameColors::instance().palette())) {
        html += QStringLiteral("<span style=\"color:%1\">%2</span>")
                    .arg(QColor(run.color).name(), run.text.toHtmlEscaped());
    }
    return html;
}

} // namespace

JudgedName NamePreview::judge(const QString &typed)
{
    SetNameLine line = SetNameLine::forName(ConsoleRules::setNameCommand.toString(), typed);
    ShownName name = ShownName::of(SetNameLine::nameSetBy(line.line).value_or(QString()));
    return { std::move(line), std::move(name), colorCodesIn(typed) };
}

QString NamePreview::html(const JudgedName &judged, const QString &heading)
{
    // The name as the game sets it from the line that is saved, and as it shows it.
    const ShownName &name = judged.name;
    QString cut;
    if (!name.cutOff.isEmpty()) {
        cut = QStringLiteral("<s style=\"color:%1\">%2</s>")
                  .arg(QLatin1String(cutOffColor), name.cutOff.toHtmlEscaped());
    }
    return (heading.isEmpty() ? QString() : u"<p>%1</p>"_qs.arg(heading.toHtmlEscaped()))
        + QStringLiteral("<table bgcolor=\"%1\" cellpadding=\"6\"><tr><td "
                         "style=\"white-space:pre; font-weight:bold; font-size:large\">%2%3"
                         "</td></tr></table>")
              .arg(QLatin1String(previewGround), coloredName(name.shown), cut)
        + detailsHtml(judged);
}

QString NamePreview::detailsHtml(const JudgedName &judged)
{
    const auto &[line, name, typedCodes] = judged;
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
    for (const QChar code : typedCodes) {
        if (!codes.contains(code))
            codes += code;
    }
    for (const QChar code : std::as_const(codes)) {
        if (const QString about = aboutColorCode(code); !about.isEmpty())
            html += QStringLiteral("<p>%1</p>").arg(about.toHtmlEscaped());
    }
    return html;
}
