# SPDX-FileCopyrightText: 2026 Tintmark developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes THIRD-PARTY-NOTICES.txt for the Windows zip: what tintmark.exe contains, then the
# licence texts, taken from the copyright files of the Debian packages whose source is built
# into it. A missing file stops the build: the zip must not go out without them.
#   tintmark_write_notices(OUTPUT)
function(tintmark_write_notices output)
    file(READ ${PROJECT_SOURCE_DIR}/windows/third-party-notices.txt text)
    foreach(part
            "Qt 6 (Debian's qt6-base)|/usr/share/doc/libqt6core6/copyright"
            "GNU Lesser General Public License version 3|/usr/share/common-licenses/LGPL-3"
            "GNU General Public License version 3|/usr/share/common-licenses/GPL-3"
            "MinGW-w64 runtime and winpthreads|/usr/share/doc/mingw-w64-common/copyright"
            "GCC: libstdc++ and libgcc, GCC Runtime Library Exception|/usr/share/doc/gcc-mingw-w64-base/copyright")
        string(REPLACE "|" ";" part "${part}")
        list(GET part 0 title)
        list(GET part 1 source)
        if(NOT EXISTS ${source})
            message(FATAL_ERROR "${source} is missing: the Windows zip needs its licence texts")
        endif()
        file(READ ${source} licence)
        string(APPEND text "\n\n==============================================================================\n"
            "${title}\n(from ${source})\n"
            "==============================================================================\n\n"
            "${licence}")
    endforeach()
    # Notepad's line ends.
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${output} "${text}")
endfunction()
