// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTPLAYERWINDOW_H
#define SCRIPTPLAYERWINDOW_H

#include "cfgfile/codepage.h"
#include "checker/scriptchecker.h"
#include "console/consolerules.h"
#include "console/consolerun.h"
#include "console/serverview.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class GameColors;
class GameNameDelegate;
class FlowLayout;
class GameNameView;
class GameLetters;
class LettersNote;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// Plays a script as the game would run it, name by name at the game's pace, and lists what the
// checker warns of. The keys the script binds are buttons that press them. It shows the script
// it is given; the editor gives it its text as the player edits.
class ScriptPlayerWindow : public QWidget {
    Q_OBJECT

public:
    // colors: the one setting of the team colors, which its nation box sets and follows;
    // letters: COD 2's own, which it draws names in while it plays for COD 2.
    ScriptPlayerWindow(GameColors &colors, GameLetters &letters, QWidget *parent = nullptr);

    // The script as the file holds it. Playing goes on at the time it has reached.
    void setScript(const QString &fileText);
    // The console's clock, in ticks.
    qint64 currentTick() const;
    // The player's own com_maxfps, as the game's config sets it.
    void setFramesPerSecond(int maxFps);
    // The folder of the script played, whose scripts its exec runs where it stands, read in
    // codePage; none when the script has no file yet.
    void setScriptFolder(const QString &folder, CodePage codePage = {});

public slots:
    void play();
    void restart(); // from tick 0, with no key pressed

signals:
    // The player picked a name change or a warning of this line.
    void lineActivated(int line);
    // The player asked to put a second command, starting at this column, on a line of its own.
    void splitRequested(int line, int column);

private slots:
    void pause();
    void stepToNextChange();
    void pressKey(const QString &key);
    void showFrame();

private:
    void createControls();
    void rerun();
    void recheck();
    void fillTimeline();
    void fillKeys();
    void setTick(qint64 tick);
    // The player's com_maxfps as the server leaves it.
    int framesPerSecond() const;
    GameVersion game() const;
    // The names are drawn in COD 2's letters for COD 2, in the desktop's for the others.
    void drawInTheGameLetters();
    ConsoleRules::GameServer server() const;
    // Where a tick falls in the run's timeline: inside an endless loop, time goes round it.
    qint64 timelineTick(qint64 tick) const;

    GameColors &m_colors;
    GameLetters &m_letters;
    QString m_script;
    QList<KeyPress> m_presses;
    ConsoleRun m_run;
    bool m_bindsKeys = false; // of m_run, asked at every frame
    ServerView m_seenByOthers; // of m_run
    ScriptCheck m_check;
    QString m_scriptFolder;
    CodePage m_scriptCodePage;
    ScriptReader m_reader;
    qint64 m_tick = 0; // while paused, or when playing started
    bool m_playing = false;
    QElapsedTimer m_clock;
    QTimer m_frames;

    GameNameView *m_name;
    LettersNote *m_lettersNote;
    GameNameDelegate *m_names; // draws the timeline's names
    QLabel *m_status; // the end of the animation, and the like
    GameNameView *m_othersSee;
    QPushButton *m_play;
    QPushButton *m_pause;
    QSpinBox *m_framesPerSecond; // the game's com_maxfps
    QLabel *m_realRate;
    QComboBox *m_game;
    QComboBox *m_server;
    QSpinBox *m_snapshotsPerSecond; // the server's sv_fps
    QLabel *m_time;
    QComboBox *m_allies;
    FlowLayout *m_keys;
    QTreeWidget *m_timeline;
    QListWidget *m_warnings;
    QPushButton *m_split;
};

#endif // SCRIPTPLAYERWINDOW_H
