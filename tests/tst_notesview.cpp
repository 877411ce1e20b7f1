// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/notesview.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_NotesView : public QObject {
    Q_OBJECT

private slots:
    void drawsAsAWrappedLabel_data();
    void drawsAsAWrappedLabel();
};

namespace {

// A scroll area of the kept preview's kind, holding notes of its width.
std::unique_ptr<QScrollArea> notesArea(QWidget *notes)
{
    auto area = std::make_unique<QScrollArea>();
    area->setWidget(notes);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFixedSize(300, 60);
    area->show();
    return area;
}

} // namespace

void tst_NotesView::drawsAsAWrappedLabel_data()
{
    QTest::addColumn<QStringList>("texts"); // shown one after the other

    const QString words = u"<p>10 / 31</p><p>The games refuse \" and ; in a name.</p>"_s;
    const QString wide = u"<p>COD 2 cuts off the end: <b style=\"white-space:pre\">%1</b></p>"_s;
    QTest::newRow("one line") << QStringList { u"<p>10 / 31</p>"_s };
    QTest::newRow("lines that scroll") << QStringList { words + words + words };
    QTest::newRow("a word wider than the view")
        << QStringList { wide.arg(QString(60, u'W')) + words };
    QTest::newRow("narrower again after a wide word")
        << QStringList { wide.arg(QString(60, u'W')), wide.arg(QString(40, u'W')), words };
    QTest::newRow("a table of its own") << QStringList {
        u"<table bgcolor=\"#505050\" cellpadding=\"6\"><tr><td>^1Tint</td></tr></table>"_s + words
    };
}

// It is sized, scrolled and drawn as the word-wrapped label it stands for, whatever it showed
// before.
void tst_NotesView::drawsAsAWrappedLabel()
{
    QFETCH(QStringList, texts);

    auto *label = new QLabel;
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *notes = new NotesView;
    const auto labelArea = notesArea(label);
    const auto notesViewArea = notesArea(notes);
    for (const QString &text : std::as_const(texts)) {
        label->setText(text);
        notes->setText(text);
        QCOMPARE(notes->text(), text);
        // The scroll areas size their widgets as the requests for a new layout come in.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(notes->size(), label->size());
        QCOMPARE(notesViewArea->verticalScrollBar()->maximum(),
            labelArea->verticalScrollBar()->maximum());
        QCOMPARE(notesViewArea->grab().toImage(), labelArea->grab().toImage());
    }
}

QTEST_MAIN(tst_NotesView)
#include "tst_notesview.moc"
