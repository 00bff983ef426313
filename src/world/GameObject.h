#pragma once

#include <string>
#include <utility>

// Anything in the world that is updated once a frame: a name, a state and the time in it.
class GameObject {
  public:
    explicit GameObject(std::string name) : name(std::move(name)) {}
    virtual ~GameObject() = default;

    // The clock restarts only on a change, so that setting the same state again keeps it running.
    virtual void setState(int newState);
    virtual void resetStateTime();
    virtual void update(float dt);

    const std::string& getName() const { return name; }
    int getState() const { return state; }
    float getStateTime() const { return stateTime; }

  protected:
    std::string name;
    int state = 0;
    float stateTime = 0.0f;
};
