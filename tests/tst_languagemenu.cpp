// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations/language.h"
#include "widgets/languagemenu.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The choice of the language Tintmark speaks, kept for the next start, which it says.
class tst_LanguageMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void keepsTheChoiceForTheNextStart();

private:
    QTemporaryDir m_settings;
};

void tst_LanguageMenu::initTestCase()
{
    // The choice go to the test's own settings.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_LanguageMenu::cleanup()
{
    Language::choose(QString());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_LanguageMenu::keepsTheChoiceForTheNextStart()
{
    QWidget window;
    QMenu file;
    LanguageMenu::addTo(&file, &window);
    auto *languages = file.findChild<QMenu *>(u"languageMenu"_s);
    QVERIFY(languages);
    QVERIFY(languages->findChild<QAction *>(u"language_system"_s)->isChecked());
    QVERIFY(!Language::available().isEmpty());
    const QString language = Language::available().first();
    languages->findChild<QAction *>(u"language_"_s + language)->trigger();
    QCOMPARE(Language::chosen(), language);
    auto *said = window.findChild<QMessageBox *>(u"languageChosen"_s);
    QVERIFY(said && said->isVisible() && !said->isModal());
    QVERIFY2(said->text().contains(Language::nameOf(language)), qPrintable(said->text()));
}

QTEST_MAIN(tst_LanguageMenu)
#include "tst_languagemenu.moc"
