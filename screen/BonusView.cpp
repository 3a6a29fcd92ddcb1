#include "BonusView.h"

#include "game/Assets.h"
#include "game/Config.h"
#include "game/Layout.h"
#include "platform/Canvas.h"
#include "screen/Fonts.h"
#include "screen/Pictures.h"

#include <QFontMetrics>

namespace zand {

namespace {
constexpr int SafeSide = Layout::Bonus::SafeSize;
}

BonusView::BonusView(Canvas &canvas, const Config &config, QSize screen)
    : m_canvas(canvas)
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
    m_origin = QPoint((screen.width() - m_background.width()) / 2,
                      (screen.height() - m_background.height()) / 2);
}

QRect BonusView::safeRect(int safe) const
{
    return QRect(m_origin + Layout::Bonus::safeCorner(safe),
                 QSize(m_safeFrames.width() + 1, m_safeFrames.height() / OpeningFrames + 1));
}

void BonusView::paint()
{
    m_canvas.fillRect(m_canvas.rect(), Qt::black);
    m_canvas.copy(m_background, m_background.rect(), QRect(m_origin, m_background.size()));
}

void BonusView::drawSafe(int safe, int frame)
{
    m_canvas.copy(m_safeFrames, QRect(0, SafeSide * frame, SafeSide, SafeSide),
                  QRect(safeRect(safe).topLeft(), QSize(SafeSide, SafeSide)));
}

void BonusView::drawPrize(int safe, const QString &text)
{
    QFont font = gameFont(24);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QRect rect = safeRect(safe);
    m_canvas.drawText(rect.left() + SafeSide / 2 - metrics.horizontalAdvance(text) / 2,
                      rect.top() + SafeSide / 2 - metrics.height() / 2, text, font, Qt::red);
}

} // namespace zand
