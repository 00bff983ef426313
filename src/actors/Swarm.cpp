#include "actors/Swarm.h"

#include "actors/InsectFactory.h"
#include "core/Singleton.h"

void Swarm::arrive() {
    Singleton<InsectFactory>::Instance().setUpInsects(insects, world);
}

void Swarm::step(float dt) {
    Singleton<InsectFactory>::Instance().stepInsects(dt, insects, world);
}
