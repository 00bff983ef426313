#pragma once

#include <string>

// Sprite and sound labels ("FROG_IDLE") become table keys and file base names ("frogidle").
std::string NormalizeLabel(const std::string& label);

// Appended to a normalised label to key a sprite's left-right mirrored copy.
const std::string& MirrorSuffix();
