// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flowlayout.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

bool expandsAcross(const QLayoutItem *item) { return item->expandingDirections() & Qt::Horizontal; }

int heightAt(const QLayoutItem *item, int width)
{
    const int height
        = item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
    return std::max(height, item->minimumSize().height());
}

} // namespace

FlowLayout::FlowLayout(QWidget *parent)
    : QLayout(parent)
{
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items << item;
    invalidate();
}

void FlowLayout::addLayout(QLayout *layout)
{
    addChildLayout(layout);
    addItem(layout);
}

void FlowLayout::insertWidget(int index, QWidget *widget)
{
    addChildWidget(widget);
    m_items.insert(std::clamp<qsizetype>(index, 0, m_items.size()), new QWidgetItem(widget));
    invalidate();
}

int FlowLayout::count() const { return int(m_items.size()); }

QLayoutItem *FlowLayout::itemAt(int index) const { return m_items.value(index); }

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    invalidate();
    return m_items.takeAt(index);
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return std::ranges::any_of(m_items, expandsAcross) ? Qt::Horizontal : Qt::Orientations();
}

int FlowLayout::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

QSize FlowLayout::minimumSize() const
{
    // The widest item decides how narrow the rows may get.
    QSize size;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return size.grownBy(margins);
}

QSize FlowLayout::sizeHint() const
{
    // All of it on one row, the items that expand at their least: they take what is left.
    int width = 0;
    int height = 0;
    for (const QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        width += (width ? gap() : 0)
            + (expandsAcross(item) ? item->minimumSize() : item->sizeHint()).width();
        height = std::max(height, item->sizeHint().height());
    }
    return QSize(width, height).grownBy(contentsMargins());
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::gap() const
{
    if (spacing() >= 0)
        return spacing();
    const QWidget *widget = parentWidget();
    return widget
        ? widget->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, widget)
        : 6;
}

int FlowLayout::arrange(const QRect &rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    QList<QLayoutItem *> items;
    for (QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            items << item;
    }
    const auto minimumWidth = [](const QLayoutItem *item) { return item->minimumSize().width(); };
    int y = area.top();
    for (qsizetype start = 0; start < items.size();) {
        // As many items as fit at their minimum widths, as in a row of a box layout.
        qsizetype end = start;
        int used = 0;
        while (end < items.size()) {
            const int width = minimumWidth(items[end]) + (end > start ? gap() : 0);
            if (end > start && used + width > area.width())
                break;
            used += width;
            ++end;
        }
        const auto row = QList(items.begin() + start, items.begin() + end);
        // The room left takes each item towards the width it would like, then goes to the items
        // that expand, in equal shares.
        int left = std::max(0, area.width() - used);
        int growth = 0;
        for (const QLayoutItem *item : row)
            growth += std::max(0, item->sizeHint().width() - minimumWidth(item));
        QList<int> widths;
        for (const QLayoutItem *item : row) {
            const int wanted = std::max(0, item->sizeHint().width() - minimumWidth(item));
            widths << minimumWidth(item)
                    + (growth <= left ? wanted : int(qint64(wanted) * left / growth));
        }
        left = std::max(0, left - growth);
        const int expanding = int(std::ranges::count_if(row, expandsAcross));
        int expanded = 0;
        int height = 0;
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (expandsAcross(row[i])) {
                ++expanded;
                widths[i] += expanded < expanding ? left / expanding
                                                  : left - left / expanding * (expanding - 1);
            }
            height = std::max(height, heightAt(row[i], widths[i]));
        }
        if (apply) {
            int x = area.left();
            for (qsizetype i = 0; i < row.size(); ++i) {
                const int itemHeight = std::min(height, heightAt(row[i], widths[i]));
                row[i]->setGeometry(QRect(x, y + (height - itemHeight) / 2, widths[i], itemHeight));
                x += widths[i] + gap();
            }
        }
        y += height + gap();
        start = end;
    }
    const int taken = items.isEmpty() ? 0 : y - gap() - area.top();
    return taken + contentsMargins().top() + contentsMargins().bottom();
}
