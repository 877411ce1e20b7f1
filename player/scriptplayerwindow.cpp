// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptplayerwindow.h"

#include "cfgfile/cfgreader.h"
#include "checker/warningtext.h"
#include "console/consolerules.h"
#include "console/ticktime.h"
#include "widgets/flowlayout.h"
#include "widgets/gamecolors.h"
#include "widgets/gameletters.h"
#include "widgets/gamenamedelegate.h"
#include "widgets/gamenameview.h"
#include "widgets/lettersnote.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int frameInterval = 20; // milliseconds between two pictures of the name
constexpr int lineRole = Qt::UserRole;
constexpr int columnRole = Qt::UserRole + 1;

} // namespace

ScriptPlayerWindow::ScriptPlayerWindow(GameColors &colors, GameLetters &letters, QWidget *parent)
    : QWidget(parent)
    , m_colors(colors)
    , m_letters(letters)
{
    setObjectName(QStringLiteral("ScriptPlayerWindow"));
    setWindowTitle(tr("Tintmark Player"));
    createControls();
    m_frames.setInterval(frameInterval);
    connect(&m_frames, &QTimer::timeout, this, &ScriptPlayerWindow::showFrame);
    // As wide as its rows need, unwrapped.
    resize(QSize(560, 520).expandedTo(QSize(sizeHint().width(), 0)));
}

