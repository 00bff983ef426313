#pragma once

// Attack, decay to a sustain level, release at the end of the note. The decay is exponential
// (its time constant in seconds) as struck and plucked things fade; the release is a squared
// ramp that reaches exactly zero, so no note ends with a step.
struct Envelope {
    float attack = 0.005f;
    float decay = 0.1f;
    float sustain = 1.0f;
    float release = 0.01f;

    // The level at `time` seconds into a note that lasts `length` seconds in all.
    float levelAt(float time, float length) const;
};
