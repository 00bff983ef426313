#pragma once

#include "core/Singleton.h"
#include "gfx/Font.h"

// The small font of the floating score numbers ("ScoreFont.fnt", "SCORE_FONT").
class ScoreFont : public Font {
  private:
    friend class Singleton<ScoreFont>;
    ScoreFont() = default;
};
