#include "frmeditor.h"

#include "fixedlayout.h"
#include "namepreview.h"
#include "scriptline.h"
#include "scriptsaver.h"
#include "scripttemplate.h"

#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextOption>
#include <QToolTip>

frmEditor::frmEditor(ScriptSaver &saver, QWidget *parent)
    : QWidget(parent)
    , m_saver(saver)
    , txtEditor(new QPlainTextEdit(this))
    , cmdSave(new QPushButton(tr("&Save"), this))
    , Label1(new QLabel(tr("This is where you can you add Animation to your script CFG file. Then "
                           "you can save it by hitting the save button."),
          this))
{
    setObjectName(QStringLiteral("frmEditor"));
    setWindowTitle(tr("Tintmark Editor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(fixedLayoutFont());
    setFixedSize(rectFromTwips(0, 0, 8625, 5025).size());

    txtEditor->setObjectName(QStringLiteral("txtEditor"));
    txtEditor->setGeometry(rectFromTwips(120, 120, 8295, 4335));
    // Long lines wrap on screen only; the script breaks lines where it holds a line break.
    txtEditor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtEditor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to Save, as in any form; scripts need no tab characters.
    txtEditor->setTabChangesFocus(true);
    // A wrapped line counts its trailing spaces in its width, as the last line does. Otherwise a
    // line ending in a space, as a hand-off with an empty name does, gets narrower when it wraps,
    // and Qt then measures every line of the script anew: on a script of megabytes, a pause and
    // a layout object for every line.
    QTextOption textOption = txtEditor->document()->defaultTextOption();
    textOption.setFlags(textOption.flags() | QTextOption::IncludeTrailingSpaces);
    txtEditor->document()->setDefaultTextOption(textOption);
    txtEditor->setPlainText(scriptTemplate());
    txtEditor->setAccessibleName(tr("Script"));
    txtEditor->viewport()->installEventFilter(this);

    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setGeometry(rectFromTwips(6960, 4560, 1455, 375));
    cmdSave->setAutoDefault(false);
    connect(cmdSave, &QPushButton::clicked, this, &frmEditor::cmdSave_Click);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(rectFromTwips(120, 4560, 6735, 375));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    fitFontToLabels({ Label1 });
}

void frmEditor::appendCommand(const QString &command)
{
    // A cursor of its own inserts at the end without resetting the document, so the player's
    // undo history survives and the cost follows the command, not the size of the script. The
    // edit block keeps the command from merging with the player's typing into one undo step.
    QTextCursor end(txtEditor->document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    end.insertText(u' ' + command);
    end.endEditBlock();
    txtEditor->setTextCursor(end);
    txtEditor->ensureCursorVisible();
}

bool frmEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != txtEditor->viewport() || event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);

    const auto *help = static_cast<QHelpEvent *>(event);
    const QString line = txtEditor->cursorForPosition(help->pos()).block().text();
    if (const std::optional<QString> name = nameSetByLine(line))
        QToolTip::showText(help->globalPos(), namePreviewHtml(*name), txtEditor->viewport());
    else
        QToolTip::hideText();
    return true;
}

QString frmEditor::scriptText() const
{
    // toPlainText() would also make every no-break space a plain space, so the script would not
    // hold what the player typed. Only the document's own separators become line breaks.
    QString text = txtEditor->document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

void frmEditor::cmdSave_Click()
{
    m_saver.save(this, [this] { return scriptText(); });
}
