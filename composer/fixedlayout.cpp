#include "fixedlayout.h"

#include <QFontDatabase>

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
