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
};

FileContents readRegularFile(const QString &path);

// Flushes the directory that holds `path`, so a file just renamed into it
// is still there after a power cut. Best effort: some file systems cannot.
void syncDirectoryOf(const QString &path);

} // namespace zand
