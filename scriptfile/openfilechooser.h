#ifndef OPENFILECHOOSER_H
#define OPENFILECHOOSER_H

#include <QString>

class QWidget;

// Asks the player which script to open, and whether changed text may go. Tests answer instead.
class OpenFileChooser {
public:
    virtual ~OpenFileChooser() = default;

    // The chosen path, or an empty string when the player cancelled.
    virtual QString chooseOpenPath(QWidget *parent) = 0;
    // True when the player agrees to replace text they changed and did not save.
    virtual bool confirmReplacingChanges(QWidget *parent) = 0;
};

#endif // OPENFILECHOOSER_H
