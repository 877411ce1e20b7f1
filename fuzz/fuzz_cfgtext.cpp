// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The decoding of a .cfg file's bytes, as opening one decodes them: Windows-1252, the test for
// UTF-8, the UTF-8 reading and the editor's text; each must give text that encodes back.
#include "cfgreader.h"
#include "windows1252.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = Windows1252::decode(bytes);
    // Every byte comes back as it was.
    if (Windows1252::encode(text) != bytes)
        std::abort();
    if (CfgReader::isSavedAsUtf8(text))
        CfgReader::editorText(CfgReader::fromUtf8(text));
    CfgReader::editorText(text);
    return 0;
}
