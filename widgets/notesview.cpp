// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "notesview.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>

#include <cmath>

namespace {

int roundedUp(qreal length) { return int(std::ceil(length)); }

} // namespace

NotesView::NotesView(QWidget *parent)
    : QWidget(parent)
{
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    // As QLabel sets its document: wrapped at words, no margin round the text.
    m_document.setUndoRedoEnabled(false);
    m_document.setDocumentMargin(0);
    QTextOption option = m_document.defaultTextOption();
    option.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);
    m_document.setDefaultTextOption(option);
    m_document.setDefaultFont(font());
}

void NotesView::setText(const QString &html)
{
    if (html == m_text)
        return;
    m_text = html;
    // Laid out at the width it was laid out at before, which is mostly the width it shows at.
    m_document.setHtml(html);
    setAccessibleName(m_document.toPlainText());
    updateGeometry();
    update();
}

void NotesView::layOut(int width) const
{
    if (width == m_laidOutWidth)
        return;
    m_document.setTextWidth(width);
    m_laidOutWidth = width;
}

QSize NotesView::sizeHint() const
{
    // A QLabel's, for the text it has when a scroll area first asks, which is the only time it
    // asks: the width of the golden ratio.
    if (!m_sizeHint.isValid()) {
        m_document.adjustSize();
        m_sizeHint
            = QSize(roundedUp(m_document.size().width()), roundedUp(m_document.size().height()));
        m_laidOutWidth = -1;
    }
    return m_sizeHint;
}

QSize NotesView::minimumSizeHint() const
{
    // A QLabel's is as wide as its widest word, which a scroll area takes where it is wider than
    // the view: a word wider than the width laid out at stands out of it. Wider than the view
    // already, the widest word is measured, each line then holding one.
    layOut(width());
    const bool widened = parentWidget() && width() > parentWidget()->width();
    if (widened)
        layOut(0);
    const int laidOut = roundedUp(m_document.size().width());
    return { widened || laidOut > m_laidOutWidth ? laidOut : 0, 0 };
}

int NotesView::heightForWidth(int width) const
{
    layOut(width);
    return roundedUp(m_document.size().height());
}

void NotesView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_document.setDefaultFont(font());
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

void NotesView::paintEvent(QPaintEvent *)
{
    layOut(width());
    QPainter painter(this);
    painter.setClipRect(rect());
    // In a label's colors: the text in the window's text color.
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    if (isEnabled())
        context.palette.setColor(QPalette::Text, context.palette.color(QPalette::WindowText));
    m_document.documentLayout()->draw(&painter, context);
}
