#include "fixedlayout.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

QStringList firstInstalledFamily(const QStringList &families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : families) {
        if (installed.contains(family))
            return { family };
    }
    return families;
}

QFont fixedLayoutFont()
{
    QFont font;
    font.setFamilies(firstInstalledFamily({ QStringLiteral("MS Sans Serif"),
        QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans") }));
    font.setStyleHint(QFont::SansSerif);
    // Those metrics place glyphs side by side without kerning. Latin text then needs no
    // shaping, which also keeps the shaping engine and its font tables out of memory.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSize(8);
    return font;
}

void fitFontToLabels(const QList<QLabel *> &labels)
{
    constexpr qreal step = 0.5;
    constexpr qreal smallest = 6; // points; below this a caption is no longer legible
    const auto fits = [&labels](const QFont &font) {
        const QFontMetrics metrics(font);
        return std::ranges::all_of(labels, [&metrics](const QLabel *label) {
            const QRect box = label->contentsRect();
            const int flags
                = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
            return box.contains(metrics.boundingRect(box, flags, label->text()));
        });
    };
    QFont font = labels.first()->font();
    while (!fits(font) && font.pointSizeF() - step >= smallest)
        font.setPointSizeF(font.pointSizeF() - step);
    for (QLabel *label : labels)
        label->setFont(font);
}
