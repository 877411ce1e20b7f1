#ifndef FIXEDLAYOUT_H
#define FIXEDLAYOUT_H

#include <QFont>
#include <QRect>

// The windows have fixed layouts given in twips; 15 twips make one device-independent pixel.
constexpr int twipsPerPixel = 15;

constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(
        left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel);
}

// The font the fixed layouts were drawn for: MS Sans Serif 8 pt or a face with its metrics.
// A wider desktop font would wrap or clip captions such as "Script Name:".
QFont fixedLayoutFont();

#endif // FIXEDLAYOUT_H
