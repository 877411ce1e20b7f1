// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline for Tintmark's start-up time and memory: a Qt window of the given client size
// and nothing more. Usage: barewindow WIDTHxHEIGHT
#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList size = QApplication::arguments().value(1).split(u'x');
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    if (size.size() != 2 || width <= 0 || height <= 0) {
        std::fputs("usage: barewindow WIDTHxHEIGHT\n", stderr);
        return 2;
    }

    QWidget window;
    window.setFixedSize(width, height);
    window.show();
    return app.exec();
}
