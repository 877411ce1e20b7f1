// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "animationdialog.h"

#include "cfgfile/filetext.h"
#include "checker/scriptchecker.h"
#include "checker/warningtext.h"
#include "console/colorruns.h"
#include "console/consolerules.h"
#include "console/consolerun.h"
#include "console/shownname.h"
#include "console/ticktime.h"
#include "widgets/gamecolors.h"
#include "widgets/gamenameview.h"
#include "widgets/lettersnote.h"
#include "widgets/screenfit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView codeDigits = u"1234567890";

// What a pace costs the player on a server: the dialog says it, and leaves the choice to them.
bool isCostOfThePace(ScriptWarning::Kind kind)
{
    using Kind = ScriptWarning::Kind;
    return kind == Kind::KeysHeldBack || kind == Kind::NamesSkipped || kind == Kind::ChatDropped;
}

QIcon swatch(const QColor &color)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(color);
    QPainter(&pixmap).drawRect(0, 0, 13, 13);
    return QIcon(pixmap);
}

} // namespace

AnimationDialog::AnimationDialog(
    const QString &name, const GameColors &gameColors, GameLetters &letters, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AnimationDialog"));
    setWindowTitle(tr("Insert Animation"));
    const auto named = [](auto *widget, const char *objectName) {
        widget->setObjectName(QLatin1String(objectName));
        return widget;
    };

    m_name = named(new QLineEdit(name, this), "nameEdit");
    m_effect = named(new QComboBox(this), "effectBox");
    m_effect->addItem(
        tr("Color cycle: the whole name through the colors"), int(AnimationEffect::ColorCycle));
    m_effect->addItem(
        tr("Chase: one letter in the first color, moving along"), int(AnimationEffect::Chase));
    m_effect->addItem(
        tr("Typewriter: the letters appear one by one"), int(AnimationEffect::Typewriter));
    m_effect->addItem(
        tr("Rainbow shift: the letters' colors move along"), int(AnimationEffect::RainbowShift));
    m_effect->addItem(
        tr("Blink: the name in the first color and at rest"), int(AnimationEffect::Blink));
    m_effect->setCurrentIndex(1);

    auto *colors = new QHBoxLayout;
    const GamePalette palette = gameColors.palette();
    for (const QChar digit : codeDigits) {
        auto *button = new QToolButton(this);
        button->setIcon(swatch(QColor(palette[digit.unicode() - u'0'])));
        button->setText(u"^"_s + digit);
        // A picked color is marked, beyond the pressed look some styles barely show.
        connect(button, &QToolButton::toggled, button, [button, digit](bool picked) {
            button->setText((picked ? u"\u2713 ^"_s : u"^"_s) + digit);
        });
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setObjectName(u"color_"_s + digit);
        button->setCheckable(true);
        // Green first, so that a chase or a blink shows on the usual red and white names.
        button->setChecked(QStringView(u"2356").contains(digit));
        button->setText((button->isChecked() ? u"\u2713 ^"_s : u"^"_s) + digit);
        connect(button, &QToolButton::toggled, this, &AnimationDialog::regenerate);
        colors->addWidget(button);
        m_colors << button;
    }

    m_delay = named(new QSpinBox(this), "delaySpin");
    m_delay->setRange(1, 10000);
    m_delay->setValue(20);
    m_delay->setSuffix(tr(" ticks"));
    m_framesPerSecond = named(new QSpinBox(this), "framesPerSecond");
    m_framesPerSecond->setRange(10, 1000);
    m_framesPerSecond->setValue(ConsoleRules::defaultMaxFps);
    m_framesPerSecond->setPrefix(tr("com_maxfps "));
    m_seconds = named(new QLabel(this), "secondsLabel");
    m_chatSafe = named(new QPushButton(tr("C&hat-safe pace"), this), "chatSafeButton");
    m_chatSafe->setToolTip(tr("Each frame lasts 0.8 s or more: the server's flood protection then "
                              "lets your chat through."));
    connect(m_chatSafe, &QAbstractButton::clicked, this, &AnimationDialog::useChatSafePace);
    auto *delay = new QHBoxLayout;
    delay->addWidget(m_delay);
    delay->addWidget(m_seconds);
    delay->addWidget(m_chatSafe);
    delay->addStretch();
    delay->addWidget(new QLabel(tr("at"), this));
    delay->addWidget(m_framesPerSecond);

    m_form = named(new QComboBox(this), "formBox");
    m_form->addItem(tr("Play once, then rest on the name"), int(AnimationForm::TimedSequence));
    m_form->addItem(tr("One step for each press of a key"), int(AnimationForm::KeyStep));
    m_form->setItemData(0,
        tr("Your keys, moving and firing included, wait behind the script while it plays."),
        Qt::ToolTipRole);
    m_form->setItemData(1,
        tr("Holds none of your keys back; chat goes through when the presses are more than "
           "0.8 s apart."),
        Qt::ToolTipRole);
    m_key = named(new QLineEdit(AnimationSettings().key, this), "keyEdit");
    m_prefix = named(new QLineEdit(u"tm"_s, this), "prefixEdit");
    m_prefix->setToolTip(tr("Begins the names of the variables the script sets, so that two "
                            "animations in one script keep apart."));
    auto *noLoop = named(new QLabel(tr("No endless timed loop: a vstr loop with waits holds back "
                                       "every key you press, the key to stop it included, for as "
                                       "long as it runs. To keep a name moving while you play, "
                                       "step it with a key."),
                             this),
        "noLoopLabel");
    noLoop->setWordWrap(true);
    auto *keyStep = new QHBoxLayout;
    keyStep->addWidget(new QLabel(tr("Key:"), this));
    keyStep->addWidget(m_key);
    keyStep->addWidget(new QLabel(tr("Variables begin with:"), this));
    keyStep->addWidget(m_prefix);

    m_codesOnlyWhereColorChanges
        = named(new QCheckBox(tr("Codes only where the color changes"), this), "compactBox");
    m_coloredLetters = named(new QSpinBox(this), "coloredLetters");
    m_coloredLetters->setRange(1, ConsoleRules::nameBytes);
    m_coloredLetters->setValue(ConsoleRules::nameBytes);
    m_coloredLetters->setPrefix(tr("Color at most "));
    m_coloredLetters->setSuffix(tr(" letters"));
    auto *shorter = new QHBoxLayout;
    shorter->addWidget(m_codesOnlyWhereColorChanges);
    shorter->addWidget(m_coloredLetters);
    shorter->addStretch();

    m_preview = named(new GameNameView(gameColors, this), "preview");
    m_preview->drawIn(&letters);
    auto *lettersNote = named(new LettersNote(this), "lettersNote");
    lettersNote->follow(&letters);
    m_size = named(new QLabel(this), "sizeLabel");
    m_problem = named(new QLabel(this), "problemLabel");
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_shorter = named(new QPushButton(tr("Use a &shorter form"), this), "shorterButton");
    connect(m_shorter, &QAbstractButton::clicked, this, &AnimationDialog::useShorterForm);
    m_pace = named(new QLabel(this), "paceLabel");
    m_pace->setWordWrap(true);
    m_script = named(new QPlainTextEdit(this), "scriptPreview");
    m_script->setReadOnly(true);
    m_script->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The preview takes the room the rest leaves, and gives it way down to a few lines.
    m_script->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_script->setMinimumHeight(4 * m_script->fontMetrics().lineSpacing());

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&Insert"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &AnimationDialog::keepChoices);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Effect:"), m_effect);
    form->addRow(tr("Colors:"), colors);
    auto *delayLabel = new QLabel(tr("&Delay:"), this);
    delayLabel->setBuddy(m_delay);
    form->addRow(delayLabel, delay);
    form->addRow(tr("&Plays:"), m_form);
    form->addRow(QString(), keyStep);
    form->addRow(QString(), noLoop);
    form->addRow(tr("Shorter:"), shorter);
    // Everything but the buttons on a page that scrolls where the screen is too small for it,
    // so that Insert and Cancel stay in view.
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins({});
    layout->addLayout(form);
    layout->addWidget(m_preview);
    layout->addWidget(lettersNote);
    layout->addWidget(m_size);
    layout->addWidget(m_pace);
    layout->addWidget(m_problem);
    layout->addWidget(m_shorter, 0, Qt::AlignLeft);
    layout->addWidget(m_script, 1);
    auto *scroll = named(new QScrollArea(this), "pageScroll");
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *dialogLayout = new QVBoxLayout(this);
    dialogLayout->addWidget(scroll, 1);
    dialogLayout->addWidget(m_buttons);

    for (QLineEdit *edit : { m_name, m_key, m_prefix })
        connect(edit, &QLineEdit::textChanged, this, &AnimationDialog::regenerate);
    for (QComboBox *box : { m_effect, m_form })
        connect(box, &QComboBox::currentIndexChanged, this, &AnimationDialog::regenerate);
    for (QSpinBox *spin : { m_delay, m_framesPerSecond, m_coloredLetters })
        connect(spin, &QSpinBox::valueChanged, this, &AnimationDialog::regenerate);
    connect(m_codesOnlyWhereColorChanges, &QCheckBox::toggled, this, &AnimationDialog::regenerate);
    connect(&m_frames, &QTimer::timeout, this, &AnimationDialog::showNextFrame);

    restoreChoices();
    regenerate();
    // The first form offered goes into the game: the shorter one when the name needs it.
    if (m_animation.longestFrame > ConsoleRules::nameBytes)
        useShorterForm();
}

