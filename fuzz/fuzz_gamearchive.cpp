// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game's archive of any bytes, read as the font's loading reads one: a damaged archive must
// hold nothing rather than crash or hang.
#include "gamefont/gamearchive.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const GameArchive archive(&buffer);
    for (const char *path : { "fonts/normalFont", "materials/fonts/gamefonts_pc", "a" })
        archive.read(QString::fromLatin1(path), 1 << 20);
    return 0;
}
