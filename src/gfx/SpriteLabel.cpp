#include "gfx/SpriteLabel.h"

#include "core/StringUtil.h"

std::string NormalizeLabel(const std::string& label) {
    return StringUtil::ToLower(StringUtil::RemoveChars(label, "_"));
}

const std::string& MirrorSuffix() {
    static const std::string suffix = NormalizeLabel("_MIRRORED");
    return suffix;
}
