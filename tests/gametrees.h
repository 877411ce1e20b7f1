// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GAMETREES_H
#define GAMETREES_H

#include "games/gamefinder.h"
#include "treefile.h"

#include <QDir>
#include <QString>

using namespace Qt::StringLiterals;

// Games installed in a test's own folder: COD 2 in Steam, COD 2 in the Program Files of a Wine
// prefix that this account may not write, whose writes Windows redirects to VirtualStore, and
// United Offensive in Steam.
namespace GameTrees {

inline const QString steamCod2 = u".local/share/Steam/steamapps/common/Call of Duty 2/main"_s;
inline const QString steamUo
    = u".local/share/Steam/steamapps/common/Call of Duty United Offensive/uo"_s;
inline const QString protectedCod2
    = u".wine/drive_c/Program Files (x86)/Activision/Call of Duty 2/main"_s;

// Where the games under root are looked for.
inline GameSearch searchIn(const QString &root)
{
    GameSearch search;
    search.home = root;
    search.winePrefixes = { root + u"/.wine"_s };
    search.programFilesFolders = { root + u"/.wine/drive_c/Program Files (x86)"_s };
    search.localAppData = root + u"/AppData/Local"_s;
    search.canWrite = [](const QString &) { return false; };
    return search;
}

inline bool installIn(const QString &root)
{
    return writeTreeFile(root + u'/' + steamCod2 + u"/iw_00.iwd"_s, {})
        && writeTreeFile(root + u'/' + protectedCod2 + u"/iw_00.iwd"_s, {})
        && writeTreeFile(root + u'/' + steamUo + u"/pakuo00.pk3"_s, {});
}

// The copy of the protected COD 2's folder that Windows keeps, where the game reads its scripts.
inline QString virtualStoreOf(const QString &root)
{
    return root + u"/AppData/Local/VirtualStore/"_s + root.section(u'/', 1) + u'/' + protectedCod2;
}

} // namespace GameTrees

#endif // GAMETREES_H
