#pragma once

#include "world/GameObject.h"

#include <memory>
#include <vector>

// An insect flying over the level. The frog's tongue eats most kinds; two kinds turn on the frog
// instead.
class Insect : public GameObject {
public:
    static constexpr int kBigBug = 1;
    static constexpr int kTaxiBug = 5;
    static constexpr int kStateApproach = 5;

    explicit Insect(int type) : GameObject("Insect"), type(type) {}

    // The frog's tongue reached the insect. One that is already being eaten is left alone, so
    // that a second catch while it shrinks scores nothing twice.
    void caught();

    void setPosition(float newX, float newY) {
        x = newX;
        y = newY;
    }
    int getType() const { return type; }
    float getX() const { return x; }
    float getY() const { return y; }
    bool isCaught() const { return caughtFlag; }

private:
    int type;
    float x = 0.0f;
    float y = 0.0f;
    bool caughtFlag = false;
};

using InsectList = std::vector<std::unique_ptr<Insect>>;
