#pragma once

#include "Canvas.h"
#include "core/Language.h"

#include <memory>
#include <string>
#include <vector>

// The small pictures: pointer, check marks, HUD icons, the goal lily, the frog at home, the
// invisible obstacle, the publisher logos and the button highlights.
namespace Icons {

constexpr int kPointerHotSpotX = 10;

constexpr int kApplicationIconSize = 64;

// The frog of the application's icon, drawn on kApplicationIconSize square units; scale `cr`
// for any other size or surface.
void DrawApplicationIcon(cairo_t* cr);
// The window's icon, kApplicationIconSize pixels square, written as "appicon.bmp".
std::unique_ptr<Canvas> ApplicationIcon();

// The labels of the small pictures, highlights included.
const std::vector<std::string>& Labels();
// The picture of `label` in `language` (only the highlights have words), or null when the label
// is none of the small pictures.
std::unique_ptr<Canvas> Draw(const std::string& label, Language language);

} // namespace Icons
