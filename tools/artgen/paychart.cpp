// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paychart.h"

#include "paint.h"
#include "paychartparts.h"
#include "game/PayTable.h"
#include "symbols.h"

#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace artgen {

namespace chart {

QRectF glassPanel(QPainter &p, const QRectF &rect, const QString &heading)
{
    chromeFrame(p, rect, 3, 6);
    QLinearGradient night(0, rect.top(), 0, rect.bottom());
    night.setColorAt(0, QColor(30, 24, 78));
    night.setColorAt(1, QColor(6, 4, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(night);
    p.drawRoundedRect(rect, 6, 6);
    goldTrim(p, rect.adjusted(5, 5, -5, -5), 4, 1.1);
    QFont font = letterFont(15);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    goldWords(p, fittedText(heading, font, QPointF(rect.center().x(), rect.top() + 17), rect.width() - 30), GoldOutline);
    return rect.adjusted(12, 29, -12, -8);
}

void paragraph(QPainter &p, const QRectF &rect, const QString &html, qreal pixelSize)
{
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setHtml(QStringLiteral("<div style=\"color:#f2ead8\">%1</div>").arg(html));
    doc.setTextWidth(rect.width());
    for (qreal size = pixelSize; size >= 8; size -= 0.5) {
        doc.setDefaultFont(letterFont(size, false));
        if (doc.size().height() <= rect.height())
            break;
    }
    p.save();
    p.translate(rect.left(), rect.top() + std::max(0.0, (rect.height() - doc.size().height()) / 2));
    doc.drawContents(&p);
    p.restore();
}

} // namespace chart

namespace {


void lacquer(QPainter &p)
{
    const QRectF all(0, 0, PayChartWidth, PayChartHeight);
    QLinearGradient body(0, 0, 0, PayChartHeight);
    body.setColorAt(0, QColor(120, 10, 24));
    body.setColorAt(0.5, QColor(100, 6, 18));
    body.setColorAt(1, QColor(58, 2, 10));
    p.fillRect(all, body);
    QRadialGradient sheen(QPointF(320, 260), 380);
    sheen.setColorAt(0, QColor(255, 80, 90, 46));
    sheen.setColorAt(1, QColor(255, 80, 90, 0));
    p.fillRect(all, sheen);
    goldTrim(p, all.adjusted(5, 5, -6, -6), 10, 2.5);
}

void header(QPainter &p, const QRectF &r)
{
    chromeFrame(p, r, 3, 8);
    p.save();
    QPainterPath shape;
    shape.addRoundedRect(r, 8, 8);
    p.setClipPath(shape);
    QRadialGradient sky(QPointF(r.center().x(), r.top() + 30), 300);
    sky.setColorAt(0, QColor(150, 60, 220));
    sky.setColorAt(0.45, QColor(70, 14, 130));
    sky.setColorAt(1, QColor(16, 0, 44));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    const QPointF hub(r.center().x(), r.top() + 30);
    for (int i = 0; i < 24; ++i) {
        const qreal a0 = M_PI * i / 12;
        const qreal a1 = a0 + M_PI / 24;
        QRadialGradient fade(hub, 320);
        fade.setColorAt(0, QColor(255, 200, 80, 60));
        fade.setColorAt(1, QColor(255, 200, 80, 0));
        p.setBrush(fade);
        p.drawPolygon(QPolygonF{hub, hub + QPointF(std::cos(a0), std::sin(a0)) * 320,
                                hub + QPointF(std::cos(a1), std::sin(a1)) * 320});
    }
    p.restore();
    constexpr int Bulbs = 37;
    for (int i = 0; i < Bulbs; ++i) {
        const qreal x = r.left() + 12 + (r.width() - 24) * i / (Bulbs - 1);
        bulb(p, QPointF(x, r.top() + 7), 2.6, true, QColor(255, 214, 120));
        bulb(p, QPointF(x, r.bottom() - 7), 2.6, true, QColor(255, 214, 120));
    }

    QFont big = letterFont(42, true, true);
    big.setWeight(QFont::Black);
    const QPainterPath name = fittedText(QStringLiteral("Zandor"), big, QPointF(r.center().x(), r.top() + 31), 220);
    glowPath(p, name, QColor(255, 120, 20), 8, 1, 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 0, 10), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(name);
    p.setPen(QPen(QColor(255, 240, 200), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(name);
    const QRectF box = name.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(box.top(), box.bottom()));
    p.drawPath(name);

    QFont small = letterFont(13, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    const QPainterPath title = fittedText(QStringLiteral("PAYOFF CHART"), small,
                                          QPointF(r.center().x() + 3, r.top() + 57), 240);
    p.setPen(QPen(QColor(255, 60, 90), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(title);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 246, 250));
    p.drawPath(title);
    for (qreal dx : {-150.0, 150.0})
        sparkle(p, QPointF(r.center().x() + dx, r.top() + 38), 10, QColor(255, 230, 150));
}

constexpr qreal Cell = 36;
constexpr qreal CellGap = 4;

void threeCells(QPainter &p, int symbol, QPointF topLeft)
{
    for (int k = 0; k < 3; ++k) {
        const QRectF cell(topLeft.x() + k * (Cell + CellGap), topLeft.y(), Cell, Cell);
        drawSymbolCell(p, symbol, cell);
        p.setPen(QPen(QColor(0, 0, 0, 170), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(-0.5, -0.5, 0.5, 0.5));
    }
}

// Gold dots leading the eye from the symbols to their pay.
void leader(QPainter &p, qreal from, qreal to, qreal y)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 170, 70, 170));
    for (qreal x = from; x <= to; x += 7)
        p.drawEllipse(QPointF(x, y), 1.1, 1.1);
}

void payColumn(QPainter &p, const QRectF &rect)
{
    const QRectF inside = chart::glassPanel(p, rect, QStringLiteral("PAYS PER COIN"));
    const qreal pitch = (inside.height() - 6) / (zand::PayTable::Pays.size() + 1);
    const qreal left = inside.left() + 4;
    const qreal cellsRight = left + 3 * Cell + 2 * CellGap;
    const qreal payRight = inside.right() - 6;
    qreal y = inside.top() + (pitch - Cell) / 2;
    for (std::size_t s = 0; s < zand::PayTable::Pays.size(); ++s, y += pitch) {
        threeCells(p, static_cast<int>(s), QPointF(left, y));
        const QPainterPath pay = fittedText(QString::number(zand::PayTable::Pays[s]), letterFont(s == 0 ? 27 : 23),
                                            QPointF(0, y + Cell / 2), 80);
        const QRectF box = pay.boundingRect();
        const QPainterPath placed = pay.translated(payRight - box.right(), 0);
        leader(p, cellsRight + 10, placed.boundingRect().left() - 9, y + Cell / 2 + 4);
        goldWords(p, placed, chart::GoldOutline);
    }
    threeCells(p, BonusSymbol, QPointF(left, y));
    const QPointF centre((cellsRight + payRight) / 2 + 2, y + Cell / 2);
    const QPainterPath opens = fittedText(QStringLiteral("OPENS THE"), letterFont(12), centre - QPointF(0, 8), payRight - cellsRight - 12);
    const QPainterPath vault = fittedText(QStringLiteral("VAULT"), letterFont(17), centre + QPointF(0, 10), payRight - cellsRight - 12);
    const QPainterPath words = opens.united(vault);
    p.setPen(QPen(QColor(40, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(words);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 80, 66));
    p.drawPath(words);
}

} // namespace

QImage payChart()
{
    QImage chart(PayChartWidth, PayChartHeight, QImage::Format_RGB32);
    QPainter p(&chart);
    p.setRenderHint(QPainter::Antialiasing);
    lacquer(p);
    header(p, QRectF(20, 18, 600, 78));
    payColumn(p, QRectF(20, 110, 282, 432));
    const qreal left = 318;
    const qreal width = 302;
    chart::wildNote(p, QRectF(left, 110, width, 92));
    chart::paylinesNote(p, QRectF(left, 212, width, 112));
    chart::nudgesNote(p, QRectF(left, 334, width, 99));
    chart::bonusNote(p, QRectF(left, 443, width, 99));
    return chart;
}

} // namespace artgen
