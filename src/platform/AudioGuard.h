#pragma once

namespace platform {

// Keeps the mixer out while a buffer changes. On a desktop it holds the audio thread off; the
// headless platform uses it to bring the buffers up to the virtual clock first.
class AudioGuard {
  public:
    virtual ~AudioGuard() = default;
    virtual void enter() = 0;
    virtual void leave() = 0;

    class Scope {
      public:
        explicit Scope(AudioGuard& guard) : guard(guard) { guard.enter(); }
        ~Scope() { guard.leave(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        AudioGuard& guard;
    };
};

} // namespace platform
