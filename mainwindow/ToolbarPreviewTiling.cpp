// How the toolbar picture preview covers its box: the draws for a picture size and box size.
#include "mainwindow/ToolbarPreviewTiling.h"

namespace velmora {

std::vector<ui::DrawRect> ToolbarPreviewDraws(int w, int h, int W, int H) {
    std::vector<ui::DrawRect> draws;
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return draws;
    if (w >= W) {
        for (int y = 0; y < H; y += h) draws.push_back({0, y, w, h});
    } else if (h < H) {
        for (int y = 0; y < H; y += h) draws.push_back({0, y, W, h});
    } else {
        // One draw, not one per picture width across the box: each further draw, stretched
        // to the box's width from its own x, would paint over the first with a shifted
        // copy, leaving strips of the picture's left edge instead of the whole picture.
        draws.push_back({0, 0, W, H});
    }
    return draws;
}

}  // namespace velmora
