// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes read as a font file, each byte's glyph looked up, and as a material file.
#include "gamefont/gamefont.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    if (const std::optional<GameFont> font = GameFont::parse(bytes)) {
        for (uint letter = 0; letter < 0x10000; letter += letter < 0x100 ? 1 : 0x101)
            font->glyph(letter);
    }
    GameFont::materialImage(bytes);
    return 0;
}
