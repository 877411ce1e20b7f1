#ifndef FRMEDITOR_H
#define FRMEDITOR_H

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class ScriptSaver;

// The script editor: a free-text script for animated names, started from the template. It
// receives the main window's commands at its end and saves its whole text. Hovering over a
// "set name" line previews that name as the game shows it. Closing it discards the text.
class frmEditor : public QWidget {
    Q_OBJECT

public:
    explicit frmEditor(ScriptSaver &saver, QWidget *parent = nullptr);

    // Appends a space and the command at the very end of the script, whatever the caret.
    void appendCommand(const QString &command);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cmdSave_Click();

private:
    // The script as the player sees it, with '\n' between lines.
    QString scriptText() const;

    ScriptSaver &m_saver;
    QPlainTextEdit *txtEditor;
    QPushButton *cmdSave;
    QLabel *Label1;
};

#endif // FRMEDITOR_H
