// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCRIPTTEMPLATE_H
#define SCRIPTTEMPLATE_H

#include <QString>

// The text a new script editor starts with: comments that show how an animated name is made.
QString scriptTemplate();

#endif // SCRIPTTEMPLATE_H
