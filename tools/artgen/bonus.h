#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>

class QPainter;

namespace artgen {

constexpr int BonusWidth = 640;
constexpr int BonusHeight = 480;
constexpr int SafeSize = 76;
constexpr int SafeCount = 8;

// Safe i of the bonus screen: two columns of four, numbered row by row.
QRect safeRect(int i);

enum class SafeStage { Closed, HalfOpen, Open };
// One safe filling the 76 x 76 square.
void drawSafe(QPainter &p, const QRectF &square, SafeStage stage);

// The 640 x 480 vault with eight closed safes.
QImage bonusPicture();
// 76 x 228: closed, half open and open safe, top to bottom.
QImage safeStrip();

} // namespace artgen
