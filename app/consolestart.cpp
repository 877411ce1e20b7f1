// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "consolestart.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>

using namespace Qt::StringLiterals;

QStringList commandLineArguments(int, char *[])
{
    QStringList arguments;
    int count = 0;
    if (LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
    return arguments;
}

namespace {

// Where the stream leads, or nullptr when it leads nowhere.
HANDLE standardHandle(StandardStream stream)
{
    const auto usable = [](HANDLE handle) {
        return handle != nullptr && handle != INVALID_HANDLE_VALUE
            && GetFileType(handle) != FILE_TYPE_UNKNOWN;
    };
    const DWORD id = stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    HANDLE handle = GetStdHandle(id);
    if (usable(handle))
        return handle;
    static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS);
    if (!attached)
        return nullptr;
    handle = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (!usable(handle))
        return nullptr;
    SetStdHandle(id, handle);
    return handle;
}

} // namespace

void writeStandard(StandardStream stream, const QString &text)
{
    // Without text there is no console to attach to: a window program stays without one.
    if (text.isEmpty())
        return;
    const HANDLE handle = standardHandle(stream);
    if (!handle)
        return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.utf16(), DWORD(text.size()), &written, nullptr);
        return;
    }
    const QByteArray bytes = QString(text).replace(u"\n"_s, u"\r\n"_s).toUtf8();
    WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
}
#else
#include <cstdio>

QStringList commandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void writeStandard(StandardStream stream, const QString &text)
{
    FILE *file = stream == StandardStream::Output ? stdout : stderr;
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file);
    std::fflush(file);
}
#endif
