#include "fixedlayout.h"

#include <QStringList>

QFont fixedLayoutFont()
{
    QFont font;
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
        QStringLiteral("Nimbus Sans") });
    font.setStyleHint(QFont::SansSerif);
    // Those metrics place glyphs side by side without kerning. Latin text then needs no
    // shaping, which also keeps the shaping engine and its font tables out of memory.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSize(8);
    return font;
}