void AnimationDialog::setVisible(bool visible)
{
    if (visible && !isVisible())
        fitTheScreen();
    QDialog::setVisible(visible);
}

void AnimationDialog::fitTheScreen()
{
    // As large as it would like within the screen, as it opens with its texts: the script's
    // preview gives way first, then the page scrolls, with room for its scroll bar. Its wrapped
    // texts take the height they need at its width.
    ensurePolished();
    auto *scroll = findChild<QScrollArea *>(QStringLiteral("pageScroll"));
    const QLayout *page = scroll->widget()->layout();
    const QMargins margins = layout()->contentsMargins();
    const int pageWidth = std::max(
        560 - margins.left() - margins.right(), scroll->widget()->minimumSizeHint().width());
    const int needed = margins.top() + page->totalMinimumHeightForWidth(pageWidth)
        + layout()->spacing() + m_buttons->sizeHint().height() + margins.bottom();
    QSize size = sizeWithinScreen(
        QSize(margins.left() + pageWidth + margins.right(), 600), parentWidget());
    if (size.height() < needed)
        size += QSize(scroll->verticalScrollBar()->sizeHint().width(), 0);
    openWithinScreen(this, size, parentWidget());
}

namespace {

const QString choicesGroup = QStringLiteral("animation");

} // namespace

