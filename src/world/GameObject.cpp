#include "world/GameObject.h"

void GameObject::setState(int newState) {
    if (newState != state)
        stateTime = 0.0f;
    state = newState;
}

void GameObject::resetStateTime() {
    stateTime = 0.0f;
}

void GameObject::update(float dt) {
    stateTime += dt;
}
