// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SESSIONEND_H
#define SESSIONEND_H

// The end of the desktop session as the program answers it: the session manager's request to
// save before it ends (QSessionManager, which only Qt makes), behind what the tests replace.
class SessionEnd {
public:
    virtual ~SessionEnd() = default;

    // Whether the program may ask the player before the session ends.
    virtual bool allowsInteraction() = 0;
    // Keeps the session going: the player is not done.
    virtual void cancel() = 0;
    // Done asking: the session manager may go on with the other programs.
    virtual void release() = 0;
};

#endif // SESSIONEND_H
