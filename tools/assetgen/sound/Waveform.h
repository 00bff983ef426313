#pragma once

// The shapes an oscillator can have.
enum class Waveform { Sine, Triangle, Saw, Square, Pulse25 };
