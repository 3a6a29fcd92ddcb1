#pragma once

#include <QImage>

namespace artgen {

constexpr int BackdropWidth = 1920;
constexpr int BackdropHeight = 1200;

// The casino wall the machine stands against on a screen wider or taller
// than the machine: lacquered panels in the cabinet's reds between gold
// mouldings, wall lamps, and the carpet at the foot.
QImage backdropPicture();

} // namespace artgen
