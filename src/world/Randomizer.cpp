#include "world/Randomizer.h"

#include <ctime>

Randomizer::Randomizer() : state(static_cast<std::uint32_t>(std::time(nullptr))) {}

int Randomizer::next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 32767u);
}

int Randomizer::range(int a, int b) {
    if (b <= a)
        return a;
    const std::int64_t span = std::int64_t{b} - a + 1;
    return static_cast<int>(a + next() % span);
}
