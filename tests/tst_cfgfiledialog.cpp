#include "cfgfiledialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// Drives the real Save dialog, as a player would.
class tst_CfgFileDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void offersOneFilterAndAnEmptyName();
    void typedNameIsUsedUnchanged();
    void replacingAFileAsksFirst();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

// Runs answer on the next modal widget of type T as soon as it is shown; exec() blocks the test
// until the dialog closes, so the answer comes from the event loop.
template <typename T> void whenModal(std::function<void(T *)> answer)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            dialog && dialog->isVisible()) {
            poll->deleteLater();
            poll->stop();
            answer(dialog);
        }
    });
    poll->start(10);
}

QLineEdit *nameField(QFileDialog *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

// Like a player who goes to a folder and types a name there.
void typeName(QFileDialog *dialog, const QString &folder, const QString &name)
{
    dialog->setDirectory(folder);
    QTest::keyClicks(nameField(dialog), name);
    QTest::keyClick(nameField(dialog), Qt::Key_Return);
}

} // namespace

void tst_CfgFileDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_CfgFileDialog::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty() || !QApplication::activeModalWidget());
}

void tst_CfgFileDialog::offersOneFilterAndAnEmptyName()
{
    QStringList filters;
    QStringList shownFilters;
    QString name = u"<not shown>"_qs;
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        filters = dialog->nameFilters();
        const auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < combo->count(); ++i)
            shownFilters << combo->itemText(i);
        name = nameField(dialog)->text();
        dialog->reject();
    });
    CfgFileDialog chooser;
    QVERIFY(chooser.chooseSavePath(nullptr).isEmpty());
    QCOMPARE(filters, QStringList { "Name CFG(*.cfg)" });
    QCOMPARE(shownFilters, QStringList { "Name CFG(*.cfg)" });
    QCOMPARE(name, QString());
}

void tst_CfgFileDialog::typedNameIsUsedUnchanged()
{
    CfgFileDialog chooser;
    whenModal<QFileDialog>(
        [&](QFileDialog *dialog) { typeName(dialog, m_dir->path(), u"myname"_qs); });
    QCOMPARE(chooser.chooseSavePath(nullptr), m_dir->filePath(u"myname"_qs));

    // The next save starts with an empty name field again.
    QString name = u"<not shown>"_qs;
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        name = nameField(dialog)->text();
        dialog->reject();
    });
    QVERIFY(chooser.chooseSavePath(nullptr).isEmpty());
    QCOMPARE(name, QString());
}

void tst_CfgFileDialog::replacingAFileAsksFirst()
{
    QFile existing(m_dir->filePath(u"old.cfg"_qs));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    QStringList questions;
    const auto answerWith = [&](QMessageBox::StandardButton button) {
        return [&questions, button](QMessageBox *box) {
            questions << box->text();
            box->button(button)->click();
        };
    };
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        // Declined: the dialog stays open, and the player cancels it.
        whenModal<QMessageBox>(answerWith(QMessageBox::No));
        typeName(dialog, m_dir->path(), u"old.cfg"_qs);
        QVERIFY(dialog->isVisible());
        dialog->reject();
    });
    CfgFileDialog chooser;
    QVERIFY(chooser.chooseSavePath(nullptr).isEmpty());
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions.first().contains(u"old.cfg"_qs), qPrintable(questions.first()));

    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        whenModal<QMessageBox>(answerWith(QMessageBox::Yes));
        typeName(dialog, m_dir->path(), u"old.cfg"_qs);
    });
    QCOMPARE(chooser.chooseSavePath(nullptr), existing.fileName());
    QCOMPARE(questions.size(), 2);
}

QTEST_MAIN(tst_CfgFileDialog)
#include "tst_cfgfiledialog.moc"
