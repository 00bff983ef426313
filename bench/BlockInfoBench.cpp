// The frog's look-ahead before every jump: the blocker registry asked about one point, with a
// road full of vehicles registered.
#include "world/BlockInfo.h"
#include "world/BlockingObject.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// A vehicle-sized box moving along its lane.
class Vehicle : public BlockingObject {
  public:
    Vehicle(int x, int y, float speed) : x(x), y(y), speed(speed) {
        Singleton<BlockInfo>::Instance().add(this);
    }

    bool blocksPoint(int px, int py) const override {
        return std::abs(px - x) <= 60 && std::abs(py - y) <= 30;
    }
    bool blocksPointAfter(int px, int py, float t) const override {
        return blocksPoint(px - static_cast<int>(speed * t), py);
    }

  private:
    int x, y;
    float speed;
};

void IsBlockedAfter(benchmark::State& state) {
    std::vector<std::unique_ptr<Vehicle>> road;
    for (int i = 0; i < state.range(0); ++i)
        road.push_back(
            std::make_unique<Vehicle>(i * 170 % 800, 37 + 75 * (i % 15), i % 2 ? 120.0f : -90.0f));
    int probe = 0;
    for (auto _ : state) {
        // Points between the vehicles, so that the whole registry is searched.
        benchmark::DoNotOptimize(
            Singleton<BlockInfo>::Instance().isBlockedAfter(probe % 800, 2000, 0.3f));
        ++probe;
    }
}
BENCHMARK(IsBlockedAfter)->Arg(10)->Arg(60);

} // namespace
