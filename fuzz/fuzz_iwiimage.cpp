// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes decoded as an image file of COD 2.
#include "gamefont/iwiimage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    IwiImage::decode(QByteArrayView(data, qsizetype(size)));
    return 0;
}
