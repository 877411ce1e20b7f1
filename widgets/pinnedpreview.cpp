// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pinnedpreview.h"

#include "gamecolors.h"
#include "gameletters.h"
#include "gamenameview.h"
#include "lettersnote.h"
#include "namepreview.h"
#include "notesview.h"

#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int notesLines = 6;

} // namespace

PinnedPreview::PinnedPreview(QWidget *window, const GameColors &colors, GameLetters &letters)
    : QWidget(window, Qt::Tool)
    , m_colors(colors)
    , m_name(new GameNameView(colors, this))
    , m_letters(new LettersNote(this))
    , m_details(new NotesView(this))
{
    setObjectName(QStringLiteral("pinnedPreview"));
    setWindowTitle(tr("Tintmark Preview"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_name->setObjectName(QStringLiteral("pinnedName"));
    m_name->drawIn(&letters);
    m_letters->setObjectName(QStringLiteral("pinnedLetters"));
    m_letters->follow(&letters);
    m_details->setObjectName(QStringLiteral("pinnedDetails"));
    // The name always whole; the notes, however many, scroll within room for a few, so that the
    // window keeps its size and never grows over the window it stands beside.
    m_name->setMinimumSize(m_name->sizeHint());
    auto *notes = new QScrollArea(this);
    notes->setObjectName(QStringLiteral("pinnedNotes"));
    notes->setWidget(m_details);
    notes->setWidgetResizable(true);
    notes->setFrameShape(QFrame::NoFrame);
    notes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notes->setFixedHeight(fontMetrics().lineSpacing() * notesLines);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(m_letters);
    layout->addWidget(notes);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PinnedPreview::setName(const JudgedName &judged)
{
    m_name->setName(judged.name.shown);
    m_details->setText(NamePreview::detailsHtml(judged, m_colors.palette()));
}

void PinnedPreview::placeBeside(QWidget *window)
{
    adjustSize();
    const QRect frame = window->frameGeometry();
    const QRect screen = window->screen()->availableGeometry();
    // The window has no frame before it shows: take its window's.
    const QSize size = this->size() + (frame.size() - window->size());
    QPoint at(frame.left(), frame.top() - size.height());
    if (at.y() < screen.top())
        at.setY(frame.bottom() + 1);
    at.setX(
        std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - size.width())));
    at.setY(
        std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - size.height())));
    move(at);
}
