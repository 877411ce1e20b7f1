// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/consolestart.h"

#include <QTemporaryFile>
#include <QTest>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

// What a start from a command line needs: the arguments as typed, and text written where
// standard output leads, in UTF-8 to a file or a pipe.
class tst_ConsoleStart : public QObject {
    Q_OBJECT

private slots:
    void argumentsAsTyped();
    void outputToAFileIsUtf8();
};

void tst_ConsoleStart::argumentsAsTyped()
{
#ifndef Q_OS_UNIX
    QSKIP("Windows gives the arguments from its wide command line, not from argv.");
#else
    QByteArray program = "tintmark";
    QByteArray file = QString(u"\u0421\u043d\u0430\u0439\u043f\u0435\u0440.cfg"_s).toLocal8Bit();
    char *argv[] = { program.data(), file.data() };
    QCOMPARE(commandLineArguments(2, argv),
        QStringList({ u"tintmark"_s, QString::fromLocal8Bit(file) }));
#endif
}

void tst_ConsoleStart::outputToAFileIsUtf8()
{
#ifndef Q_OS_UNIX
    QSKIP("Standard output is led to the file through the descriptors of Unix.");
#else
    QTemporaryFile led;
    QVERIFY(led.open());
    std::fflush(stdout);
    const int output = ::dup(STDOUT_FILENO);
    QVERIFY(::dup2(led.handle(), STDOUT_FILENO) >= 0);
    writeStandard(StandardStream::Output, u"\u0421\u043d \u00e9\n"_s);
    ::dup2(output, STDOUT_FILENO);
    ::close(output);
    led.seek(0);
    QCOMPARE(led.readAll(), QByteArray("\xd0\xa1\xd0\xbd \xc3\xa9\n"));
#endif
}

QTEST_APPLESS_MAIN(tst_ConsoleStart)
#include "tst_consolestart.moc"
