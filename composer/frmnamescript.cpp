// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmnamescript.h"

#include "animation/animation.h"
#include "console/colorruns.h"
#include "widgets/colorswatch.h"
#include "widgets/editionmenu.h"
#include "widgets/fixedlayout.h"
#include "widgets/gamecolors.h"
#include "widgets/gameedition.h"
#include "widgets/gameletters.h"
#include "widgets/helpmenu.h"
#include "games/installedgames.h"
#include "widgets/languagemenu.h"
#include "widgets/namelettersvalidator.h"
#include "widgets/namepreview.h"
#include "piccolor.h"
#include "widgets/pinnedpreview.h"
#include "widgets/recentscripts.h"
#include "widgets/scriptsaver.h"
#include "console/setnameline.h"
#include "widgets/singlelinevalidator.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int maximumNameLength = 100;
constexpr int previewDisplayTime = 4000; // milliseconds

// The code labels ask for SimSun 12 pt; where it is missing, a fixed-pitch face keeps "^1"
// inside the label as SimSun's half-width digits would, at the size where its wider and taller
// glyphs take SimSun's room. Windows without its Chinese fonts has Courier New; Linux has
// Liberation Mono or Nimbus Mono PS, with the same widths, but the TrueType face loads in a
// fraction of the Type 1 face's memory. The size is a first guess that fitFontToLabels()
// checks: trying it first spares loading the face at a size never drawn.
QFont codeLabelFont()
{
    const QStringList simSun = { QStringLiteral("SimSun"), QStringLiteral("NSimSun") };
    QFont font;
    font.setFamilies(firstInstalledFamily(simSun
        + QStringList { QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
            QStringLiteral("Nimbus Mono PS") }));
    font.setStyleHint(QFont::TypeWriter);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(simSun.contains(font.families().constFirst()) ? 12 : 10.5);
    font.setBold(true);
    return font;
}

QLabel *createLabel(const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton *createButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    // Neither button answers Enter: a player finishing the name must not save by accident.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmNameScript::frmNameScript(
    ScriptSaver &saver, GameColors &gameColors, GameLetters &letters, QWidget *parent)
    : QWidget(parent)
    , m_saver(saver)
    , m_gameColors(gameColors)
    , m_letters(letters)
{
    setObjectName(QStringLiteral("frmNameScript"));
    // The window's own face stays as it is in every language: its caption, its buttons, its
    // labels.
    setWindowTitle(QStringLiteral("Tintmark for COD 2 and COD"));
    keepFromMaximizing(this);
    setFont(fixedLayoutFont());
    // Every command in a menu bar above the layout, which keeps its size.
    const auto [menuBar, client] = addMenuBarAbove(this, rectFromTwips(0, 0, 9960, 1635).size());
    createControls(client);
    createMenus(menuBar);
    // The layout's area stands where the layout puts it, 3480 and 5130 twips from the screen's
    // top left, with the menu bar above it.
    layout()->activate();
    setGeometry(QRect(rectFromTwips(3480, 5130, 0, 0).topLeft() - client->pos(), sizeHint()));
    Form_Load();
}

frmNameScript::~frmNameScript() = default;

