#include "fixedlayout.h"

#include <QStringList>

QFont fixedLayoutFont()
{
    QFont font;
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
        QStringLiteral("Nimbus Sans") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}
