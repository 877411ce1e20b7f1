// Writes a script of a given length under a file size limit and prints why the write failed.
// Usage: fsizelimitedwrite <path> <limit in bytes, 0 for none> <text length>
#include "cfgwriter.h"

#include <QString>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

int main(int argc, char *argv[])
{
    if (argc != 4)
        return 2;
    if (const rlim_t limit = std::strtoul(argv[2], nullptr, 10); limit > 0) {
        // Past the limit write() fails with EFBIG instead of the process being killed.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize { limit, limit };
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
            return 3;
    }
    const QString text(std::atoi(argv[3]), QLatin1Char('x'));
    QString error;
    if (CfgWriter::write(
            QString::fromLocal8Bit(argv[1]), [&] { return text; }, &error))
        return 0;
    std::puts(qPrintable(error));
    return 1;
}
