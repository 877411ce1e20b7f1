// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numberedtextedit.h"

#include <QPainter>
#include <QTextBlock>

namespace {

class Gutter : public QWidget {
public:
    explicit Gutter(NumberedTextEdit *editor)
        : QWidget(editor)
        , m_editor(editor)
    {
        setObjectName(QStringLiteral("lineNumbers"));
    }
    QSize sizeHint() const override { return { m_editor->gutterWidth(), 0 }; }

protected:
    void paintEvent(QPaintEvent *event) override { m_editor->paintGutter(event); }

private:
    NumberedTextEdit *m_editor;
};

} // namespace

NumberedTextEdit::NumberedTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_gutter(new Gutter(this))
{
    connect(this, &QPlainTextEdit::blockCountChanged, this, &NumberedTextEdit::updateGutterWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &NumberedTextEdit::updateGutter);
    updateGutterWidth();
}

int NumberedTextEdit::gutterWidth() const
{
    int digits = 1;
    for (int lines = std::max(1, blockCount()); lines >= 10; lines /= 10)
        ++digits;
    return 6 + fontMetrics().horizontalAdvance(u'9') * std::max(digits, 2);
}

void NumberedTextEdit::updateGutterWidth() { setViewportMargins(gutterWidth(), 0, 0, 0); }

void NumberedTextEdit::updateGutter(const QRect &rect, int dy)
{
    if (dy)
        m_gutter->scroll(0, dy);
    else
        m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
    if (rect.contains(viewport()->rect()))
        updateGutterWidth();
}

void NumberedTextEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect inside = contentsRect();
    m_gutter->setGeometry(inside.left(), inside.top(), gutterWidth(), inside.height());
}

void NumberedTextEdit::paintGutter(QPaintEvent *event)
{
    QPainter painter(m_gutter);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int right = m_gutter->width() - 3;
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top()) {
            painter.drawText(0, top, right, fontMetrics().height(), Qt::AlignRight,
                QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top = bottom;
    }
}