void AnimationDialog::restoreChoices()
{
    QSettings saved;
    saved.beginGroup(choicesGroup);
    if (!saved.contains(u"effect"_s))
        return;
    m_effect->setCurrentIndex(std::max(0, m_effect->findData(saved.value(u"effect"_s).toInt())));
    m_form->setCurrentIndex(std::max(0, m_form->findData(saved.value(u"form"_s).toInt())));
    const QString colors = saved.value(u"colors"_s).toString();
    for (qsizetype i = 0; i < m_colors.size(); ++i)
        m_colors[i]->setChecked(colors.contains(codeDigits[i]));
    m_delay->setValue(saved.value(u"delayTicks"_s, m_delay->value()).toInt());
    m_key->setText(saved.value(u"key"_s, m_key->text()).toString());
    m_prefix->setText(saved.value(u"prefix"_s, m_prefix->text()).toString());
}

void AnimationDialog::keepChoices()
{
    const AnimationSettings chosen = settings();
    QSettings saved;
    saved.beginGroup(choicesGroup);
    saved.setValue(u"effect"_s, int(chosen.effect));
    saved.setValue(u"form"_s, int(chosen.form));
    saved.setValue(u"colors"_s, chosen.colors);
    saved.setValue(u"delayTicks"_s, chosen.delayTicks);
    saved.setValue(u"key"_s, chosen.key);
    saved.setValue(u"prefix"_s, chosen.prefix);
}

void AnimationDialog::setKeysBoundInTheGame(const QList<KeyBinding> &bindings)
{
    m_boundInTheGame = bindings;
    regenerate();
}

AnimationSettings AnimationDialog::settings() const
{
    AnimationSettings settings;
    settings.name = m_name->text();
    settings.effect = AnimationEffect(m_effect->currentData().toInt());
    settings.form = AnimationForm(m_form->currentData().toInt());
    settings.colors.clear();
    for (qsizetype i = 0; i < m_colors.size(); ++i) {
        if (m_colors[i]->isChecked())
            settings.colors += codeDigits[i];
    }
    settings.delayTicks = m_delay->value();
    settings.key = m_key->text();
    settings.prefix = m_prefix->text();
    settings.codesOnlyWhereColorChanges = m_codesOnlyWhereColorChanges->isChecked();
    settings.coloredLetters = m_coloredLetters->value();
    return settings;
}

void AnimationDialog::setSettings(const AnimationSettings &settings)
{
    m_codesOnlyWhereColorChanges->setChecked(settings.codesOnlyWhereColorChanges);
    m_coloredLetters->setValue(settings.coloredLetters);
}

