// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TEMPLATELITERAL_H
#define TEMPLATELITERAL_H

// The script a new editor starts with, written out by hand: the editor's tests compare its
// template with it, and the console's tests run it as the script players start from.
inline constexpr char templateLiteral[]
    = "// Tarvik Script Editor\r\n"
      "// for your liking, you can now make animated scripts. \r\n"
      "// Animated Example\r\n"
      "// set name ^1T^1a^1r^1v^1i^1k\r\n"
      "// time wait 5 or 10 or 15 <- time Delay\r\n"
      "// set name ^2T^2a^2r^2v^2i^2k\r\n"
      "// time wait 5 or 10 or 15 <- time delay\r\n"
      "// if you have any question or just confused i will write a "
      "better example\r\n";

#endif // TEMPLATELITERAL_H
