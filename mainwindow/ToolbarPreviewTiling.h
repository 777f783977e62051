// How the toolbar picture preview covers its box: the draws for a picture size and box size.
#pragma once

#include <vector>

#include "ui/Controls.h"

namespace velmora {

// The draws (in pixels of the box; the platform clips what falls outside) that show a
// w x h picture in a W x H box:
// - narrow and low (w < W, h < H): stretched to the box's width, repeated downwards;
// - narrow and tall (w < W, h >= H): stretched once to fill the box;
// - wide (w >= W): at its own size from the left edge, repeated downwards.
// No draws for a picture or box without area.
std::vector<ui::DrawRect> ToolbarPreviewDraws(int w, int h, int W, int H);

}  // namespace velmora
