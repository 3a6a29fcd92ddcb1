// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/SavedGame.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <iterator>
#include <utility>

namespace zand {

namespace {

const QString GameNameKey = QStringLiteral("GameName");
const QString GameDateKey = QStringLiteral("GameDate");

struct NumberKey {
    const char *key;
    std::int32_t GameRecord::*member;
};

// In the order they are written.
constexpr NumberKey NumberKeys[] = {
    {"Credits", &GameRecord::credits},     {"Borrowed", &GameRecord::borrowed},
    {"Spins", &GameRecord::spins},         {"TotalBets", &GameRecord::totalBets},
    {"BonusWon", &GameRecord::bonusWon},   {"BonusPts", &GameRecord::bonusPts},
    {"Nudges", &GameRecord::nudges},
};

// The first separator of the locale's short date format, skipping quoted text.
QChar dateSeparator()
{
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && !c.isLetter() && !c.isSpace())
            return c;
    }
    return u'/';
}

// Characters that must not reach the file as they are: control characters
// and Unicode's line and paragraph separators could break the line.
bool unsafeInName(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator
        || c == QChar::ParagraphSeparator;
}

bool isQuoted(const QString &text)
{
    return text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"');
}

// A name is kept on its "GameName" line as typed, so files stay readable and
// older files read as before. A name that could not come back that way is
// put in quotes with backslash escapes: one with a line break or another
// control character, one ending in a blank (trailing blanks are dropped on
// reading) and one that is itself in quotes.
QString encodeName(const QString &name)
{
    if (!isQuoted(name) && !name.endsWith(u' ') && std::none_of(name.begin(), name.end(), unsafeInName))
        return name;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : name) {
        if (c == u'\\')
            quoted += QStringLiteral("\\\\");
        else if (unsafeInName(c))
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + u'"';
}

QString decodeName(const QString &stored)
{
    if (!isQuoted(stored))
        return stored;
    const QString inner = stored.mid(1, stored.size() - 2);
    QString name;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QStringView rest = QStringView(inner).mid(i);
        bool isCode = false;
        const ushort code = rest.startsWith(u"\\u") ? rest.mid(2, 4).toUShort(&isCode, 16) : 0;
        if (rest.startsWith(u"\\\\")) {
            name += u'\\';
            i += 1;
        } else if (isCode && rest.size() >= 6) {
            name += QChar(code);
            i += 5;
        } else {
            // A stray backslash from a hand-edited file stays as it is.
            name += inner.at(i);
        }
    }
    return name;
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (base == 16 && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

SavedGameFile::SavedGameFile(QString filePath)
    : m_profile(std::move(filePath))
{
}

QString SavedGameFile::defaultPath(const QString &exeBaseName)
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative value is invalid by the XDG rules and must be ignored.
    if (configHome.isEmpty() || QDir::isRelativePath(configHome))
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + u'/' + exeBaseName + QStringLiteral(".ini");
}

QString SavedGameFile::filePath() const
{
    return m_profile.filePath();
}

QString SavedGameFile::sectionName(int slot)
{
    Q_ASSERT(slot >= 0 && slot < SlotCount);
    return slot == CurrentGameSlot ? QStringLiteral("CurrentGame") : QStringLiteral("GameNo%1").arg(slot + 1);
}

bool SavedGameFile::save(int slot, const QString &name, const GameRecord &values, QString *error) const
{
    return save(slot, name, values, today(), error);
}

bool SavedGameFile::save(int slot, const QString &name, const GameRecord &values, const QString &date,
                         QString *error) const
{
    ProfileFile::KeyValues keyValues{{GameNameKey, encodeName(name)}, {GameDateKey, date}};
    for (const NumberKey &number : NumberKeys)
        keyValues.append({QLatin1String(number.key), QString::number(values.*number.member)});

    if (m_profile.writeSection(sectionName(slot), keyValues, nullptr))
        return true;
    if (error)
        *error = QStringLiteral("Unable to write to %1").arg(QFileInfo(filePath()).fileName());
    return false;
}

SavedGameFile::Loaded SavedGameFile::load(int slot) const
{
    const QString section = sectionName(slot);
    ProfileFile::KeyValues keys{{GameNameKey, section}, {GameDateKey, today()}};
    for (const NumberKey &number : NumberKeys)
        keys.append({QLatin1String(number.key), QString()});
    const ProfileFile::Lookup lookup = m_profile.read(section, keys);

    Loaded loaded;
    loaded.unreadable = lookup.unreadable;
    loaded.name = boundedText(decodeName(lookup.values.at(0)), MaxNameLength);
    loaded.date = boundedText(lookup.values.at(1), MaxDateLength);
    for (qsizetype i = 0; i < std::ssize(NumberKeys); ++i) {
        if (const auto value = parseNumber(lookup.values.at(i + 2)))
            loaded.values.*NumberKeys[i].member = *value;
    }
    return loaded;
}

QString SavedGameFile::unreadableMessage() const
{
    return QStringLiteral("Unable to read %1; this game will not be saved over it.").arg(filePath());
}

QString SavedGameFile::today()
{
    const QDate date = QDate::currentDate();
    const auto twoDigits = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1%2%3%2%4")
        .arg(twoDigits(date.month()), QString(dateSeparator()), twoDigits(date.day()), twoDigits(date.year() % 100));
}

std::optional<std::int32_t> SavedGameFile::parseNumber(const QString &text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < size && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    int base = 10;
    if (i < size && text.at(i) == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < size && text.at(i) == u'0' && (text.at(i + 1) == u'x' || text.at(i + 1) == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == size)
        return std::nullopt;

    // Hexadecimal obeys the same signed range as decimal: "$FFFFFFFF" is out of
    // range rather than -1, so a hand-edited file cannot wrap a value around.
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t magnitude = 0;
    for (; i < size; ++i) {
        const int digit = digitValue(text.at(i), base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace zand
