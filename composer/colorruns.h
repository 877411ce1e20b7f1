#ifndef COLORRUNS_H
#define COLORRUNS_H

#include <QColor>
#include <QList>
#include <QString>

// A stretch of a player name that the game shows in one color.
struct ColorRun {
    QString text;
    QColor color;

    friend bool operator==(const ColorRun &, const ColorRun &) = default;
};

// Splits a name into the runs the game shows: text before any code is white; a caret and a digit
// is a code, not shown, that colors what follows; a caret without a digit is shown as it is.
// Codes that show nothing leave no run; neighbours of one color make one run.
QList<ColorRun> colorRuns(QStringView name);

// The color the game shows for the code of digit ('0' to '9').
QColor gameColor(QChar digit);

#endif // COLORRUNS_H
