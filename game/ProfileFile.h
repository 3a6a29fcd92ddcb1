// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace zand {

// An INI profile file: "[Section]" lines, each followed by "Key=Value" lines.
//
// Reading follows the classic profile rules the saved games were made with:
// section and key names match without regard to case, the first matching
// section and the first matching key in it win, and blanks around names are
// ignored. A value is the text after the first "=", with its trailing blanks
// dropped and its leading blanks kept. Lines starting with ";" are comments.
// Each line is decoded as UTF-8, or as Latin-1 when it is not valid UTF-8, so
// files from older single-byte versions of the game still read. A UTF-8 byte
// order mark is skipped at the start of the file.
//
// Every read and every write goes through the file once, however many keys
// it handles, and holds little more than the file's bytes: a saved game that
// has grown to tens of megabytes still opens in a moment. Only regular files
// are read: a pipe or a device at the path would block the game or never end.
//
// Writing replaces a whole section's keys in one step through a temporary file
// that is renamed over the old one, so a crash, a full disk or a power cut
// never leaves a half-written file behind. Every line the update does not
// touch keeps its exact bytes. A file that exists but cannot be read is never
// written over: what it holds is not ours to throw away.
class ProfileFile
{
public:
    // Keys with their values; for a read, keys with their defaults.
    using KeyValues = QList<QPair<QString, QString>>;

    struct Lookup
    {
        QStringList values; // one for each key asked, in the same order
        // The file exists but could not be read (no permission, not a
        // regular file, a read error): every value is its default.
        bool unreadable = false;
    };

    // Values come back through a buffer of this many characters, one of which
    // holds the terminator: a value keeps at most 2047 characters, as saved
    // games always have.
    static constexpr qsizetype ValueBufferSize = 2048;

    explicit ProfileFile(QString filePath);

    QString filePath() const;

    // The key's value, or `defaultValue` when the file, the section or the key
    // is missing. A key present with nothing after "=" gives "".
    QString read(const QString &section, const QString &key, const QString &defaultValue) const;
    // The same for several keys of one section, from one reading of the file.
    Lookup read(const QString &section, const KeyValues &keysWithDefaults) const;

    // Sets every key of `keyValues` in `section`: an existing key gets its value
    // replaced on its own line, a missing one is added after the section's last
    // key, a missing section is added at the end of the file. New and changed
    // lines are UTF-8 and end in CR LF. Creates the file and its directory as
    // needed. Names must be non-empty single-line text without surrounding
    // blanks (no "]" in a section name, no "=" in a key, keys not starting with
    // "[" or ";"), values single-line. On failure returns false, fills *error
    // (when given) and leaves the file exactly as it was.
    bool writeSection(const QString &section, const KeyValues &keyValues, QString *error) const;

private:
    QString m_filePath;
};

// The first `maxChars` characters of `text`, one fewer when the cut would split
// a surrogate pair, so a bounded text never ends in half a character.
QString boundedText(const QString &text, qsizetype maxChars);

} // namespace zand
