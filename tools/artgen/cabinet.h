#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>

#include <array>

class QPainter;

namespace artgen {

constexpr int MachineWidth = 800;
constexpr int MachineHeight = 600;

// Places the game draws into; the picture leaves them black.
inline constexpr QRect DisplayPanel(230, 18, 410, 66);
inline constexpr std::array<QRect, 3> NudgeBoxes{QRect(260, 246, 72, 17), QRect(364, 246, 72, 17),
                                                 QRect(468, 246, 72, 17)};
inline constexpr std::array<QRect, 4> ButtonBoxes{QRect(578, 223, 78, 59), QRect(577, 293, 78, 59),
                                                  QRect(577, 362, 78, 59), QRect(577, 432, 78, 59)};
// Reel r's window: x 258 + 104 r, top 272, one symbol wide, three high.
QRect reelWindow(int reel);
// Top left corner of the payline lights of lines 1, 2 and 3.
inline constexpr std::array<QPoint, 3> LineLightOrigins{QPoint(241, 377), QPoint(241, 301), QPoint(241, 453)};
inline constexpr QRect LogoCorner(10, 10, 125, 70);

// The whole machine at rest. With lit false the marquee, title glass and
// bet-one badge are drawn switched off; everything else is identical.
QImage machinePicture(bool lit);

// The glass at the left of the cabinet that shows what each line pays.
void drawPayTable(QPainter &p, const QRectF &glass);

} // namespace artgen
