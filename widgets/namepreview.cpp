// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namepreview.h"

#include "console/colorruns.h"
#include "console/consolerules.h"
#include "console/setnameline.h"
#include "console/shownname.h"
#include "gameedition.h"
#include "gameletters.h"
#include "gamenameview.h"

#include <QColor>
#include <QImage>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Dark enough for white and yellow, light enough that ^0's black still shows.
const char previewGround[] = "#505050";
// The end the game cuts off: struck through, in a grey that is no color of the game's.
const char cutOffColor[] = "#b0b0b0";

QString coloredName(const QString &name, const GamePalette &palette)
{
    QString html;
    for (const ColorRun &run : colorRuns(name, palette)) {
        html += QStringLiteral("<span style=\"color:%1\">%2</span>")
                    .arg(QColor(run.color).name(), run.text.toHtmlEscaped());
    }
    return html;
}

// The name drawn as the game draws it, on a ground of its own.
QString drawn(const QString &nameHtml)
{
    return QStringLiteral("<table bgcolor=\"%1\" cellpadding=\"6\"><tr><td "
                          "style=\"white-space:pre; font-weight:bold; font-size:large\">%2"
                          "</td></tr></table>")
        .arg(QLatin1String(previewGround), nameHtml);
}

// The image as rich text holds it: in the html itself, which a tooltip cannot take files beside,
// shown scale times its size. The name is drawn again at each keystroke, so it is held as plainly
// as an image can be, a PPM of its pixels laid on the preview's ground as they are written,
// rather than painted and written by an image writer: a PNG's compression took a fifth of the
// keystroke, and finding the writer for any format a good part of the rest. Its pixels are
// doubled by the text's drawing rather than four times as many of them encoded.
QString imageHtml(const QImage &image, int scale)
{
    const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb ground = QColor::fromString(QLatin1StringView(previewGround)).rgb();
    QByteArray pixmap = "P6\n" + QByteArray::number(image.width()) + ' '
        + QByteArray::number(image.height()) + "\n255\n";
    qsizetype at = pixmap.size();
    pixmap.resize(at + qsizetype(image.width()) * image.height() * 3);
    // Each channel over the ground: the pixel's own, premultiplied, and the ground's share that
    // its alpha leaves.
    const auto over = [](int pixel, int groundChannel, int alpha) {
        return char(pixel + (groundChannel * (255 - alpha) + 127) / 255);
    };
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(premultiplied.constScanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            pixmap[at++] = over(qRed(line[x]), qRed(ground), alpha);
            pixmap[at++] = over(qGreen(line[x]), qGreen(ground), alpha);
            pixmap[at++] = over(qBlue(line[x]), qBlue(ground), alpha);
        }
    }
    // Joined rather than filled in with arg(), which would search the image's text for each mark.
    return u"<img width=\""_s + QString::number(image.width() * scale) + u"\" height=\""_s
        + QString::number(image.height() * scale)
        + u"\" src=\"data:image/x-portable-pixmap;base64,"_s
        + QLatin1StringView(pixmap.toBase64()) + u"\">"_s;
}

} // namespace

JudgedName NamePreview::judge(const QString &typed, GameEdition &edition)
{
    // A name of ASCII alone reads the same in every edition: the edition is looked up only for
    // one that needs it.
    const bool ascii = std::ranges::all_of(typed, [](QChar c) { return c.unicode() < 0x80; });
    return judge(typed, ascii ? CodePage() : edition.codePage());
}

JudgedName NamePreview::judge(const QString &typed, CodePage codePage)
{
    SetNameLine line = SetNameLine::forName(ConsoleRules::setNameCommand.toString(), typed);
    ShownName name = ShownName::of(SetNameLine::nameSetBy(line.line).value_or(QString()));
    JudgedName judged { std::move(line), std::move(name), colorCodesIn(typed), codePage, {}, {},
        {} };
    judged.unheld = codePage.firstUnencodable(typed);
    if (judged.unheld) {
        judged.respelled = codePage.respelled(typed);
        return judged;
    }
    const QByteArray bytes = codePage.encode(judged.name.shown);
    for (const CodePage::Id other : CodePage::all) {
        const QString seen = CodePage(other).decode(bytes);
        if (seen != judged.name.shown)
            judged.elsewhere.append({ other, seen });
    }
    return judged;
}

QString NamePreview::nameOfCharacter(char32_t character)
{
    const QString shown = QString::fromUcs4(&character, 1);
    switch (QChar::script(character)) {
    case QChar::Script_Latin:
        return tr("the Latin letter \u201c%1\u201d").arg(shown);
    case QChar::Script_Cyrillic:
        return tr("the Cyrillic letter \u201c%1\u201d").arg(shown);
    case QChar::Script_Greek:
        return tr("the Greek letter \u201c%1\u201d").arg(shown);
    default:
        return QChar::isPrint(character) && !QChar::isSurrogate(character)
            ? tr("the character \u201c%1\u201d").arg(shown)
            : tr("the character U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper();
    }
}

QString NamePreview::html(const JudgedName &judged, const GamePalette &palette,
    const QString &heading, GameLetters *letters)
{
    // The name as the game sets it from the line that is saved, and as it shows it.
    const ShownName &name = judged.name;
    QString cut;
    if (!name.cutOff.isEmpty()) {
        cut = QStringLiteral("<s style=\"color:%1\">%2</s>")
                  .arg(QLatin1String(cutOffColor), name.cutOff.toHtmlEscaped());
    }
    const auto drawing = letters ? letters->drawing() : nullptr;
    const QString shown = drawing ? imageHtml(drawing->image(name.shown, palette), gameNameScale)
                                  : coloredName(name.shown, palette);
    const QString note = letters ? letters->note() : QString();
    return (heading.isEmpty() ? QString() : u"<p>%1</p>"_s.arg(heading.toHtmlEscaped()))
        + drawn(shown + cut)
        + (note.isEmpty() ? QString() : u"<p><small>%1</small></p>"_s.arg(note.toHtmlEscaped()))
        + detailsHtml(judged, palette);
}

QString NamePreview::detailsHtml(const JudgedName &judged, const GamePalette &palette)
{
    const auto &[line, name, typedCodes, codePage, unheld, respelled, elsewhere] = judged;
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
    if (unheld) {
        const QString respelling = respelled.isEmpty()
            ? tr("Leave it out.")
            : tr("Spell it \u201c%1\u201d (Name menu, or the button at the end of the name "
                 "box).")
                  .arg(respelled);
        html += QStringLiteral("<p><b>%1</b> %2</p>")
                    .arg(tr("This edition of the game cannot show %1: its names hold %2 letters "
                            "(%3).")
                             .arg(nameOfCharacter(*unheld), codePage.letters(), codePage.name())
                             .toHtmlEscaped(),
                        respelling.toHtmlEscaped());
    }
    for (const auto &[other, seen] : elsewhere) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(tr("Players of editions with %1 letters see:")
                             .arg(other.letters())
                             .toHtmlEscaped())
            + drawn(coloredName(seen, palette));
    }
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
