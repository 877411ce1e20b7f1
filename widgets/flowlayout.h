// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FLOWLAYOUT_H
#define FLOWLAYOUT_H

#include <QLayout>
#include <QList>

// Lays its items out in rows, left to right, as a box layout would, and starts another row where
// the width ends for the next item's minimum, as words wrap: a window keeps its controls when it
// is narrow, on a small or magnified screen. An item that expands across takes the rest of its
// row.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget *parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    // A layout of its own as one item, kept whole on a row.
    void addLayout(QLayout *layout);
    void insertWidget(int index, QWidget *widget);
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Lays the items out in rect, or only measures when apply is false; returns the height taken.
    int arrange(const QRect &rect, bool apply) const;
    int gap() const;

    QList<QLayoutItem *> m_items;
};

#endif // FLOWLAYOUT_H
