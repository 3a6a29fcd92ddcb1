// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryChart.h"

#include "dialogs/DialogLook.h"
#include "game/Statistics.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zand {

namespace {

// The chart at 96 dpi, and the room kept for the scale on the left, the
// legend above and the spin numbers below.
constexpr int Width = 608, Height = 210;
constexpr int Left = 64, Right = 14, Top = 26, Bottom = 24;
constexpr int Steps = 4; // lines across the chart
constexpr std::int64_t MinSpan = 100;

// A figure as the statistics show it, without their column's padding.
QString count(std::int64_t value)
{
    return formatCount(value).trimmed();
}

// The bonus games' mark: a diamond of half-width `half` around `centre`.
QPolygonF diamond(QPointF centre, double half)
{
    return QPolygonF({centre + QPointF(0, -half), centre + QPointF(half, 0),
                      centre + QPointF(0, half), centre + QPointF(-half, 0)});
}

// The multiple of `step` at or below `value`.
std::int64_t floorTo(std::int64_t value, std::int64_t step)
{
    return value >= 0 ? value / step * step : -((-value + step - 1) / step) * step;
}

// A round step for the value scale: 1, 2 or 5 times a power of ten.
std::int64_t roundStep(std::int64_t span)
{
    const double raw = double(std::max<std::int64_t>(span, 1)) / Steps;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (raw <= factor * power)
            return std::max<std::int64_t>(1, std::int64_t(factor * power));
    return std::int64_t(10 * power);
}

} // namespace

HistoryChart::HistoryChart(std::vector<HistoryPoint> points, QWidget *parent)
    : QWidget(parent)
    , m_points(std::move(points))
{
    setObjectName(QStringLiteral("historyChart"));
    setFixedSize(DialogLook::scaled(this, Width), DialogLook::scaled(this, Height));
    setFont(DialogLook::font(8));
    if (!m_points.empty()) {
        m_firstSpin = m_points.front().spin;
        m_lastSpin = std::max(m_points.back().spin, m_firstSpin + 1);
        // The scale fits the game's range, at least MinSpan wide, so that a
        // run of small wins shows without looking like a fortune.
        std::int64_t low = m_points.front().credits, high = low;
        for (const HistoryPoint &p : m_points) {
            low = std::min<std::int64_t>({low, p.credits, p.borrowed});
            high = std::max<std::int64_t>({high, p.credits, p.borrowed});
        }
        if (high - low < MinSpan) {
            const std::int64_t middle = (low + high) / 2;
            low = middle - MinSpan / 2;
            high = low + MinSpan;
        }
        m_step = roundStep(high - low);
        m_low = floorTo(low, m_step);
        m_high = std::max(m_low + m_step, -floorTo(-high, m_step));
        m_best = biggestWin(m_points);
    }
    describe();
}

QRectF HistoryChart::plotArea() const
{
    return QRectF(QPointF(DialogLook::scaled(this, Left), DialogLook::scaled(this, Top)),
                  QPointF(width() - DialogLook::scaled(this, Right), height() - DialogLook::scaled(this, Bottom)));
}

QPointF HistoryChart::position(int spin, int value) const
{
    const QRectF area = plotArea();
    const double x = double(spin - m_firstSpin) / double(m_lastSpin - m_firstSpin);
    const double y = double(value - m_low) / double(m_high - m_low);
    return {area.left() + x * area.width(), area.bottom() - y * area.height()};
}

void HistoryChart::describe()
{
    setAccessibleName(tr("Credits over the spins of this game"));
    if (m_points.empty()) {
        setAccessibleDescription(tr("No spins yet in this game."));
        return;
    }
    const int bonusGames = int(std::count_if(m_points.begin(), m_points.end(),
                                             [](const HistoryPoint &p) { return p.bonus; }));
    QString text = tr("Spins %1 to %2: credits from %3 to %4, borrowed %5.")
                       .arg(count(m_firstSpin), count(m_points.back().spin),
                            count(m_points.front().credits), count(m_points.back().credits),
                            count(m_points.back().borrowed));
    if (m_best >= 0)
        text += u' ' + tr("Biggest win %1 at spin %2.").arg(count(m_points[m_best].won),
                                                            count(m_points[m_best].spin));
    text += u' ' + tr("Bonus games: %1.").arg(count(bonusGames));
    setAccessibleDescription(text);
}

void HistoryChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));

    const QRectF area = plotArea();
    const QColor ink = Qt::black;
    const int pad = DialogLook::scaled(this, 6);
    if (m_points.empty()) {
        painter.setPen(ink);
        painter.drawText(rect(), Qt::AlignCenter, tr("The chart fills in as you spin."));
        return;
    }

    // The value scale: round steps, a faint line across for each.
    for (std::int64_t v = m_low; v <= m_high; v += m_step) {
        const double y = position(m_firstSpin, int(v)).y();
        painter.setPen(QPen(v == 0 ? QColor(0x80, 0x80, 0x80) : QColor(0xdd, 0xdd, 0xdd), 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(ink);
        painter.drawText(QRectF(0, y - area.height(), area.left() - pad, 2 * area.height()),
                         Qt::AlignRight | Qt::AlignVCenter, count(v));
    }
    // The spins along the bottom: the first and the last.
    const QRectF below(area.left(), area.bottom() + pad / 2, area.width(), height() - area.bottom());
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop, count(m_firstSpin));
    painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop, tr("Spins"));
    painter.drawText(below, Qt::AlignRight | Qt::AlignTop, count(m_points.back().spin));

    const auto line = [&](int HistoryPoint::*value, const QColor &colour) {
        QPainterPath path(position(m_points.front().spin, m_points.front().*value));
        for (const HistoryPoint &p : m_points)
            path.lineTo(position(p.spin, p.*value));
        painter.setPen(QPen(colour, DialogLook::scaled(this, 2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    };
    line(&HistoryPoint::borrowed, BorrowedInk);
    line(&HistoryPoint::credits, CreditsInk);

    const double mark = DialogLook::scaled(this, 5);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(BonusInk);
    for (const HistoryPoint &p : m_points) {
        if (!p.bonus)
            continue;
        const QPointF at = position(p.spin, p.credits);
        painter.drawPolygon(diamond(at, mark));
    }
    if (m_best >= 0) {
        const HistoryPoint &p = m_points[m_best];
        const QPointF at = position(p.spin, p.credits);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ink, DialogLook::scaled(this, 2)));
        painter.drawEllipse(at, mark + 2, mark + 2);
        const QString label = tr("Biggest win: %1").arg(count(p.won));
        const int w = painter.fontMetrics().horizontalAdvance(label);
        // The label stays inside the chart, on whichever side has room.
        const double x = at.x() + w + 3 * mark < area.right() ? at.x() + 2 * mark : at.x() - 2 * mark - w;
        const double y = at.y() - mark > area.top() + painter.fontMetrics().height() ? at.y() - mark : at.y() + 3 * mark;
        painter.drawText(QPointF(x, y), label);
    }

    // The legend, above the chart.
    double x = area.left();
    const double y = DialogLook::scaled(this, 6);
    const double h = painter.fontMetrics().height();
    const auto key = [&](const QString &name, const QColor &colour, bool bonusMark) {
        painter.setPen(QPen(colour, DialogLook::scaled(this, 2)));
        if (bonusMark) {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(colour);
            const QPointF c(x + mark, y + h / 2);
            painter.drawPolygon(diamond(c, mark));
        } else {
            painter.drawLine(QPointF(x, y + h / 2), QPointF(x + 2 * mark, y + h / 2));
        }
        x += 2 * mark + pad / 2;
        painter.setPen(ink);
        painter.drawText(QPointF(x, y + painter.fontMetrics().ascent()), name);
        x += painter.fontMetrics().horizontalAdvance(name) + 2 * pad;
    };
    key(tr("Credits"), CreditsInk, false);
    key(tr("Borrowed"), BorrowedInk, false);
    key(tr("Bonus game"), BonusInk, true);
}

} // namespace zand
