#pragma once

#include "core/Singleton.h"
#include "gfx/Font.h"

// The font of the heads-up display, the menus and the credits ("HUDFont.fnt", "HUD_FONT").
class HUDFont : public Font {
  private:
    friend class Singleton<HUDFont>;
    HUDFont() = default;
};
