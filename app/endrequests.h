// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ENDREQUESTS_H
#define ENDREQUESTS_H

#include <QObject>

class QSocketNotifier;

// Requests from outside to end the program, turned into a signal of the event loop: SIGTERM,
// SIGHUP and SIGINT on Linux, which desktop sessions and shutdowns send; the console's close, a
// logoff and a shutdown on Windows. One per program.
class EndRequests : public QObject {
    Q_OBJECT

public:
    explicit EndRequests(QObject *parent = nullptr);
    ~EndRequests() override;

signals:
    // Emitted in the event loop; on Windows the system waits for the slots to return.
    void endRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};

#endif // ENDREQUESTS_H
