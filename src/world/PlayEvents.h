#pragma once

// What happens in play that the layers above the world keep score of or act on. The lanes, the
// frog and the insects report here as it happens; the game implements it.
class PlayEvents {
  public:
    // The frog boarded a truck that carries a star.
    virtual void starCollected(float x, float y) = 0;
    virtual void truckToTruck() = 0;
    virtual void insectEaten(int insectType, float x, float y) = 0;
    // An insect hit the frog where it stands.
    virtual void frogPierced(float x, float y) = 0;
    // A deadly command reached the frog; its death plays out from now on.
    virtual void frogDying() = 0;
    // The level clock ran out under the frog.
    virtual void timeRanOut() = 0;

  protected:
    ~PlayEvents() = default;
};
