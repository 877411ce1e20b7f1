// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The decoding of a .cfg file's bytes, as opening one decodes them: in each code page, the test
// for UTF-8, the UTF-8 reading, its respelling and the editor's text; each must give text that
// encodes back.
#include "cfgfile/cfgreader.h"
#include "cfgfile/codepage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const CodePage::Id id : CodePage::all) {
        const CodePage codePage(id);
        const QString text = codePage.decode(bytes);
        // Every byte comes back as it was.
        if (codePage.encode(text) != bytes)
            std::abort();
        if (CfgReader::isSavedAsUtf8(text, codePage)) {
            const QString respelled
                = codePage.respelled(CfgReader::editorText(CfgReader::fromUtf8(text, codePage)));
            if (codePage.firstUnencodable(respelled))
                std::abort();
        }
        CfgReader::editorText(text);
    }
    return 0;
}
