// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamelanguage.h"

namespace {

// g_languages of stringed_hooks (CoD2rev, cod2-mp-macho, opencod1): the names the localized
// archives carry, in loc_language's order.
constexpr const char16_t *keys[] = { u"english", u"french", u"german", u"italian", u"spanish",
    u"british", u"russian", u"polish" };

} // namespace

QString GameLanguage::key() const { return QString::fromUtf16(keys[int(m_id)]); }

QString GameLanguage::name() const
{
    switch (m_id) {
    case Id::English:
        return tr("English");
    case Id::French:
        return tr("French");
    case Id::German:
        return tr("German");
    case Id::Italian:
        return tr("Italian");
    case Id::Spanish:
        return tr("Spanish");
    case Id::British:
        return tr("British English");
    case Id::Russian:
        return tr("Russian");
    case Id::Polish:
        return tr("Polish");
    }
    return {};
}

CodePage GameLanguage::codePage() const
{
    switch (m_id) {
    case Id::Russian:
        return CodePage::Id::Cyrillic;
    case Id::Polish:
        return CodePage::Id::CentralEuropean;
    default:
        return CodePage::Id::Western;
    }
}

std::optional<GameLanguage> GameLanguage::ofKey(QStringView key)
{
    for (const Id id : all) {
        if (key.compare(GameLanguage(id).key(), Qt::CaseInsensitive) == 0)
            return GameLanguage(id);
    }
    return std::nullopt;
}
