// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QTemporaryDir>

// A folder for the files a harness writes, in memory where the system has
// such a place: every run renames and flushes a file.
inline QString fuzzDirectory()
{
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/zand-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/zand-fuzz-XXXXXX"));
    return dir.path();
}
