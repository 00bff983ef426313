#pragma once

#include <cstdint>

namespace platform {

// The answer of every display call, numbered like the DirectDraw results the game's log names.
using DisplayResult = uint32_t;

namespace dd {
constexpr DisplayResult Ok = 0;
constexpr DisplayResult Generic = 0x80004005;
constexpr DisplayResult OutOfMemory = 0x8007000E;
constexpr DisplayResult InvalidParams = 0x80070057;
constexpr DisplayResult NotInitialized = 0x800401F0;
constexpr DisplayResult InvalidMode = 0x88760078;
constexpr DisplayResult InvalidPixelFormat = 0x88760091;
constexpr DisplayResult InvalidRect = 0x88760096;
constexpr DisplayResult NoColorKey = 0x887600D7;
constexpr DisplayResult NoExclusiveMode = 0x887600E1;
constexpr DisplayResult NotFound = 0x887600FF;
constexpr DisplayResult OutOfVideoMemory = 0x8876017C;
constexpr DisplayResult SurfaceBusy = 0x887601AE;
constexpr DisplayResult SurfaceLost = 0x887601C2;
constexpr DisplayResult NotLocked = 0x88760248;
constexpr DisplayResult NotFlippable = 0x88760246;
} // namespace dd

// The DirectDraw constant name of a result, or null for a code outside that table.
const char* DisplayResultName(DisplayResult result);

} // namespace platform
