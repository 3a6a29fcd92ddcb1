#include "game/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <utility>

namespace zand {

namespace {

struct Line
{
    enum class Kind { Other, Section, Entry };

    QByteArray raw; // exactly as in the file, line break included
    Kind kind = Kind::Other;
    QString name; // section or key name, blanks trimmed
    QString value;
};

// Decided line by line: once a new UTF-8 name has been written into an old
// Latin-1 file, the file holds both.
QString decodeLine(QByteArrayView bytes)
{
    // Stateless, or a lone Latin-1 letter at the end of the line would be held
    // back as the start of a longer sequence instead of being an error.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

bool isBlankChar(QChar c)
{
    return c == u' ' || c == u'\t';
}

Line classify(QByteArray raw)
{
    Line line;
    line.raw = std::move(raw);
    QByteArrayView content(line.raw);
    while (!content.isEmpty() && (content.back() == '\n' || content.back() == '\r'))
        content.chop(1);
    const QString text = decodeLine(content);
    const QString trimmed = text.trimmed();

    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.lastIndexOf(u']');
        if (close > 0) {
            line.kind = Line::Kind::Section;
            line.name = trimmed.mid(1, close - 1).trimmed();
            return line;
        }
    }
    if (trimmed.startsWith(u';'))
        return line;
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return line;
    line.name = text.left(equals).trimmed();
    if (line.name.isEmpty())
        return line;
    line.kind = Line::Kind::Entry;
    line.value = text.mid(equals + 1);
    qsizetype end = line.value.size();
    while (end > 0 && isBlankChar(line.value.at(end - 1)))
        --end;
    line.value.truncate(end);
    return line;
}

QList<Line> parseLines(const QByteArray &bytes)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype end = newline < 0 ? bytes.size() : newline + 1;
        lines.append(classify(bytes.mid(start, end - start)));
        start = end;
    }
    return lines;
}

bool sameName(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// Index of the first header named `section`, or -1.
qsizetype findSection(const QList<Line> &lines, const QString &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).kind == Line::Kind::Section && sameName(lines.at(i).name, section))
            return i;
    }
    return -1;
}

// One past the last line of the section whose header is at `header`.
qsizetype sectionEnd(const QList<Line> &lines, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < lines.size() && lines.at(i).kind != Line::Kind::Section)
        ++i;
    return i;
}

qsizetype findKey(const QList<Line> &lines, qsizetype header, const QString &key)
{
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (lines.at(i).kind == Line::Kind::Entry && sameName(lines.at(i).name, key))
            return i;
    }
    return -1;
}

Line makeLine(const QString &text)
{
    return classify(text.toUtf8() + "\r\n");
}

void terminate(Line &line)
{
    if (!line.raw.endsWith('\n'))
        line.raw += "\r\n";
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

void setKey(QList<Line> &lines, qsizetype header, const QString &key, const QString &value)
{
    const qsizetype found = findKey(lines, header, key);
    if (found >= 0) {
        // The file's own spelling of the key stays, as with the classic service.
        lines[found] = makeLine(lines.at(found).name + u'=' + value);
        return;
    }
    qsizetype last = header;
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (lines.at(i).kind == Line::Kind::Entry)
            last = i;
    }
    terminate(lines[last]);
    lines.insert(last + 1, makeLine(key + u'=' + value));
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
    QString result = defaultValue;
    QFile file(m_filePath);
    if (file.open(QIODevice::ReadOnly)) {
        const QList<Line> lines = parseLines(file.readAll());
        const qsizetype header = findSection(lines, section);
        const qsizetype found = header < 0 ? -1 : findKey(lines, header, key);
        if (found >= 0)
            result = lines.at(found).value;
    }
    return boundedText(result, ValueBufferSize - 1);
}

bool ProfileFile::writeSection(const QString &section, const KeyValues &keyValues, QString *error) const
{
    if (!isWritable(section, keyValues)) {
        setError(error, QStringLiteral("%1: a name or value cannot be stored in section [%2]").arg(m_filePath, section));
        return false;
    }

    QList<Line> lines;
    QFile existing(m_filePath);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly)) {
            setError(error, QStringLiteral("%1: %2").arg(m_filePath, existing.errorString()));
            return false;
        }
        lines = parseLines(existing.readAll());
        existing.close();
    }

    qsizetype header = findSection(lines, section);
    if (header < 0) {
        if (!lines.isEmpty()) {
            terminate(lines.last());
            if (!lines.last().raw.trimmed().isEmpty())
                lines.append(makeLine(QString()));
        }
        lines.append(makeLine(u'[' + section + u']'));
        header = lines.size() - 1;
    }
    for (const auto &[key, value] : keyValues)
        setKey(lines, header, key, value);

    QByteArray bytes;
    for (const Line &line : std::as_const(lines))
        bytes += line.raw;

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
    return true;
}

} // namespace zand
