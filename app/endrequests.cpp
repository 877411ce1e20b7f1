// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "endrequests.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

EndRequests *instance = nullptr;

#ifdef Q_OS_UNIX
// A signal handler may only write to a descriptor: the event loop reads the other end.
int signalSocket[2] = { -1, -1 };
constexpr int endSignals[] = { SIGTERM, SIGHUP, SIGINT };

extern "C" void onEndSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSocket[0], &byte, 1);
}
#endif

#ifdef Q_OS_WIN
// Runs in a thread of its own; the process ends when it returns, or a few seconds later.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (!instance || event == CTRL_BREAK_EVENT)
        return FALSE;
    QMetaObject::invokeMethod(instance, &EndRequests::endRequested, Qt::BlockingQueuedConnection);
    return TRUE;
}
#endif

} // namespace

EndRequests::EndRequests(QObject *parent)
    : QObject(parent)
{
    Q_ASSERT(!instance);
    instance = this;
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSocket) == 0) {
        m_notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            char byte;
            [[maybe_unused]] const auto read = ::read(signalSocket[1], &byte, 1);
            emit endRequested();
        });
        struct sigaction action = {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int end : endSignals)
            ::sigaction(end, &action, nullptr);
    }
#endif
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#endif
}

EndRequests::~EndRequests()
{
#ifdef Q_OS_UNIX
    for (const int end : endSignals)
        ::signal(end, SIG_DFL);
    if (signalSocket[0] >= 0) {
        delete m_notifier;
        ::close(signalSocket[0]);
        ::close(signalSocket[1]);
        signalSocket[0] = signalSocket[1] = -1;
    }
#endif
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
#endif
    instance = nullptr;
}