void frmNameScript::createControls(QWidget *client)
{
    struct Swatch {
        const char *name;
        QRect geometry;
        QColor fill;
        int tab;
        void (frmNameScript::*handler)();
        QString description; // the color the game shows, and the code
    };
    const Swatch swatches[] = {
        { "picRed", rectFromTwips(240, 120, 495, 375), QColor(255, 0, 0), 4,
            &frmNameScript::picRed_Click, tr("Red, ^1") },
        { "picGreen", rectFromTwips(1200, 120, 495, 375), QColor(0, 255, 0), 5,
            &frmNameScript::picGreen_Click, tr("Green, ^2") },
        { "picYellow", rectFromTwips(2160, 120, 495, 375), QColor(255, 255, 0), 6,
            &frmNameScript::picYellow_Click, tr("Yellow, ^3") },
        { "picBlue", rectFromTwips(3120, 120, 495, 375), QColor(0, 0, 255), 7,
            &frmNameScript::picBlue_Click, tr("Blue, ^4") },
        { "picCyan", rectFromTwips(4080, 120, 495, 375), QColor(0, 255, 255), 11,
            &frmNameScript::picCyan_Click, tr("Cyan, ^5") },
        { "picMagneto", rectFromTwips(5040, 120, 495, 375), QColor(192, 0, 0), 8,
            &frmNameScript::picMagneto_Click, tr("Magenta, ^6") },
        { "picWhite", rectFromTwips(6000, 120, 495, 375), QColor(255, 255, 255), 9,
            &frmNameScript::picWhite_Click, tr("White, ^7") },
        { "PicDPurple", rectFromTwips(6960, 120, 495, 375), QColor(128, 0, 128), 10,
            &frmNameScript::PicDPurple_Click, tr("Purple, ^8") },
        { "picGray", rectFromTwips(7920, 120, 495, 375), QColor(128, 128, 128), 12,
            &frmNameScript::picGray_Click, tr("Gray, ^9") },
        { "picBlack", rectFromTwips(8880, 120, 495, 375), QColor(0, 0, 0), 13,
            &frmNameScript::picBlack_Click, tr("Black, ^0") },
    };
    struct Caption {
        const char *name;
        QRect geometry;
        QString text;
        bool codeFont;
    };
    const Caption captions[] = {
        { "Label1", rectFromTwips(840, 120, 255, 375), QStringLiteral("^1"), true },
        { "Label2", rectFromTwips(1800, 120, 255, 375), QStringLiteral("^2"), true },
        { "Label3", rectFromTwips(2760, 120, 255, 375), QStringLiteral("^3"), true },
        { "Label4", rectFromTwips(3720, 120, 255, 375), QStringLiteral("^4"), true },
        { "Label5", rectFromTwips(4680, 120, 255, 375), QStringLiteral("^5"), true },
        { "Label6", rectFromTwips(5640, 120, 255, 375), QStringLiteral("^6"), true },
        { "Label7", rectFromTwips(6600, 120, 255, 375), QStringLiteral("^7"), true },
        { "Label8", rectFromTwips(7560, 120, 255, 255), QStringLiteral("^8"), true },
        { "Label9", rectFromTwips(8520, 120, 255, 375), QStringLiteral("^9"), true },
        { "Label10", rectFromTwips(9480, 120, 255, 255), QStringLiteral("^0"), true },
        // The game's command word, never translated: the game runs only this one.
        { "lblSet", rectFromTwips(1560, 600, 735, 255), QStringLiteral("set name"), false },
        { "Label11", rectFromTwips(2280, 600, 975, 255), QStringLiteral("Script Name:"), false },
        { "Label12", rectFromTwips(1560, 960, 5655, 615),
            QStringLiteral(
                "You can set your script here at the Script name, and hit Save and that would be "
                "done, Unless you want to animate than hit CFG Editor, to design your animations."),
            false },
    };

    Text1 = new QLineEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(rectFromTwips(3360, 600, 6375, 285));
    Text1->setMaxLength(maximumNameLength);
    Text1->installEventFilter(this);
    auto *letters = new NameLettersValidator(Text1);
    Text1->setValidator(letters);
    // A character no edition can show is refused as it is typed or pasted, and said at once.
    connect(Text1, &QLineEdit::inputRejected, Text1, [this, letters] {
        if (const std::optional<char32_t> refused = letters->refused()) {
            QToolTip::showText(Text1->mapToGlobal(QPoint(0, Text1->height())),
                tr("No edition of the game can show %1: names hold the letters of one "
                   "8-bit code page, which has no emoji or Asian characters.")
                    .arg(NamePreview::nameOfCharacter(*refused)),
                Text1, {}, previewDisplayTime);
        }
    });
    Text1->setAccessibleName(tr("Player name"));
    // Players read "Script Name:" as a file's name: the tooltips say whose name it is. The
    // name box's tooltip also previews the name as the game shows it.
    Text1->setWhatsThis(whatTheNameIs());
    // A letter the game's edition cannot show gets a button at the end of the name box that
    // spells the name in letters it can, shown while there is one.
    m_respellAction = new QAction(this);
    m_respellAction->setObjectName(QStringLiteral("respellName"));
    // Its icon comes when it first shows: looking it up in the icon theme costs a third of the
    // start-up.
    m_respellAction->setVisible(false);
    connect(m_respellAction, &QAction::triggered, this, [this] {
        if (!m_judged.unheld)
            return;
        // The box would cut a spelling longer than it takes.
        if (m_judged.respelled.size() > Text1->maxLength()) {
            QApplication::beep();
            return;
        }
        endUndoStep();
        Text1->selectAll();
        // A copy: inserting it judges the name anew.
        Text1->insert(QString(m_judged.respelled));
        endUndoStep();
    });
    Text1->addAction(m_respellAction, QLineEdit::TrailingPosition);
    judgeName();
    connect(Text1, &QLineEdit::textChanged, this, &frmNameScript::judgeName);
    connect(&m_saver.edition(), &GameEdition::changed, this, &frmNameScript::judgeName);
    connect(&m_letters, &GameLetters::changed, this, &frmNameScript::judgeName);
    // The text before each edit, to tell a paste from typing.
    connect(Text1, &QLineEdit::textChanged, Text1,
        [this](const QString &text) { m_textBeforeEdit = std::exchange(m_text, text); });
    // The name's commands are judged when a menu shows them; between menus the shortcut
    // judges the name itself.
    connect(Text1, &QLineEdit::textChanged, Text1, [this] {
        if (m_copyCommandAction)
            m_copyCommandAction->setEnabled(true);
    });
    connect(Text1, &QLineEdit::textEdited, Text1, [this](const QString &after) {
        takeNameFromPastedCommand(m_text == after ? m_textBeforeEdit : m_text, after);
    });
    Text1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text1, &QWidget::customContextMenuRequested, this, &frmNameScript::showNameMenu);
    Text1->setEnabled(false);

    // Back to the name from anywhere in the window; the caption keeps its text as it is.
    auto *toName = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_N), this);
    connect(
        toName, &QShortcut::activated, Text1, [this] { Text1->setFocus(Qt::ShortcutFocusReason); });

    Command1 = createButton(QStringLiteral("CFG &Editor"), client);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(rectFromTwips(7320, 1080, 1095, 375));
    connect(Command1, &QPushButton::clicked, this, &frmNameScript::Command1_Click);

    cmdSave = createButton(QStringLiteral("&Save"), client);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setGeometry(rectFromTwips(8640, 1080, 1095, 375));
    connect(cmdSave, &QPushButton::clicked, this, &frmNameScript::cmdSave_Click);

    std::vector<std::pair<int, QWidget *>> tabOrder
        = { { 0, Text1 }, { 1, Command1 }, { 2, cmdSave } };
    for (const Swatch &swatch : swatches) {
        auto *widget = new ColorSwatch(swatch.fill, client);
        widget->setObjectName(QLatin1String(swatch.name));
        widget->setGeometry(swatch.geometry);
        widget->setAccessibleName(swatch.description);
        const QString about = aboutColorCode(swatch.description.back());
        widget->setToolTip(
            about.isEmpty() ? swatch.description : swatch.description + u'\n' + about);
        connect(widget, &ColorSwatch::clicked, this, swatch.handler);
        widget->installEventFilter(this);
        tabOrder.emplace_back(swatch.tab, widget);
    }
    // The codes share one size, so that ^8 and ^0 in their lower boxes match the others.
    QList<QList<QLabel *>> fittedTogether = { {} };
    for (const Caption &caption : captions) {
        QLabel *label = createLabel(caption.text, client);
        label->setObjectName(QLatin1String(caption.name));
        label->setGeometry(caption.geometry);
        if (caption.codeFont) {
            label->setFont(codeLabelFont());
            fittedTogether.first() << label;
        } else {
            fittedTogether.append({ label });
        }
    }
    fitFontsOnFirstPaint(this, fittedTogether);
    client->findChild<QLabel *>(QStringLiteral("Label11"))->setToolTip(whatTheNameIs());

    // lblSet only carries the command word; it is never shown.
    lblSet = client->findChild<QLabel *>(QStringLiteral("lblSet"), Qt::FindDirectChildrenOnly);
    lblSet->setVisible(false);

    std::ranges::sort(tabOrder, {}, &std::pair<int, QWidget *>::first);
    for (size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

std::optional<SetNameLine> frmNameScript::lineSettingTheName()
{
    // Judged with the command word that lblSet shows, as the preview judges it.
    const SetNameLine &judged = m_judged.line;
    if (judged.refusal.isEmpty())
        return judged;
    QString refusal = tr("Tintmark does not save this name. %1.").arg(judged.refusal);
    // The game drops quotes, semicolons and backslashes from names anyway: no dead end.
    const QString kept = withoutWhatTheGameDrops(Text1->text());
    if (SetNameLine::forName(lblSet->text(), kept).refusal.isEmpty()) {
        refusal += u'\n'
            + tr("Name > Remove What the Game Drops makes it %1, as the game shows it.").arg(kept);
    }
    m_saver.refuse(this, refusal);
    return std::nullopt;
}

QString frmNameScript::withoutWhatTheGameDrops(QString name)
{
    name.removeIf([](QChar c) { return ConsoleRules::isRemovedFromNames(c.unicode()); });
    return name;
}

void frmNameScript::Form_Load() { Text1->setEnabled(true); }

bool frmNameScript::eventFilter(QObject *watched, QEvent *event)
{
    // The window's shortcuts come before the name box's own keys, which in the X11 key scheme
    // take Ctrl+E to the end of the line instead of to the script editor.
    if (watched == Text1 && event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        if (std::ranges::any_of(actions(), [&pressed](const QAction *action) {
                return action->shortcuts().contains(pressed);
            })) {
            event->ignore();
            return true;
        }
    }
    // A key typed on a focused swatch is meant for the name: only Space (and Tab) are the
    // swatch's own.
    if (event->type() == QEvent::KeyPress && qobject_cast<ColorSwatch *>(watched)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool forName = (!key->text().isEmpty() && key->text() != u" "_s
                                 && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
            || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
        if (forName && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            Text1->setFocus(Qt::OtherFocusReason);
            Text1->end(false);
            QCoreApplication::sendEvent(Text1, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmNameScript::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmNameScript::Form_Unload()
{
    // The whole program ends with this window, whatever other window is still open.
    QCoreApplication::quit();
}

void frmNameScript::appendColorCode(QString (picColor::*code)() const)
{
    if (!m_colors)
        m_colors = std::make_unique<picColor>();
    const QString colorCode = (m_colors.get()->*code)();

    // Half a code would show as a stray caret in the game: refuse a code that does not fit whole.
    if (Text1->text().size() + colorCode.size() > Text1->maxLength()) {
        QApplication::beep();
        return;
    }
    // Shift+click colors what is selected, as web colorizers do.
    if ((QApplication::keyboardModifiers() & Qt::ShiftModifier) && Text1->hasSelectedText()) {
        colorSelection(colorCode);
        return;
    }
    // Always at the end, whatever the caret or selection; inserting keeps the box's undo history,
    // each click a step of its own.
    endUndoStep();
    Text1->end(false);
    Text1->insert(colorCode);
    endUndoStep();

    // Show the effect of the click at once, just below the name box.
    showPreview();
}

void frmNameScript::endUndoStep()
{
    // QLineEdit merges every insert and key into one undo step until the caret moves: moving it
    // away and back ends the step.
    const int at = Text1->cursorPosition();
    Text1->setCursorPosition(at == 0 ? int(Text1->text().size()) : 0);
    Text1->setCursorPosition(at);
}

namespace {

// A paste the name box cut at its length: it kept the first characters of the line.
struct CutPaste {
    QString line;
    qsizetype kept = 0;
};

// The box cuts a paste that does not fit without a word, but the clipboard still holds the whole
// line it took (up to a line break, as SingleLineValidator keeps it), and the kept part ends at
// the caret. Typing adds one character at a time.
std::optional<CutPaste> cutPasteIn(const QString &text, int caret, int maxLength)
{
    if (text.size() != maxLength)
        return std::nullopt;
    for (const QClipboard::Mode mode : { QClipboard::Clipboard, QClipboard::Selection }) {
        const QString line
            = SingleLineValidator::firstLine(QGuiApplication::clipboard()->text(mode)).toString();
        const QStringView upToCaret = QStringView(text).first(caret);
        for (qsizetype kept = std::min<qsizetype>(caret, line.size() - 1); kept >= 2; --kept) {
            if (upToCaret.endsWith(QStringView(line).first(kept)))
                return CutPaste { line, kept };
        }
    }
    return std::nullopt;
}

// What fits of text in room characters, with no color code cut in half: the game would show its
// caret alone.
QString fitting(QStringView text, qsizetype room)
{
    qsizetype end = 0;
    while (end < text.size()) {
        // A caret takes the next character with it, whatever it is.
        const qsizetype next = end + (text[end] == u'^' && end + 1 < text.size() ? 2 : 1);
        if (next > room)
            break;
        end = next;
    }
    return text.first(end).toString();
}

} // namespace

void frmNameScript::takeNameFromPastedCommand(const QString &before, const QString &after)
{
    const int caret = Text1->cursorPosition();
    const std::optional<CutPaste> cut = cutPasteIn(after, caret, Text1->maxLength());
    // A paste, not typing: more than one character at once.
    if (!cut && after.size() < before.size() + 2)
        return;
    // The text around a cut paste.
    const QString ahead = after.first(caret - (cut ? cut->kept : 0));
    const QString behind = after.sliced(caret);
    const auto take = [this](const QString &text) {
        endUndoStep();
        Text1->selectAll();
        Text1->insert(text);
        endUndoStep();
    };
    // Said where, as the player cannot see what the box left out.
    const auto whereCut = [this](QStringView text, qsizetype kept) {
        constexpr qsizetype shown = 12; // characters each side of the cut
        const QStringView keptPart = text.first(kept);
        const QStringView leftOut = text.sliced(kept);
        return tr("The box holds %1 characters: the paste was cut after \u201c%2\u201d, and "
                  "\u201c%3\u201d was left out.")
            .arg(Text1->maxLength())
            .arg(keptPart.size() > shown ? u'\u2026' + keptPart.last(shown).toString()
                                         : keptPart.toString(),
                leftOut.size() > shown ? leftOut.first(shown).toString() + u'\u2026'
                                       : leftOut.toString());
    };

    // Web colorizers hand out the console command ("/name ^1S^2n"); the name is what the game's
    // console would set from it.
    const QString whole = cut ? ahead + cut->line + behind : after;
    QStringView line = QStringView(whole).trimmed();
    if (line.startsWith(u'/') || line.startsWith(u'\\'))
        line = line.sliced(1);
    const bool setsTheName = std::ranges::any_of(
        std::initializer_list<QStringView> { u"name ", u"set name ", u"seta name " },
        [line](QStringView command) { return line.startsWith(command, Qt::CaseInsensitive); });
    const std::optional<QString> name
        = setsTheName ? SetNameLine::nameSetBy(line) : std::optional<QString>();
    QString said;
    if (name && !name->isEmpty()) {
        const QString fit = fitting(*name, Text1->maxLength());
        take(fit);
        said = tr("The pasted command sets the name %1: the box holds the name alone.").arg(*name);
        if (fit.size() < name->size())
            said += u'\n' + whereCut(*name, fit.size());
    } else if (cut) {
        const QString fit = fitting(cut->line, cut->kept);
        if (fit.size() < cut->kept)
            take(ahead + fit + behind);
        said = whereCut(cut->line, fit.size());
    } else {
        return;
    }
    QToolTip::showText(
        Text1->mapToGlobal(QPoint(0, Text1->height())), said, Text1, {}, previewDisplayTime);
}

void frmNameScript::colorSelection(const QString &colorCode)
{
    const QString name = Text1->text();
    const qsizetype start = Text1->selectionStart();
    const qsizetype end = Text1->selectionEnd();
    // The code in force where the selection ends colors the rest again.
    const QString restore = colorCodeInForce(name, end);
    const QString colored
        = colorCode + name.sliced(start, end - start) + (end < name.size() ? restore : QString());
    if (name.size() - (end - start) + colored.size() > Text1->maxLength()) {
        QApplication::beep();
        return;
    }
    Text1->insert(colored); // in place of the selection, as one undo step
    showPreview();
}

QString frmNameScript::whatTheNameIs()
{
    return tr("The player name that the script sets in the game, with its color codes; the "
              "file's name is asked for at Save.");
}

void frmNameScript::judgeName()
{
    // A preview on screen follows the name instead of showing the old one.
    const bool previewShown = QToolTip::isVisible() && QToolTip::text() == Text1->toolTip();
    m_judged = NamePreview::judge(Text1->text(), m_saver.edition());
    const JudgedName &judged = m_judged;
    Text1->setToolTip(
        NamePreview::html(judged, m_gameColors.palette(), whatTheNameIs(), &m_letters));
    // The first letter the edition cannot show is said as it is typed.
    const bool newlyUnheld = judged.unheld && !m_respellAction->isVisible() && Text1->hasFocus();
    // QAction tells every widget it is in of each setVisible, changed or not.
    if (m_respellAction->isVisible() != judged.unheld.has_value()) {
        if (judged.unheld && m_respellAction->icon().isNull())
            m_respellAction->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
        m_respellAction->setVisible(judged.unheld.has_value());
    }
    if (judged.unheld) {
        m_respellAction->setText(judged.respelled.isEmpty()
                ? tr("Leave Out What the Edition Cannot Show")
                : tr("Spell It \u201c%1\u201d").arg(judged.respelled));
        m_respellAction->setToolTip(
            tr("This edition of the game cannot show %1: click to write the name in letters it "
               "can.")
                .arg(NamePreview::nameOfCharacter(*judged.unheld)));
    }
    if (previewShown || newlyUnheld)
        showPreview();
    if (m_pinned)
        m_pinned->setName(judged);
}

void frmNameScript::showPreview()
{
    QToolTip::showText(Text1->mapToGlobal(QPoint(0, Text1->height())), Text1->toolTip(), Text1, {},
        previewDisplayTime);
}

void frmNameScript::pinPreview()
{
    if (!m_pinned) {
        m_pinned = new PinnedPreview(this, m_gameColors, m_letters);
        m_pinned->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_pinned->setName(m_judged);
    m_pinned->placeBeside(this);
    m_pinned->show();
    QToolTip::hideText();
}

void frmNameScript::createMenus(QMenuBar *menuBar)
{
    // Access letters apart from the layout's own: Alt+E, Alt+S, Alt+N and Alt+P.
    QMenu *file = menuBar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    QAction *save
        = file->addAction(tr("&Save the Name Script..."), this, &frmNameScript::cmdSave_Click);
    save->setObjectName(QStringLiteral("saveAction"));
    save->setShortcut(QKeySequence::Save);
    QAction *editor
        = file->addAction(tr("Add to the Script &Editor"), this, &frmNameScript::Command1_Click);
    editor->setObjectName(QStringLiteral("editorAction"));
    editor->setShortcut(Qt::CTRL | Qt::Key_E);
    file->addSeparator();
    QAction *open = file->addAction(
        tr("&Open Script in the Editor..."), this, [this] { emit openScriptRequested(QString()); });
    open->setObjectName(QStringLiteral("openAction"));
    open->setShortcut(QKeySequence::Open);
    RecentScripts::addMenu(file, [this](const QString &path) { emit openScriptRequested(path); });
    file->addSeparator();
    LanguageMenu::addTo(file, this);
    EditionMenu::addTo(file, m_saver.edition());
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    // The name's commands, as in the name box's context menu.
    m_copyCommandAction = new QAction(tr("Copy the Console &Command"), this);
    m_copyCommandAction->setObjectName(QStringLiteral("copyConsoleCommand"));
    m_copyCommandAction->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    connect(m_copyCommandAction, &QAction::triggered, this, [this] {
        // The console command sets the name at once, without a file.
        const SetNameLine consoleLine = SetNameLine::forName(u"name"_s, Text1->text());
        if (Text1->text().isEmpty() || !consoleLine.refusal.isEmpty()) {
            QApplication::beep();
            return;
        }
        QGuiApplication::clipboard()->setText(u'/' + consoleLine.line);
    });
    m_dropRemovedAction = new QAction(tr("&Remove What the Game Drops"), this);
    m_dropRemovedAction->setObjectName(QStringLiteral("dropRemoved"));
    connect(m_dropRemovedAction, &QAction::triggered, this, [this] {
        endUndoStep();
        Text1->selectAll();
        Text1->insert(withoutWhatTheGameDrops(Text1->text()));
        endUndoStep();
    });
    m_pinAction = new QAction(tr("&Keep the Preview on Screen"), this);
    m_pinAction->setObjectName(QStringLiteral("pinPreview"));
    m_pinAction->setShortcut(Qt::ALT | Qt::Key_P);
    connect(m_pinAction, &QAction::triggered, this, &frmNameScript::pinPreview);
    addActions({ save, editor, open, quit, m_copyCommandAction, m_pinAction });

    m_coloringMenu = new QMenu(tr("Color the &Whole Name"), this);
    m_coloringMenu->setObjectName(QStringLiteral("coloringMenu"));
    m_coloringMenu->setToolTipsVisible(true);
    connect(m_coloringMenu, &QMenu::aboutToShow, this, &frmNameScript::fillColoringMenu);
    m_gameNamesMenu = new QMenu(tr("&Names from the Games"), this);
    m_gameNamesMenu->setObjectName(QStringLiteral("gameNamesMenu"));
    connect(m_gameNamesMenu, &QMenu::aboutToShow, this, &frmNameScript::fillGameNamesMenu);

    QMenu *name = menuBar->addMenu(tr("Na&me"));
    name->setObjectName(QStringLiteral("nameMenu"));
    connect(name, &QMenu::aboutToShow, name, [this, name] {
        name->clear();
        addNameCommands(name);
    });
    HelpMenu::addTo(menuBar, this, m_saver.edition(), m_gameColors,
        [] { return RecentScripts::paths().value(0); });
}

void frmNameScript::showNameMenu(const QPoint &position)
{
    QMenu *menu = Text1->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    addNameCommands(menu);
    menu->popup(Text1->mapToGlobal(position));
}

void frmNameScript::addNameCommands(QMenu *menu)
{
    // A greyed command says why.
    const QString typed = Text1->text();
    const bool refused = !SetNameLine::forName(u"name"_s, typed).refusal.isEmpty();
    m_copyCommandAction->setEnabled(!typed.isEmpty() && !refused);
    m_copyCommandAction->setText(typed.isEmpty()
            ? tr("Copy the Console &Command (type a name first)")
            : refused ? tr("Copy the Console &Command (the game would not set this name)")
                      : tr("Copy the Console &Command"));
    menu->addAction(m_copyCommandAction);
    const QString kept = withoutWhatTheGameDrops(typed);
    m_dropRemovedAction->setEnabled(
        kept != typed && SetNameLine::forName(lblSet->text(), kept).refusal.isEmpty());
    m_dropRemovedAction->setText(m_dropRemovedAction->isEnabled()
            ? tr("&Remove What the Game Drops")
            : tr("&Remove What the Game Drops (no quote, ; or \\ to remove)"));
    menu->addAction(m_dropRemovedAction);
    menu->addAction(m_respellAction);
    menu->addAction(m_pinAction);
    menu->addMenu(m_coloringMenu);
    menu->addMenu(m_gameNamesMenu);
    // The game's own configs are read once, when first asked. A greyed menu says which is
    // missing: the game, its config, or a name in it.
    InstalledGames &games = m_saver.installedGames();
    const bool namesFound = !games.namesInConfigs().isEmpty();
    m_gameNamesMenu->setEnabled(namesFound);
    m_gameNamesMenu->setTitle(namesFound ? tr("&Names from the Games")
            : games.games().isEmpty()    ? tr("&Names from the Games (no game found)")
            : !games.hasConfigs()        ? tr("&Names from the Games (no game config found)")
                                         : tr("&Names from the Games (no name in their configs)"));
}

void frmNameScript::fillColoringMenu()
{
    m_coloringMenu->clear();
    // The whole name in the colors the player clicked: the codes the name holds, in order.
    const QString typed = Text1->text();
    QString picked;
    for (const QChar code : colorCodesIn(typed)) {
        if (ConsoleRules::isCodeDigit(code) && !picked.endsWith(code))
            picked += code;
    }
    using Coloring = AnimationGenerator::Coloring;
    const bool lettersToColor = typed.size() > picked.size() * 2;
    const auto addColoring = [&](const QString &text, Coloring how, const QString &colors) {
        QAction *action = m_coloringMenu->addAction(text, Text1, [this, how, colors] {
            const QString name = AnimationGenerator::coloredName(Text1->text(), colors, how);
            if (name.size() > Text1->maxLength()) {
                QApplication::beep();
                return;
            }
            Text1->selectAll();
            Text1->insert(name); // one undo step
        });
        action->setEnabled(lettersToColor);
        return action;
    };
    addColoring(tr("&Rainbow"), Coloring::Rainbow, picked.size() >= 2 ? picked : u"132546"_s)
        ->setObjectName(QStringLiteral("rainbow"));
    // A greyed command says why.
    const bool twoColors = picked.size() >= 2;
    QAction *gradient
        = addColoring(twoColors ? tr("&Gradient") : tr("&Gradient (click two swatches first)"),
            Coloring::Gradient, picked);
    gradient->setObjectName(QStringLiteral("gradient"));
    gradient->setEnabled(lettersToColor && twoColors);
    m_coloringMenu->setToolTip(
        tr("In the colors of the codes the name holds, in their order: "
           "click the swatches first. A rainbow of six colors without them."));
    if (!lettersToColor) {
        m_coloringMenu->addSeparator();
        m_coloringMenu->addAction(tr("Type the name first"))->setEnabled(false);
    }
}

void frmNameScript::fillGameNamesMenu()
{
    m_gameNamesMenu->clear();
    // The name a player already has is a good start for a new one.
    for (const auto &[game, name] : m_saver.installedGames().namesInConfigs()) {
        m_gameNamesMenu->addAction(tr("%1: %2").arg(GameNames::of(game), name), Text1,
            [this, name] { Text1->setText(name.left(Text1->maxLength())); });
    }
}

void frmNameScript::picRed_Click() { appendColorCode(&picColor::One); }
void frmNameScript::picGreen_Click() { appendColorCode(&picColor::Two); }
void frmNameScript::picYellow_Click() { appendColorCode(&picColor::Three); }
void frmNameScript::picBlue_Click() { appendColorCode(&picColor::Four); }
void frmNameScript::picCyan_Click() { appendColorCode(&picColor::Five); }
void frmNameScript::picMagneto_Click() { appendColorCode(&picColor::Six); }
void frmNameScript::picWhite_Click() { appendColorCode(&picColor::Seven); }
void frmNameScript::PicDPurple_Click() { appendColorCode(&picColor::Eight); }
void frmNameScript::picGray_Click() { appendColorCode(&picColor::Nine); }
void frmNameScript::picBlack_Click() { appendColorCode(&picColor::Ten); }

void frmNameScript::cmdSave_Click()
{
    if (!lineSettingTheName())
        return;
    // The name may change while the dialog is open: the line is the one judged once the file is.
    m_saver.save(this, [this] { return m_judged.line.line; });
}

void frmNameScript::Command1_Click()
{
    if (const std::optional<SetNameLine> line = lineSettingTheName())
        emit scriptEditorRequested(*line);
}
