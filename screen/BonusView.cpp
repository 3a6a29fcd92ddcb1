// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BonusView.h"

#include "game/Assets.h"
#include "game/Config.h"
#include "game/Layout.h"
#include "platform/Canvas.h"
#include "screen/Fonts.h"
#include "screen/Pictures.h"

namespace zand {

namespace {

constexpr int SafeSide = Layout::Bonus::SafeSize;
const QColor Gold(255, 204, 51);
const QColor DimGold(150, 118, 40);

} // namespace

BonusView::BonusView(Canvas &canvas, const Config &config, QSize screen)
    : m_canvas(canvas)
    , m_config(config)
    , m_background(Pictures::builtIn(Assets::Bonus))
    , m_safeFrames(Pictures::builtIn(Assets::Safes))
{
    const QString file = config.findAsset(QStringLiteral("bonus1.jpg"));
    if (!file.isEmpty()) {
        QStringList warnings;
        const QImage replacement = Pictures::loadThemePicture(file, warnings);
        if (!replacement.isNull())
            m_background = replacement;
        Pictures::report(warnings);
    }
    const QSize shown(config.scale(m_background.width()), config.scale(m_background.height()));
    m_origin = QPoint((screen.width() - shown.width()) / 2, (screen.height() - shown.height()) / 2);
    // Scaled once here: a paint (the first show, a maximise) then only copies.
    if (shown != m_background.size() && !shown.isEmpty())
        m_background = m_background.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_background = m_background.convertToFormat(QImage::Format_RGB32);
}

QPoint BonusView::onScreen(QPoint onPicture) const
{
    return m_origin + QPoint(m_config.scale(onPicture.x()), m_config.scale(onPicture.y()));
}

QRect BonusView::safeRect(int safe) const
{
    const QPoint corner = Layout::Bonus::safeCorner(safe);
    return QRect(onScreen(corner), onScreen(corner + QPoint(SafeSide, SafeSide)));
}

void BonusView::paint()
{
    m_canvas.clear();
    m_canvas.copy(m_background, m_background.rect(), QRect(m_origin, m_background.size()));
}

void BonusView::drawSafe(int safe, int frame)
{
    const QRect rect = safeRect(safe);
    m_canvas.copy(m_safeFrames, QRect(0, SafeSide * frame, SafeSide, SafeSide),
                  QRect(rect.topLeft(), rect.size() - QSize(1, 1)));
}

QString BonusView::prizeText(int prize)
{
    return prize == Prizes::SixNudges ? QStringLiteral("%1 Nudges").arg(Prizes::NudgesWon)
                                      : QString::number(prize);
}

void BonusView::drawPrize(int safe, int prize)
{
    letter(safeRect(safe), prizeText(prize), false);
    m_written[safe] = prizeText(prize);
}

void BonusView::revealOthers(int chosen, const Prizes::Table &prizes)
{
    for (int safe = 0; safe < Prizes::Safes; ++safe) {
        if (safe == chosen)
            continue;
        drawSafe(safe, OpeningFrames - 1);
        const QRect rect = safeRect(safe);
        m_canvas.fillRect(QRect(rect.topLeft(), rect.size() - QSize(1, 1)), QColor(0, 0, 0, 140));
        letter(rect, prizeText(prizes[safe]), true);
        m_written[safe] = prizeText(prizes[safe]);
    }
}

void BonusView::letter(const QRect &safe, const QString &text, bool dimmed)
{
    // As large as the safe's width allows, readable from across the room.
    QFont font = gameFont(10);
    font.setBold(true);
    font.setPixelSize(std::max(8, safe.height() * 2 / 5));
    while (font.pixelSize() > 8 && m_canvas.textInk(text, font).width() > safe.width() * 9 / 10)
        font.setPixelSize(font.pixelSize() - 1);
    const QRect ink = m_canvas.textInk(text, font);
    const int x = safe.center().x() - ink.width() / 2 - ink.left();
    const int y = safe.center().y() - ink.height() / 2 - ink.top();
    // A dark outline keeps the gold clear of the safe's steel.
    const int edge = std::max(1, font.pixelSize() / 14);
    for (const QPoint d : {QPoint(-edge, 0), QPoint(edge, 0), QPoint(0, -edge), QPoint(0, edge)})
        m_canvas.drawText(x + d.x(), y + d.y(), text, font, QColor(30, 10, 0));
    m_canvas.drawText(x, y, text, font, dimmed ? DimGold : Gold);
}

} // namespace zand
