// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Any file, then one section written into it: what is written reads back,
// the rest of the file keeps its bytes, and writing it again changes nothing.
//
// Input: an optional request, then a NUL, then the file. The request's lines
// are the section, then keys and values in turns; without a NUL the whole
// input is the file and a game's keys are written.
#include "FuzzDir.h"

#include "game/ProfileFile.h"

#include <QFile>
#include <QStringDecoder>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace zand;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(bytes.data(), bytes.size()) == bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    check(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// Where the first section named `section` starts and where the next one
// starts, by the header rule alone: a line whose trimmed text is "[" name "]"
// (anything may follow the last "]"). -1 when there is none.
QPair<qsizetype, qsizetype> sectionBounds(const QByteArray &bytes, const QString &section)
{
    qsizetype found = -1;
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype next = newline < 0 ? bytes.size() : newline + 1;
        QByteArrayView content(bytes.constData() + start, next - start);
        if (start == 0 && content.startsWith("\xef\xbb\xbf"))
            content = content.sliced(3);
        while (!content.isEmpty() && (content.back() == '\n' || content.back() == '\r'))
            content.chop(1);
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString text = utf8(content);
        if (utf8.hasError())
            text = QString::fromLatin1(content);
        text = text.trimmed();
        const qsizetype close = text.lastIndexOf(u']');
        if (text.startsWith(u'[') && close > 0) {
            if (found >= 0)
                return {found, start};
            if (QString::compare(text.mid(1, close - 1).trimmed(), section, Qt::CaseInsensitive) == 0)
                found = start;
        }
        start = next;
    }
    return {found, bytes.size()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    const qsizetype nul = input.indexOf('\0');
    QString section = QStringLiteral("CurrentGame");
    ProfileFile::KeyValues keyValues{{QStringLiteral("GameName"), QStringLiteral("CurrentGame")},
                                     {QStringLiteral("Credits"), QStringLiteral("1250")}};
    QByteArrayView before = input;
    if (nul >= 0) {
        const QStringList request = QString::fromUtf8(input.first(nul)).split(u'\n');
        section = request.at(0);
        keyValues.clear();
        for (qsizetype i = 1; i + 1 < request.size() && keyValues.size() < 16; i += 2)
            keyValues.append({request.at(i), request.at(i + 1)});
        before = input.sliced(nul + 1);
    }

    const QString path = fuzzDirectory() + QStringLiteral("/profile.ini");
    writeFile(path, before);
    const ProfileFile profile(path);
    const ProfileFile::Lookup lookup = profile.read(section, keyValues);
    check(!lookup.unreadable && lookup.values.size() == keyValues.size());
    for (const QString &value : lookup.values)
        check(value.size() < ProfileFile::ValueBufferSize);

    if (!profile.writeSection(section, keyValues, nullptr)) {
        check(readFile(path) == before);
        return 0;
    }
    const QByteArray after = readFile(path);

    // Each key reads back as its last value, less its trailing blanks.
    for (const auto &[key, unused] : std::as_const(keyValues)) {
        QString expected;
        for (const auto &[otherKey, value] : std::as_const(keyValues)) {
            if (QString::compare(otherKey, key, Qt::CaseInsensitive) == 0)
                expected = value;
        }
        while (expected.endsWith(u' ') || expected.endsWith(u'\t'))
            expected.chop(1);
        check(profile.read(section, key, QStringLiteral("\x01")) == boundedText(expected, ProfileFile::ValueBufferSize - 1));
    }

    // Outside the section every byte stays; a new section goes at the end.
    const QByteArray old = before.toByteArray();
    const auto [start, end] = sectionBounds(old, section);
    if (start < 0) {
        check(after.startsWith(old));
    } else {
        check(after.first(start) == old.first(start));
        check(after.endsWith(old.sliced(end)));
    }

    check(profile.writeSection(section, keyValues, nullptr));
    check(readFile(path) == after);
    return 0;
}
