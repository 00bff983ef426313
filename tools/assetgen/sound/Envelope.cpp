#include "sound/Envelope.h"

#include <algorithm>
#include <cmath>

float Envelope::levelAt(float time, float length) const {
    if (time < 0.0f || time >= length)
        return 0.0f;
    float level = 1.0f;
    if (time < attack)
        level = time / attack;
    else if (decay > 0.0f)
        level = sustain + (1.0f - sustain) * std::exp(-(time - attack) / decay);
    const float releaseStart = length - release;
    if (release > 0.0f && time > releaseStart) {
        const float remaining = 1.0f - (time - releaseStart) / release;
        level *= remaining * remaining;
    }
    return std::max(level, 0.0f);
}
