// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "languagemenu.h"

#include "translations/language.h"

#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>

using namespace Qt::StringLiterals;

void LanguageMenu::addTo(QMenu *menu, QWidget *window)
{
    QMenu *languages = menu->addMenu(tr("&Language"));
    languages->setObjectName(QStringLiteral("languageMenu"));
    auto *group = new QActionGroup(languages);
    const QString chosen = Language::chosen();
    const auto add = [&](const QString &name, const QString &language) {
        QAction *action = languages->addAction(name, window, [window, name, language] {
            Language::choose(language);
            // The windows are built in one language: the next start speaks the new one.
            auto *said = new QMessageBox(QMessageBox::Information, tr("Language"),
                tr("Tintmark speaks %1 from its next start.").arg(name), QMessageBox::Ok, window);
            said->setObjectName(QStringLiteral("languageChosen"));
            said->setAttribute(Qt::WA_DeleteOnClose);
            said->setModal(false);
            said->show();
        });
        action->setObjectName(u"language_"_s + (language.isEmpty() ? u"system"_s : language));
        action->setCheckable(true);
        action->setChecked(language == chosen);
        group->addAction(action);
    };
    add(tr("The System's Language"), QString());
    languages->addSeparator();
    add(QStringLiteral("English"), u"en"_s);
    for (const QString &language : Language::available())
        add(Language::nameOf(language), language);
}