void ScriptPlayerWindow::createControls()
{
    const auto named = [](QWidget *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    m_name = new GameNameView(m_colors, this);
    named(m_name, "nameView");
    m_lettersNote = new LettersNote(this);
    named(m_lettersNote, "lettersNote");
    m_othersSee = new GameNameView(m_colors, this);
    named(m_othersSee, "othersNameView");
    m_othersSee->setToolTip(tr("The name as the server's last snapshot showed it to the others "
                               "on the server."));

    m_play = new QPushButton(tr("&Play"), this);
    m_pause = new QPushButton(tr("P&ause"), this);
    auto *step = new QPushButton(tr("&Next change"), this);
    auto *restart = new QPushButton(tr("&Restart"), this);
    named(m_play, "playButton");
    named(m_pause, "pauseButton");
    named(step, "stepButton");
    named(restart, "restartButton");
    connect(m_play, &QPushButton::clicked, this, &ScriptPlayerWindow::play);
    connect(m_pause, &QPushButton::clicked, this, &ScriptPlayerWindow::pause);
    connect(step, &QPushButton::clicked, this, &ScriptPlayerWindow::stepToNextChange);
    connect(restart, &QPushButton::clicked, this, &ScriptPlayerWindow::restart);

    m_framesPerSecond = new QSpinBox(this);
    named(m_framesPerSecond, "framesPerSecond");
    m_framesPerSecond->setRange(10, 1000);
    m_framesPerSecond->setValue(ConsoleRules::defaultMaxFps);
    m_framesPerSecond->setToolTip(tr("The game's com_maxfps: it caps the frames in whole "
                                     "milliseconds, and the console runs two ticks a frame, so "
                                     "waits last longer at lower rates."));
    m_realRate = new QLabel(this);
    named(m_realRate, "realRateLabel");
    const auto showRealRate = [this] {
        const QString rate = tr("%1 ms frames, %2 a second")
                                 .arg(ConsoleRules::frameMilliseconds(framesPerSecond()))
                                 .arg(framesPerSecondOf(framesPerSecond()), 0, 'f', 1);
        m_realRate->setText(framesPerSecond() == m_framesPerSecond->value()
                ? rate
                : tr("%1: the server makes com_maxfps %2").arg(rate).arg(framesPerSecond()));
    };
    const auto paceChanged = [this, showRealRate] {
        showRealRate();
        // The clock goes on from the same tick at the new pace.
        const qint64 tick = currentTick();
        rerun();
        setTick(tick);
        recheck();
    };
    connect(m_framesPerSecond, &QSpinBox::valueChanged, this, paceChanged);
    // The console rules differ between the games.
    m_game = new QComboBox(this);
    named(m_game, "gameBox");
    for (const auto game : gameVersions)
        m_game->addItem(GameNames::of(game), int(game));
    connect(m_game, &QComboBox::currentIndexChanged, this, [this] {
        rerun();
        recheck();
        fillKeys();
        drawInTheGameLetters();
    });
    // What others see depends on the server the player is on.
    m_server = new QComboBox(this);
    named(m_server, "serverBox");
    m_server->addItem(tr("Stock server"), int(ConsoleRules::ServerKind::Stock));
    m_server->addItem(tr("CoD2x competitive server"), int(ConsoleRules::ServerKind::Competitive));
    m_server->setToolTip(tr("A CoD2x server with competitive settings makes wait do nothing "
                            "and keeps com_maxfps from 125 to 250."));
    m_snapshotsPerSecond = new QSpinBox(this);
    named(m_snapshotsPerSecond, "snapshotsPerSecond");
    m_snapshotsPerSecond->setRange(
        ConsoleRules::fewestSnapshotsPerSecond, ConsoleRules::mostSnapshotsPerSecond);
    m_snapshotsPerSecond->setValue(ConsoleRules::defaultSnapshotsPerSecond);
    m_snapshotsPerSecond->setToolTip(tr("The server's sv_fps: the snapshots a second that show "
                                        "the others your name, 20 on most servers."));
    connect(m_server, &QComboBox::currentIndexChanged, this, [this, paceChanged] {
        paceChanged();
        fillKeys();
    });
    connect(m_snapshotsPerSecond, &QSpinBox::valueChanged, this, paceChanged);
    m_status = new QLabel(this);
    named(m_status, "statusLabel");
    // Said at the end of the controls' row, on two lines where the row has no room for one.
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_status->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_time = new QLabel(this);
    named(m_time, "timeLabel");
    m_time->setMinimumWidth(fontMetrics().horizontalAdvance(u"0000.00 s (000000 ticks)"_s));
    m_time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_allies = new QComboBox(this);
    named(m_allies, "alliesBox");
    for (const AlliedNation &nation : alliedNations())
        m_allies->addItem(QCoreApplication::translate("ColorCodes", nation.name));
    m_allies->setCurrentIndex(m_colors.allies());
    m_allies->setToolTip(tr("^8 shows in the color of the allied team, which depends on its "
                            "nation; ^9 in the color of the axis team."));
    // One setting for every view of a name, in this window and the others.
    connect(m_allies, &QComboBox::currentIndexChanged, &m_colors, &GameColors::setAllies);
    connect(&m_colors, &GameColors::changed, this, [this] {
        m_allies->setCurrentIndex(m_colors.allies());
        m_timeline->viewport()->update();
    });

    // Each row wraps where the window is narrow, as on a small or magnified screen; a label stays
    // with its control.
    const auto together = [](std::initializer_list<QWidget *> widgets) {
        auto *group = new QHBoxLayout;
        for (QWidget *widget : widgets)
            group->addWidget(widget);
        return group;
    };
    auto *controls = new FlowLayout;
    for (QWidget *widget : { static_cast<QWidget *>(m_play), static_cast<QWidget *>(m_pause),
             static_cast<QWidget *>(step), static_cast<QWidget *>(restart) })
        controls->addWidget(widget);
    controls->addLayout(together({ m_status, m_time }));

    auto *settings = new FlowLayout;
    auto *gameLabel = new QLabel(tr("&Game:"), this);
    gameLabel->setBuddy(m_game);
    auto *rateLabel = new QLabel(tr("com_&maxfps:"), this);
    rateLabel->setBuddy(m_framesPerSecond);
    auto *alliesLabel = new QLabel(tr("A&llies:"), this);
    alliesLabel->setBuddy(m_allies);
    settings->addLayout(together({ gameLabel, m_game }));
    settings->addLayout(together({ rateLabel, m_framesPerSecond, m_realRate }));
    settings->addLayout(together({ alliesLabel, m_allies }));
    auto *onTheServer = new FlowLayout;
    auto *serverLabel = new QLabel(tr("Ser&ver:"), this);
    serverLabel->setBuddy(m_server);
    auto *snapshotsLabel = new QLabel(tr("s&v_fps:"), this);
    snapshotsLabel->setBuddy(m_snapshotsPerSecond);
    auto *othersLabel = new QLabel(tr("Others see:"), this);
    onTheServer->addLayout(together({ serverLabel, m_server }));
    onTheServer->addLayout(together({ snapshotsLabel, m_snapshotsPerSecond }));
    // The name others see takes the rest of its row, and room for a short name at least.
    m_othersSee->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_othersSee->setMinimumWidth(m_othersSee->sizeHint().width() / 3);
    onTheServer->addLayout(together({ othersLabel, m_othersSee }));

    m_keys = new FlowLayout;
    m_keys->addWidget(new QLabel(tr("Keys the script binds:"), this));

    m_timeline = new QTreeWidget(this);
    named(m_timeline, "timeline");
    m_timeline->setHeaderLabels({ tr("Time"), tr("Line"), tr("Name"), tr("Others see it") });
    m_timeline->setRootIsDecorated(false);
    m_timeline->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_names = new GameNameDelegate(m_colors, m_timeline);
    m_timeline->setItemDelegateForColumn(2, m_names);
    connect(
        &m_letters, &GameLetters::changed, m_timeline->viewport(), qOverload<>(&QWidget::update));
    drawInTheGameLetters();
    connect(m_timeline, &QTreeWidget::itemClicked, this,
        [this](QTreeWidgetItem *item) { emit lineActivated(item->data(1, lineRole).toInt()); });

    m_warnings = new QListWidget(this);
    named(m_warnings, "warnings");
    m_warnings->setWordWrap(true);
    m_warnings->setSpacing(3);
    m_warnings->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_split = new QPushButton(tr("Put the second command on its &own line"), this);
    named(m_split, "splitButton");
    m_split->setEnabled(false);
    connect(m_warnings, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        m_split->setEnabled(item && item->data(columnRole).isValid());
    });
    connect(m_warnings, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (const int line = item->data(lineRole).toInt())
            emit lineActivated(line);
    });
    connect(m_split, &QPushButton::clicked, this, [this] {
        if (const QListWidgetItem *item = m_warnings->currentItem()) {
            emit splitRequested(item->data(lineRole).toInt(), item->data(columnRole).toInt());
        }
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(m_lettersNote);
    layout->addLayout(controls);
    layout->addLayout(settings);
    layout->addLayout(onTheServer);
    layout->addLayout(m_keys);
    layout->addWidget(new QLabel(tr("Names as the game shows them:"), this));
    layout->addWidget(m_timeline, 3);
    layout->addWidget(new QLabel(tr("Warnings:"), this));
    layout->addWidget(m_warnings, 2);
    layout->addWidget(m_split, 0, Qt::AlignRight);
}

void ScriptPlayerWindow::setScript(const QString &fileText)
{
    if (fileText == m_script)
        return;
    m_script = fileText;
    // Earlier presses were of the old script: the new one plays from the top.
    m_presses.clear();
    rerun();
    recheck();
    fillKeys();
    setTick(0);
}

void ScriptPlayerWindow::setFramesPerSecond(int maxFps) { m_framesPerSecond->setValue(maxFps); }

void ScriptPlayerWindow::setScriptFolder(const QString &folder, CodePage codePage)
{
    if (folder == m_scriptFolder && codePage == m_scriptCodePage)
        return;
    m_scriptFolder = folder;
    m_scriptCodePage = codePage;
    m_reader = {};
    if (!folder.isEmpty()) {
        m_reader = [folder, codePage](const QString &name) {
            QString unread;
            return CfgReader::read(QDir(folder).filePath(name), codePage, &unread);
        };
    }
    rerun();
    recheck();
}

int ScriptPlayerWindow::framesPerSecond() const
{
    return ConsoleRules::maxFpsOn(server().kind, m_framesPerSecond->value());
}

GameVersion ScriptPlayerWindow::game() const { return GameVersion(m_game->currentData().toInt()); }

void ScriptPlayerWindow::drawInTheGameLetters()
{
    GameLetters *letters = familyOf(game()) == GameFamily::Cod2 ? &m_letters : nullptr;
    m_name->drawIn(letters);
    m_othersSee->drawIn(letters);
    m_names->drawIn(letters);
    m_lettersNote->follow(letters);
    m_timeline->viewport()->update();
}

ConsoleRules::GameServer ScriptPlayerWindow::server() const
{
    return { ConsoleRules::ServerKind(m_server->currentData().toInt()),
        m_snapshotsPerSecond->value() };
}

qint64 ScriptPlayerWindow::currentTick() const
{
    if (!m_playing)
        return m_tick;
    // The clock goes at the frame rates the script sets.
    return m_run.tickAt(
        m_run.millisecondsAt(m_tick, framesPerSecond()) + m_clock.elapsed(), framesPerSecond());
}

void ScriptPlayerWindow::setTick(qint64 tick)
{
    m_tick = tick;
    m_clock.restart();
    showFrame();
}

qint64 ScriptPlayerWindow::timelineTick(qint64 tick) const
{
    if (!m_run.loop || m_run.loop->periodTicks == 0 || tick < m_run.loop->firstTick)
        return tick;
    // Once the buffer is full the name set last stays.
    tick = std::min(tick, m_run.loop->stopTick - 1);
    return m_run.loop->firstTick + (tick - m_run.loop->firstTick) % m_run.loop->periodTicks;
}

void ScriptPlayerWindow::play()
{
    if (m_playing)
        return;
    m_playing = true;
    m_clock.restart();
    m_frames.start();
    showFrame();
}

void ScriptPlayerWindow::pause()
{
    if (!m_playing)
        return;
    m_tick = currentTick();
    m_playing = false;
    m_frames.stop();
    showFrame();
}

void ScriptPlayerWindow::stepToNextChange()
{
    pause();
    const qint64 now = timelineTick(m_tick);
    const auto next = std::ranges::find_if(
        m_run.nameChanges, [now](const NameChange &change) { return change.tick > now; });
    if (next != m_run.nameChanges.end()) {
        setTick(m_tick + next->tick - now);
        return;
    } else if (m_run.loop && m_run.loop->periodTicks > 0) {
        // Round the loop to its first change.
        const auto first = std::ranges::find_if(m_run.nameChanges,
            [this](const NameChange &change) { return change.tick >= m_run.loop->firstTick; });
        if (first != m_run.nameChanges.end())
            setTick(m_tick + first->tick + m_run.loop->periodTicks - now);
    } else {
        m_status->setText(tr("No change after this one."));
    }
}

void ScriptPlayerWindow::restart()
{
    m_presses.clear();
    rerun();
    setTick(0);
}

void ScriptPlayerWindow::pressKey(const QString &key)
{
    m_presses << KeyPress { currentTick(), key };
    rerun();
    showFrame();
}

void ScriptPlayerWindow::rerun()
{
    m_run = runScript(m_script, m_presses, game(), server().kind, m_reader);
    m_bindsKeys = !m_run.bindings.isEmpty();
    m_seenByOthers = ServerView::of(m_run, framesPerSecond(), server().snapshotsPerSecond);
    fillTimeline();
    showFrame();
}

void ScriptPlayerWindow::recheck()
{
    m_check = ScriptChecker::check(m_script, framesPerSecond(), game(), server(), m_reader);
    m_warnings->clear();
    if (!m_check.serverSetting.isEmpty())
        m_warnings->addItem(WarningText::serverConfig(m_check.serverSetting));
    if (m_check.warnings.isEmpty())
        m_warnings->addItem(WarningText::noWarnings());
    for (const ScriptWarning &warning : m_check.warnings) {
        auto *item = new QListWidgetItem(WarningText::describe(warning), m_warnings);
        item->setData(lineRole, warning.line);
        if (warning.splitColumn)
            item->setData(columnRole, *warning.splitColumn);
    }
    // Notes after the warnings, set apart: worth knowing, but no fault.
    for (const ScriptWarning &note : m_check.notes) {
        auto *item = new QListWidgetItem(WarningText::describe(note), m_warnings);
        item->setData(lineRole, note.line);
        item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
        item->setToolTip(tr("A note: worth knowing, no fault."));
    }
    fillTimeline();
}

void ScriptPlayerWindow::fillTimeline()
{
    m_timeline->clear();
    // Whether, and from when, the others on the server see each name.
    QList<QString> others(m_run.nameChanges.size(), tr("never: replaced within its frame"));
    QList<bool> seen(m_run.nameChanges.size(), false);
    for (const SentName &sent : std::as_const(m_seenByOthers.sent)) {
        seen[sent.change] = sent.seenFrom.has_value();
        others[sent.change] = sent.seenFrom ? tr("from %1").arg(TickTime::seconds(*sent.seenFrom))
                                            : tr("never: it lasts less than a snapshot");
    }
    for (qsizetype i = 0; i < m_run.nameChanges.size(); ++i) {
        const NameChange &change = m_run.nameChanges[i];
        auto *item = new QTreeWidgetItem(m_timeline,
            { TickTime::of(m_run, change.tick, framesPerSecond()), QString::number(change.line),
                change.shown, others[i] });
        item->setData(1, lineRole, change.line);
        if (!seen[i])
            item->setForeground(3, palette().brush(QPalette::Disabled, QPalette::Text));
    }
    if (m_run.loop)
        new QTreeWidgetItem(m_timeline, { {}, {}, WarningText::loopEnd(m_run, framesPerSecond()) });
}

void ScriptPlayerWindow::fillKeys()
{
    while (m_keys->count() > 1) {
        QLayoutItem *item = m_keys->takeAt(1);
        delete item->widget();
        delete item;
    }
    // In the checker's order, the keys that matter first.
    QList<KeyBinding> bindings = m_run.finalBindings();
    const auto rank = [this](const KeyBinding &binding) {
        const auto checked = std::ranges::find_if(m_check.keyNames, [&](const auto &keyNames) {
            return keyNames.first.compare(binding.key, Qt::CaseInsensitive) == 0;
        });
        return checked - m_check.keyNames.begin();
    };
    std::ranges::stable_sort(bindings, {}, rank);
    // A handful of buttons; the keys past them in a menu, so that a config binding every key
    // keeps the window within the screen.
    constexpr qsizetype buttons = 8;
    QMenu *more = nullptr;
    for (qsizetype i = 0; i < bindings.size(); ++i) {
        const QString key = bindings[i].key;
        const QString does = tr("Press %1: %2").arg(key, bindings[i].command);
        if (i >= buttons) {
            if (!more) {
                auto *moreButton = new QToolButton(this);
                moreButton->setObjectName(QStringLiteral("moreKeys"));
                moreButton->setText(tr("%n more", nullptr, int(bindings.size() - buttons)));
                moreButton->setPopupMode(QToolButton::InstantPopup);
                more = new QMenu(moreButton);
                moreButton->setMenu(more);
                m_keys->insertWidget(1 + int(buttons), moreButton);
            }
            QAction *press = more->addAction(does, this, [this, key] { pressKey(key); });
            press->setObjectName(u"key_"_s + key);
            continue;
        }
        auto *button = new QPushButton(key, this);
        button->setObjectName(u"key_"_s + key);
        // What the key runs, and the names its presses show, as the check found them.
        QString shows;
        for (const auto &[checkedKey, names] : m_check.keyNames) {
            if (checkedKey.compare(key, Qt::CaseInsensitive) == 0 && !names.isEmpty())
                shows = u'\n' + tr("Presses show: %1").arg(names.join(u", "_s));
        }
        button->setToolTip(does + shows);
        connect(button, &QPushButton::clicked, this, [this, key] { pressKey(key); });
        m_keys->insertWidget(1 + int(i), button);
    }
    if (bindings.isEmpty())
        m_keys->insertWidget(1, new QLabel(tr("none"), this));
}

void ScriptPlayerWindow::showFrame()
{
    qint64 tick = currentTick();
    // A script that has ended and binds no key has nothing more to show.
    const qint64 endTick = m_run.loop ? m_run.loop->stopTick : m_run.endTick;
    const bool ended = tick >= endTick && (m_run.loop || m_run.end == ConsoleRun::End::Finished);
    if (m_playing && ended && !m_bindsKeys) {
        m_tick = tick = endTick;
        m_playing = false;
        m_frames.stop();
    }
    m_status->setText(!ended ? QString()
            : m_bindsKeys    ? tr("The script has run: press a key it binds.")
            : m_run.loop     ? tr("The loop has stopped: the game's command buffer is full.")
                             : tr("The animation has ended."));
    const qint64 shown = timelineTick(tick);
    const NameChange *current = nullptr;
    for (const NameChange &change : m_run.nameChanges) {
        if (change.tick > shown)
            break;
        current = &change;
    }
    m_name->setName(current ? current->shown : QString());
    const SentName *seen = m_seenByOthers.seenAt(m_run.millisecondsAt(shown, framesPerSecond()));
    m_othersSee->setName(seen ? seen->shown : QString());
    m_time->setText(TickTime::of(m_run, tick, framesPerSecond()));
    m_play->setEnabled(!m_playing);
    m_pause->setEnabled(m_playing);
    if (current) {
        const int index = int(current - m_run.nameChanges.constData());
        if (QTreeWidgetItem *item = m_timeline->topLevelItem(index))
            m_timeline->setCurrentItem(item);
    }
}
