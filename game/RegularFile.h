// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace zand {

// Whole-file reading for files the player or a theme may have replaced with
// anything: only a regular file is read, so a pipe waiting for a writer or a
// device that never ends cannot hold the game up.
struct FileContents
{
    enum class State { Missing, Read, Unreadable };

    State state = State::Missing;
    QByteArray bytes;
    QString error; // why an existing file was not read
    bool tooLarge = false; // unread for its size alone
};

// A file larger than `maxBytes` (when given) is not read: it is Unreadable.
FileContents readRegularFile(const QString &path, qint64 maxBytes = -1);

// Whether `path` is a regular file that can be opened for reading, found
// without reading it and without waiting: *error says why not.
bool isReadableRegularFile(const QString &path, QString *error);

// Flushes the directory that holds `path`, so a file just renamed into it
// is still there after a power cut. Best effort: some file systems cannot.
void syncDirectoryOf(const QString &path);

// A write past the user's file-size limit (ulimit -f) or into a closed pipe
// would end the process by a signal, the game unsaved and the player told
// nothing. Ignored, the write fails and says so, as on a full disk.
void reportFailedWritesAsErrors();

} // namespace zand
