#pragma once

#include <QRect>

class QPainter;

// The three machine panels that light up and go dark: the marquee, the
// title glass and the bet-one badge. Each draws only inside its own
// rectangle, so the dark picture can replace the lit one seamlessly.
namespace artgen {

inline constexpr QRect MarqueeRect(247, 98, 302, 143);
inline constexpr QRect TitleGlassRect(221, 551, 436, 49);
inline constexpr QRect BadgeRect(560, 99, 84, 85);

void drawMarquee(QPainter &p, bool lit);
void drawTitleGlass(QPainter &p, bool lit);
void drawBadge(QPainter &p, bool lit);

} // namespace artgen
