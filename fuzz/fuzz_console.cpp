// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The console model and the checker on any script: the first byte picks the game and the
// server, the rest is the file as the game reads it.
#include "checker/checkreport.h"
#include "cfgfile/codepage.h"
#include "checker/scriptchecker.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const GameVersion game = gameVersions[data[0] % std::size(gameVersions)];
    const ConsoleRules::ServerKind server
        = data[0] & 0x80 ? ConsoleRules::ServerKind::Competitive : ConsoleRules::ServerKind::Stock;
    const QString script = CodePage().decode(
        QByteArray(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1)));
    const ScriptCheck check
        = ScriptChecker::check(script, ConsoleRules::defaultMaxFps, game, { server, 20 });
    CheckReport::of(check, ConsoleRules::defaultMaxFps);
    return 0;
}
