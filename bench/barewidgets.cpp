// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor under Tintmark's start-up time and memory: the kinds of widgets its windows show, in
// the two fonts they use, with Qt's own catalogue for the locale loaded from the program's
// resources as Tintmark loads it, and nothing of Tintmark's. A main window of the given size
// with a menu bar, a line edit, ten filled frames, labels and buttons; given a second size, also
// a window with a menu bar, a plain-text editor with a gutter of line numbers, a label and a
// button, as the script editor. Usage: barewidgets WIDTHxHEIGHT [WIDTHxHEIGHT]
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTranslator>
#include <QVBoxLayout>

#include <cstdio>
#include <optional>

namespace {

// The faces the windows ask for: a sans-serif face at 8 points, and a bold fixed-pitch one for
// the codes, both drawn without shaping.
QFont sansFont()
{
    QFont font;
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
        QStringLiteral("Liberation Sans") });
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSize(8);
    return font;
}

QFont codeFont()
{
    QFont font;
    font.setFamilies({ QStringLiteral("SimSun"), QStringLiteral("Courier New"),
        QStringLiteral("Liberation Mono") });
    font.setStyleHint(QFont::TypeWriter);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(10.5);
    font.setBold(true);
    return font;
}

std::optional<QSize> sizeOf(const QString &argument)
{
    const QStringList parts = argument.split(u'x');
    const QSize size(parts.value(0).toInt(), parts.value(1).toInt());
    if (parts.size() != 2 || size.isEmpty())
        return std::nullopt;
    return size;
}

// A menu bar as Qt's application example has it.
void addMenus(QMainWindow &window)
{
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New"))->setShortcut(QKeySequence::New);
    file->addAction(QStringLiteral("&Open..."))->setShortcut(QKeySequence::Open);
    file->addAction(QStringLiteral("&Save"))->setShortcut(QKeySequence::Save);
    file->addAction(QStringLiteral("Save &As..."))->setShortcut(QKeySequence::SaveAs);
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close)
        ->setShortcut(QKeySequence::Quit);
    QMenu *edit = window.menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("Cu&t"))->setShortcut(QKeySequence::Cut);
    edit->addAction(QStringLiteral("&Copy"))->setShortcut(QKeySequence::Copy);
    edit->addAction(QStringLiteral("&Paste"))->setShortcut(QKeySequence::Paste);
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"));
    help->addAction(QStringLiteral("About &Qt"), qApp, &QApplication::aboutQt);
}

// Line numbers at the left of a plain-text editor, as editors draw them.
class GutteredEdit : public QPlainTextEdit {
public:
    explicit GutteredEdit(QWidget *parent)
        : QPlainTextEdit(parent)
        , m_gutter(new QWidget(this))
    {
        setViewportMargins(gutterWidth, 0, 0, 0);
        m_gutter->installEventFilter(this);
        connect(this, &QPlainTextEdit::updateRequest, m_gutter, [this] { m_gutter->update(); });
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QPlainTextEdit::resizeEvent(event);
        const QRect inside = contentsRect();
        m_gutter->setGeometry(inside.left(), inside.top(), gutterWidth, inside.height());
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_gutter || event->type() != QEvent::Paint)
            return QPlainTextEdit::eventFilter(watched, event);
        QPainter painter(m_gutter);
        painter.fillRect(m_gutter->rect(), palette().color(QPalette::AlternateBase));
        for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
            const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
            if (box.top() > m_gutter->height())
                break;
            painter.drawText(QRectF(0, box.top(), gutterWidth - 3, box.height()), Qt::AlignRight,
                QString::number(block.blockNumber() + 1));
        }
        return true;
    }

private:
    static constexpr int gutterWidth = 24;
    QWidget *m_gutter;
};

void fillMainWindow(QMainWindow &window, QSize size)
{
    addMenus(window);
    auto *client = new QWidget(&window);
    window.setCentralWidget(client);
    window.setFixedSize(size);
    const int width = size.width();
    const int cell = width / 10;
    for (int i = 0; i < 10; ++i) {
        auto *frame = new QFrame(client);
        frame->setAutoFillBackground(true);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, QColor::fromHsv(i * 36, 255, 255));
        frame->setPalette(palette);
        frame->setGeometry(cell * i + 8, 8, cell / 2, 25);
        auto *code = new QLabel(QStringLiteral("^%1").arg((i + 1) % 10), client);
        code->setFont(codeFont());
        code->setGeometry(cell * i + 8 + cell / 2 + 4, 8, cell / 4, 25);
    }
    auto *caption = new QLabel(QStringLiteral("Name:"), client);
    caption->setGeometry(8, 42, 80, 17);
    auto *line = new QLineEdit(client);
    line->setGeometry(96, 40, width - 104, 19);
    auto *help = new QLabel(QStringLiteral("A line of help beside the buttons, long enough to "
                                           "wrap onto a second line in its box."),
        client);
    help->setWordWrap(true);
    help->setGeometry(96, 64, width - 280, 41);
    const char *captions[] = { "&Open", "&Save" };
    for (int i = 0; i < 2; ++i) {
        auto *button = new QPushButton(QLatin1String(captions[i]), client);
        button->setGeometry(width - 176 + i * 88, 72, 80, 25);
    }
}

void fillEditorWindow(QMainWindow &window, QSize size)
{
    addMenus(window);
    auto *client = new QWidget(&window);
    window.setCentralWidget(client);
    window.resize(size);
    auto *layout = new QVBoxLayout(client);
    auto *edit = new GutteredEdit(client);
    QString text;
    for (int i = 1; i <= 8; ++i)
        text += QStringLiteral("// line %1 of a short text in the editor\n").arg(i);
    edit->setPlainText(text);
    layout->addWidget(edit);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("A line of help beside the button."), client), 1);
    bottom->addWidget(new QPushButton(QStringLiteral("&Save"), client));
    layout->addLayout(bottom);
    layout->addWidget(new QLabel(QStringLiteral("New text"), client));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const std::optional<QSize> mainSize = sizeOf(arguments.value(1));
    const std::optional<QSize> editorSize = sizeOf(arguments.value(2));
    if (!mainSize || (arguments.size() > 2 && !editorSize) || arguments.size() > 3) {
        std::fputs("usage: barewidgets WIDTHxHEIGHT [WIDTHxHEIGHT]\n", stderr);
        return 2;
    }
    QTranslator qts;
    if (qts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&qts);
    QApplication::setFont(sansFont());

    QMainWindow mainWindow;
    fillMainWindow(mainWindow, *mainSize);
    mainWindow.show();
    QMainWindow editorWindow;
    if (editorSize) {
        fillEditorWindow(editorWindow, *editorSize);
        editorWindow.show();
    }
    return app.exec();
}
