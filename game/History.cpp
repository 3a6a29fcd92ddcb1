// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "History.h"

#include "game/RegularFile.h"
#include "game/Saturating.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zand {

namespace {

const QByteArray Heading = QByteArrayLiteral("zandslots history 1\n");
// A file far larger than MaxPoints lines is not this game's.
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

QByteArray line(const HistoryPoint &p)
{
    return QByteArray::number(p.spin) + ' ' + QByteArray::number(p.credits) + ' '
        + QByteArray::number(p.borrowed) + ' ' + QByteArray::number(p.won) + ' '
        + (p.bonus ? '1' : '0') + '\n';
}

bool parse(const QByteArray &text, HistoryPoint *point)
{
    const QList<QByteArray> fields = text.trimmed().split(' ');
    if (fields.size() != 5)
        return false;
    bool ok[5] = {};
    point->spin = fields[0].toInt(&ok[0]);
    point->credits = fields[1].toInt(&ok[1]);
    point->borrowed = fields[2].toInt(&ok[2]);
    point->won = fields[3].toInt(&ok[3]);
    const int bonus = fields[4].toInt(&ok[4]);
    point->bonus = bonus == 1;
    return ok[0] && ok[1] && ok[2] && ok[3] && ok[4] && (bonus == 0 || bonus == 1)
        && point->spin >= 0 && point->won >= 0;
}

} // namespace

History::History(QString path)
    : m_path(std::move(path))
{
}

QString History::pathBeside(const QString &savedGamePath, const QString &exeBaseName)
{
    return QFileInfo(savedGamePath).path() + u'/' + exeBaseName + QStringLiteral("/history.txt");
}

void History::load(int spins)
{
    m_points.clear();
    m_fileBehind = true;
    const FileContents contents = readRegularFile(m_path, MaxFileSize);
    if (contents.state != FileContents::State::Read || !contents.bytes.startsWith(Heading))
        return;
    m_fileBehind = false;
    const QList<QByteArray> lines = contents.bytes.mid(Heading.size()).split('\n');
    for (const QByteArray &text : lines) {
        HistoryPoint point;
        if (!parse(text, &point))
            continue;
        if (!m_points.empty() && m_points.back().spin == point.spin)
            m_points.back() = point;
        else if (m_points.empty() || m_points.back().spin < point.spin)
            m_points.push_back(point);
    }
    if (!m_points.empty() && m_points.back().spin > spins) {
        m_points.clear();
        m_fileBehind = true;
    }
    if (int(m_points.size()) > MaxPoints) {
        thin();
        rewrite();
    }
}

void History::record(const HistoryPoint &point)
{
    if (!m_points.empty() && m_points.back().spin == point.spin) {
        HistoryPoint &last = m_points.back();
        last.credits = point.credits;
        last.borrowed = point.borrowed;
        addTo(last.won, point.won);
        last.bonus = last.bonus || point.bonus;
        append(last);
        return;
    }
    m_points.push_back(point);
    if (int(m_points.size()) > MaxPoints)
        thin();
    append(point);
}

void History::begin(const HistoryPoint &start)
{
    m_points = {start};
    m_fileBehind = true;
}

void History::restart(const HistoryPoint &start)
{
    begin(start);
    rewrite();
}

int biggestWin(const std::vector<HistoryPoint> &points)
{
    int best = -1;
    for (int i = 0; i < int(points.size()); ++i)
        if (points[i].won > 0 && (best < 0 || points[i].won > points[best].won))
            best = i;
    return best;
}

void History::thin()
{
    // Every second point goes, but never a bonus game, the biggest win or
    // the point the game stands at now.
    m_fileBehind = true;
    const int best = biggestWin(m_points);
    std::vector<HistoryPoint> kept;
    kept.reserve(m_points.size() / 2 + 1);
    for (int i = 0; i < int(m_points.size()); ++i)
        if (i % 2 == 0 || m_points[i].bonus || i == best || i + 1 == int(m_points.size()))
            kept.push_back(m_points[i]);
    m_points = std::move(kept);
}

void History::rewrite()
{
    m_fileBehind = false;
    QDir().mkpath(QFileInfo(m_path).path());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(Heading);
    for (const HistoryPoint &point : m_points)
        file.write(line(point));
    file.commit();
}

void History::append(const HistoryPoint &point)
{
    // A file that lost lines, or was never read, is written whole.
    const QFileInfo info(m_path);
    if (m_fileBehind || !info.isFile() || info.size() == 0) {
        rewrite();
        return;
    }
    QFile file(m_path);
    if (file.open(QIODevice::Append))
        file.write(line(point));
}

} // namespace zand
