// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the built-in pictures of Zandor Slots into a directory:
//     zand_artgen OUTDIR
#include "artset.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // No display is needed; the offscreen platform still gives us fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zand_artgen OUTDIR\n");
        return 2;
    }
    const QString dir = args.at(1);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "zand_artgen: cannot create %s\n", qPrintable(dir));
        return 1;
    }
    QString error;
    if (!artgen::writePictures(artgen::allPictures(), dir, &error)) {
        std::fprintf(stderr, "zand_artgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
