// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editionmenu.h"

#include "gameedition.h"

#include <QActionGroup>
#include <QMenu>

using namespace Qt::StringLiterals;

void EditionMenu::addTo(QMenu *menu, GameEdition &edition)
{
    QMenu *editions = menu->addMenu(tr("Game &Edition"));
    editions->setObjectName(QStringLiteral("editionMenu"));
    editions->setToolTipsVisible(true);
    auto *group = new QActionGroup(editions);
    const auto add = [&](const QString &text, std::optional<GameLanguage> language) {
        QAction *action = editions->addAction(
            text, editions, [&edition, language] { edition.choose(language); });
        action->setObjectName(u"edition_"_s + (language ? language->key() : u"installed"_s));
        action->setCheckable(true);
        group->addAction(action);
        return action;
    };
    QAction *installed = add(tr("As the Game Installed"), std::nullopt);
    installed->setToolTip(tr("The edition of the game Tintmark finds on this computer."));
    editions->addSeparator();
    for (const GameLanguage::Id id : GameLanguage::all) {
        const GameLanguage language(id);
        add(tr("%1 (%2 letters)").arg(language.name(), language.codePage().letters()), language);
    }
    // The marks follow the choice made in either window.
    QObject::connect(editions, &QMenu::aboutToShow, editions, [editions, installed, &edition] {
        const QString key = edition.language().key();
        installed->setChecked(!edition.chosen());
        const std::optional<GameLanguage> found = edition.installed();
        installed->setText(found ? tr("As the Game Installed (%1)").arg(found->name())
                                 : tr("As the Game Installed (none found: English)"));
        for (QAction *action : editions->actions()) {
            if (action != installed && action->isCheckable())
                action->setChecked(
                    edition.chosen() && action->objectName() == u"edition_"_s + key);
        }
    });
}