void AnimationDialog::regenerate()
{
    const AnimationSettings current = settings();
    m_animation = AnimationGenerator::generate(current);
    m_key->setEnabled(current.form == AnimationForm::KeyStep);
    m_prefix->setEnabled(current.form == AnimationForm::KeyStep);
    m_delay->setEnabled(current.form == AnimationForm::TimedSequence);
    m_chatSafe->setEnabled(current.form == AnimationForm::TimedSequence);
    m_seconds->setText(tr("= %1").arg(
        TickTime::seconds(1000 * secondsOfTicks(current.delayTicks, m_framesPerSecond->value()))));

    QString problem = m_animation.problem;
    // Frames that all look alike animate nothing: a chase in a color the name already has.
    const auto looksLikeTheFirst = [this](const QString &frame) {
        return ShownName::of(frame).shown == ShownName::of(m_animation.frames.first()).shown;
    };
    if (problem.isEmpty() && m_animation.frames.size() > 1
        && std::ranges::all_of(m_animation.frames, looksLikeTheFirst))
        problem = tr("Every frame looks the same: the name already shows these colors. Pick "
                     "another color or effect.");
    m_pace->clear();
    if (problem.isEmpty()) {
        // What goes into a script must pass the checker, but for what the pace costs, which is
        // the player's to weigh.
        const ScriptCheck check
            = ScriptChecker::check(fileTextOf(m_animation.script), m_framesPerSecond->value());
        const auto fault = std::ranges::find_if(check.warnings,
            [](const ScriptWarning &warning) { return !isCostOfThePace(warning.kind); });
        if (fault != check.warnings.end())
            problem = WarningText::describe(*fault);
        m_pace->setText(paceCosts(check));
    }
    const bool tooLong = m_animation.longestFrame > ConsoleRules::nameBytes;
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_shorter->setVisible(tooLong);
    m_shorter->setEnabled(tooLong
        && AnimationGenerator::generate(AnimationGenerator::shorterForm(current))
               .problem.isEmpty());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    m_script->setPlainText(m_animation.script);
    m_size->setText(m_animation.frames.isEmpty()
            ? QString()
            : tr("%1 names (%2 frames and the name at rest), %3 lines, %4 bytes; the longest "
                 "name takes %5 of %6 bytes.")
                  .arg(m_animation.frames.size() + 1)
                  .arg(m_animation.frames.size())
                  .arg(m_animation.script.count(u'\n') + 1)
                  .arg(fileTextOf(m_animation.script).size())
                  .arg(m_animation.longestFrame)
                  .arg(ConsoleRules::nameBytes));

    // The preview plays the frames at the game's pace, then rests a moment on the name.
    m_frame = 0;
    const int interval
        = qRound(1000 * secondsOfTicks(current.delayTicks, m_framesPerSecond->value()));
    m_frames.start(std::max(interval, 15));
    showNextFrame();
}

void AnimationDialog::useShorterForm() { setSettings(AnimationGenerator::shorterForm(settings())); }

void AnimationDialog::setFramesPerSecond(int maxFps) { m_framesPerSecond->setValue(maxFps); }

void AnimationDialog::useChatSafePace()
{
    m_delay->setValue(ConsoleRules::chatSafeDelayTicks(m_framesPerSecond->value()));
}

QString AnimationDialog::paceCosts(const ScriptCheck &check) const
{
    if (settings().form == AnimationForm::KeyStep) {
        QString costs = tr("One frame a press: it holds none of your keys back and works on every "
                           "server; chat goes through when you press it more than 0.8 s apart.");
        // The game's own config may bind the key already: F1 votes yes there.
        const QString key = settings().key;
        const auto bound
            = std::ranges::find_if(m_boundInTheGame, [&key](const KeyBinding &binding) {
                  return binding.key.compare(key, Qt::CaseInsensitive) == 0;
              });
        if (bound != m_boundInTheGame.end()) {
            costs += u' '
                + tr("Your game's config binds %1 to \"%2\": this script binds it anew, and %1 no "
                     "longer does that.")
                      .arg(bound->key, bound->command.trimmed());
        }
        return costs;
    }
    const auto found = [&check](ScriptWarning::Kind kind) {
        const auto isKind = [kind](const ScriptWarning &warning) { return warning.kind == kind; };
        return std::ranges::any_of(check.warnings, isKind)
            || std::ranges::any_of(check.notes, isKind);
    };
    const int snapshots = check.server.snapshotsPerSecond;
    QStringList costs;
    costs << (found(ScriptWarning::Kind::NamesSkipped)
            ? tr("Others on the server miss frames: they see only names that last a snapshot "
                 "(%1 ms at sv_fps %2) or more.")
                  .arg(ConsoleRules::snapshotMilliseconds(snapshots))
                  .arg(snapshots)
            : tr("Others on the server see every frame."));
    costs << (found(ScriptWarning::Kind::ChatDropped)
            ? tr("Your chat is dropped while it plays: frames under 0.8 s set off the server's "
                 "flood protection.")
            : tr("Chat keeps working."));
    costs << tr("Your keys wait behind it while it plays, for %1.")
                 .arg(TickTime::of(check.run, check.run.endTick, m_framesPerSecond->value()));
    return costs.join(u' ');
}

void AnimationDialog::showNextFrame()
{
    if (m_animation.frames.isEmpty()) {
        m_preview->setName(m_name->text());
        return;
    }
    // Each frame in turn, then the name at rest as long as all of them.
    const qsizetype count = m_animation.frames.size();
    const qsizetype position = m_frame++ % (2 * count);
    m_preview->setName(
        ShownName::of(position < count ? m_animation.frames[position] : m_animation.restingName)
            .shown);
}
