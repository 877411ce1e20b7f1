// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FRMNAMESCRIPT_H
#define FRMNAMESCRIPT_H

#include "widgets/namepreview.h"
#include "console/setnameline.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

class GameColors;
class GameLetters;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class PinnedPreview;
class QPushButton;
class ScriptSaver;
class picColor;

// The main window: the player types a name, appends color codes with the ten swatches and saves
// the one-line "set name" script, or hands that command to the script editor. Closing it ends
// the program.
class frmNameScript : public QWidget {
    Q_OBJECT

public:
    // gameColors: the team colors its previews draw ^8 and ^9 in; letters: the font they draw
    // the name in.
    frmNameScript(ScriptSaver &saver, GameColors &gameColors, GameLetters &letters,
        QWidget *parent = nullptr);
    ~frmNameScript() override;

signals:
    // The player asked for the script editor with this window's name and its line.
    void scriptEditorRequested(const SetNameLine &line);
    // The player asked to open a script in the editor: the one at path, or one to choose.
    void openScriptRequested(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void Form_Load();
    void Form_Unload();
    void picRed_Click();
    void picGreen_Click();
    void picYellow_Click();
    void picBlue_Click();
    void picCyan_Click();
    void picMagneto_Click();
    void picWhite_Click();
    void PicDPurple_Click();
    void picGray_Click();
    void picBlack_Click();
    void cmdSave_Click();
    void Command1_Click();

private:
    void createControls(QWidget *client);
    void createMenus(QMenuBar *menuBar);
    void showNameMenu(const QPoint &position);
    // The name's commands, in the name box's context menu and the menu bar's Name menu, made
    // ready for the name as it stands.
    void addNameCommands(QMenu *menu);
    void fillColoringMenu();
    void fillGameNamesMenu();
    static QString whatTheNameIs();
    // Judges the name as it stands, for the game's edition: the line a save writes, the preview
    // and the respelling.
    void judgeName();
    void showPreview();
    // Keeps the preview on screen beside the window, following the name.
    void pinPreview();
    void appendColorCode(QString (picColor::*code)() const);
    // The name without the characters the game removes from names.
    static QString withoutWhatTheGameDrops(QString name);
    // Ends the name box's undo step here: the next change is a step of its own.
    void endUndoStep();
    // A pasted console command that sets a name ("/name ^1S^2n") gives the name alone; a paste
    // longer than the box is cut before a color code it would split, and where is said.
    void takeNameFromPastedCommand(const QString &before, const QString &after);
    // Colors the selected part of the name, the rest keeping the color it had.
    void colorSelection(const QString &colorCode);
    // The line, when the game sets the name as typed; otherwise says what it would do instead.
    std::optional<SetNameLine> lineSettingTheName();

    ScriptSaver &m_saver;
    GameColors &m_gameColors;
    GameLetters &m_letters;
    std::unique_ptr<picColor> m_colors; // created on the first swatch click
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *cmdSave = nullptr;
    QLabel *lblSet = nullptr;
    QAction *m_copyCommandAction = nullptr;
    QAction *m_pinAction = nullptr;
    QAction *m_dropRemovedAction = nullptr;
    QAction *m_respellAction = nullptr;
    QMenu *m_coloringMenu = nullptr;
    QMenu *m_gameNamesMenu = nullptr;
    QPointer<PinnedPreview> m_pinned; // while the player keeps it
    JudgedName m_judged; // the name as it stands, judged once per change
    QString m_text; // the name box's, and before its last change
    QString m_textBeforeEdit;
};

#endif // FRMNAMESCRIPT_H
