// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ProfileFile.h"

#include "game/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace zand {

namespace {

constexpr QByteArrayView ByteOrderMark("\xef\xbb\xbf");

struct Line
{
    enum class Kind { Other, Section, Entry };

    qsizetype start = 0; // the line's bytes in the file, its break included
    qsizetype next = 0;
    bool terminated = false; // ends in a line break
    Kind kind = Kind::Other;
    QString name; // section or key name, blanks trimmed
    QString value;
};

// Decided line by line: once a new UTF-8 name has been written into an old
// Latin-1 file, the file holds both.
QString decodeLine(QByteArrayView bytes)
{
    // Stateless, or a lone Latin-1 letter at the end of the line would be held
    // back as the start of a longer sequence instead of being an error. A byte
    // order mark inside the file is a character like any other, so a name that
    // starts with one reads back as it was written.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

bool isBlankChar(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Sorts a line by its text. Only a line holding "[" can be a header and only
// one holding "=" an entry; every other line is left undecoded, which keeps a
// pass over a large file quick.
void classify(Line &line, QByteArrayView content, bool wantEntries)
{
    const bool mayBeHeader = content.contains('[');
    if (!mayBeHeader && !(wantEntries && content.contains('=')))
        return;
    const QString text = decodeLine(content);
    const QString trimmed = text.trimmed();

    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.lastIndexOf(u']');
        if (close > 0) {
            line.kind = Line::Kind::Section;
            line.name = trimmed.mid(1, close - 1).trimmed();
            return;
        }
    }
    if (!wantEntries || trimmed.startsWith(u';'))
        return;
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return;
    line.name = text.left(equals).trimmed();
    if (line.name.isEmpty())
        return;
    line.kind = Line::Kind::Entry;
    line.value = text.mid(equals + 1);
    qsizetype end = line.value.size();
    while (end > 0 && isBlankChar(line.value.at(end - 1)))
        --end;
    line.value.truncate(end);
}

bool sameName(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// One pass over the file's lines, in order.
class LineReader
{
public:
    explicit LineReader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    // The next line, classified; entries only when asked for. False at the end.
    bool next(Line &line, bool wantEntries)
    {
        if (m_pos >= m_bytes.size())
            return false;
        line = Line();
        line.start = m_pos;
        const qsizetype newline = m_bytes.indexOf('\n', m_pos);
        line.terminated = newline >= 0;
        line.next = line.terminated ? newline + 1 : m_bytes.size();
        QByteArrayView content(m_bytes.constData() + m_pos, line.next - m_pos);
        if (m_pos == 0 && content.startsWith(ByteOrderMark))
            content = content.sliced(ByteOrderMark.size());
        while (!content.isEmpty() && (content.back() == '\n' || content.back() == '\r'))
            content.chop(1);
        classify(line, content, wantEntries);
        m_pos = line.next;
        return true;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};

// Where a section and the wanted keys in it are.
struct SectionScan
{
    bool found = false;
    Line lastEntry;       // the section's last key line, else its header
    QList<Line> keyLines; // for each wanted key, its first line; kind Other when missing
    Line lastLine;        // the file's last line (when the section is missing)
};

SectionScan scanSection(const QByteArray &bytes, const QString &section, const QStringList &keys)
{
    SectionScan scan;
    scan.keyLines.resize(keys.size());
    LineReader reader(bytes);
    Line line;
    while (reader.next(line, scan.found)) {
        scan.lastLine = line;
        if (line.kind == Line::Kind::Section) {
            if (scan.found)
                break; // the first section of that name is the one
            if (sameName(line.name, section)) {
                scan.found = true;
                scan.lastEntry = line;
            }
            continue;
        }
        if (!scan.found || line.kind != Line::Kind::Entry)
            continue;
        scan.lastEntry = line;
        for (qsizetype k = 0; k < keys.size(); ++k) {
            if (scan.keyLines.at(k).kind == Line::Kind::Other && sameName(line.name, keys.at(k)))
                scan.keyLines[k] = line;
        }
    }
    return scan;
}

bool isSingleLine(const QString &text)
{
    return !text.contains(u'\r') && !text.contains(u'\n');
}

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name == name.trimmed() && isSingleLine(name);
}

bool isWritable(const QString &section, const ProfileFile::KeyValues &keyValues)
{
    if (!isPlainName(section) || section.contains(u']'))
        return false;
    for (const auto &[key, value] : keyValues) {
        if (!isPlainName(key) || key.contains(u'=') || key.startsWith(u'[') || key.startsWith(u';')
            || !isSingleLine(value))
            return false;
    }
    return true;
}

// A key given twice is written once, where the first one goes, with the last
// value: as if the keys were set one after another.
ProfileFile::KeyValues mergedKeys(const ProfileFile::KeyValues &keyValues)
{
    ProfileFile::KeyValues merged;
    for (const auto &entry : keyValues) {
        const auto same = std::find_if(merged.begin(), merged.end(),
                                       [&entry](const auto &kept) { return sameName(kept.first, entry.first); });
        if (same == merged.end())
            merged.append(entry);
        else
            same->second = entry.second;
    }
    return merged;
}

QByteArray entryBytes(const QString &key, const QString &value)
{
    return (key + u'=' + value).toUtf8() + "\r\n";
}

bool isBlankLine(const QByteArray &bytes, const Line &line)
{
    return QByteArrayView(bytes.constData() + line.start, line.next - line.start).trimmed().isEmpty();
}

// The file's new bytes: the section's keys replaced in place or added after
// its last key, or a new section at the end; all else as it was.
QByteArray updatedBytes(const QByteArray &bytes, const QString &section, const ProfileFile::KeyValues &keyValues)
{
    QStringList keys;
    for (const auto &entry : keyValues)
        keys.append(entry.first);
    const SectionScan scan = scanSection(bytes, section, keys);

    QByteArray added;
    for (qsizetype k = 0; k < keyValues.size(); ++k) {
        if (!scan.found || scan.keyLines.at(k).kind == Line::Kind::Other)
            added += entryBytes(keyValues.at(k).first, keyValues.at(k).second);
    }

    if (!scan.found) {
        QByteArray out = bytes;
        if (!bytes.isEmpty()) {
            if (!scan.lastLine.terminated)
                out += "\r\n";
            if (!isBlankLine(bytes, scan.lastLine))
                out += "\r\n";
        }
        out += (u'[' + section + u']').toUtf8() + "\r\n";
        out += added;
        return out;
    }

    // The replaced lines in file order; the new keys follow the last key.
    struct Replacement
    {
        const Line *line;
        QByteArray text;
    };
    QList<Replacement> replacements;
    for (qsizetype k = 0; k < keyValues.size(); ++k) {
        const Line &line = scan.keyLines.at(k);
        // The file's own spelling of the key stays, as with the classic service.
        if (line.kind == Line::Kind::Entry)
            replacements.append({&line, entryBytes(line.name, keyValues.at(k).second)});
    }
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement &a, const Replacement &b) { return a.line->start < b.line->start; });

    QByteArray out;
    out.reserve(bytes.size() + added.size());
    qsizetype copied = 0;
    bool lastEntryReplaced = false;
    for (const Replacement &replacement : std::as_const(replacements)) {
        out.append(bytes.constData() + copied, replacement.line->start - copied);
        out += replacement.text;
        copied = replacement.line->next;
        lastEntryReplaced = lastEntryReplaced || replacement.line->start == scan.lastEntry.start;
    }
    if (!added.isEmpty()) {
        const qsizetype insertAt = scan.lastEntry.next;
        out.append(bytes.constData() + copied, insertAt - copied);
        if (!scan.lastEntry.terminated && !lastEntryReplaced)
            out += "\r\n";
        out += added;
        copied = insertAt;
    }
    out.append(bytes.constData() + copied, bytes.size() - copied);
    return out;
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

QString boundedText(const QString &text, qsizetype maxChars)
{
    if (text.size() <= maxChars)
        return text;
    qsizetype cut = maxChars;
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut);
}

ProfileFile::ProfileFile(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QString ProfileFile::filePath() const
{
    return m_filePath;
}

QString ProfileFile::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    return read(section, KeyValues{{key, defaultValue}}).values.constFirst();
}

ProfileFile::Lookup ProfileFile::read(const QString &section, const KeyValues &keysWithDefaults) const
{
    Lookup lookup;
    for (const auto &entry : keysWithDefaults)
        lookup.values.append(entry.second);
    const FileContents file = readRegularFile(m_filePath);
    lookup.unreadable = file.state == FileContents::State::Unreadable;
    if (file.state == FileContents::State::Read) {
        QStringList keys;
        for (const auto &entry : keysWithDefaults)
            keys.append(entry.first);
        const SectionScan scan = scanSection(file.bytes, section, keys);
        for (qsizetype k = 0; k < keys.size(); ++k) {
            if (scan.keyLines.at(k).kind == Line::Kind::Entry)
                lookup.values[k] = scan.keyLines.at(k).value;
        }
    }
    for (QString &value : lookup.values)
        value = boundedText(value, ValueBufferSize - 1);
    return lookup;
}

bool ProfileFile::writeSection(const QString &section, const KeyValues &keyValues, QString *error) const
{
    if (!isWritable(section, keyValues)) {
        setError(error, QStringLiteral("%1: a name or value cannot be stored in section [%2]").arg(m_filePath, section));
        return false;
    }

    const FileContents existing = readRegularFile(m_filePath);
    if (existing.state == FileContents::State::Unreadable) {
        setError(error, QStringLiteral("%1: %2").arg(m_filePath, existing.error));
        return false;
    }
    const QByteArray bytes = updatedBytes(existing.bytes, section, mergedKeys(keyValues));

    const QString directory = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(directory)) {
        setError(error, QStringLiteral("%1: cannot create the directory %2").arg(m_filePath, directory));
        return false;
    }
    QSaveFile out(m_filePath);
    // A short write (a full disk) shows only in flush(); commit() alone would
    // still rename the truncated file into place. Without commit() the
    // temporary file is dropped.
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush() || !out.commit()) {
        setError(error, QStringLiteral("%1: %2").arg(m_filePath, out.errorString()));
        return false;
    }
    // commit() flushed the file's bytes; the rename lives in the directory.
    syncDirectoryOf(m_filePath);
    return true;
}

} // namespace zand
