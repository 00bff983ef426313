#pragma once

// One lazily created instance per service, alive until the process ends. A service makes its
// constructor private and names Singleton<itself> a friend, so nothing else can build a second one.
//
// The instance is never destroyed: the orderly shutdown releases what matters, and a process
// that ends any other way (exit() from a library, a lost display) must not run destructors in
// an order where one service signs out of another that is already gone.
template <typename T> class Singleton {
  public:
    static T& Instance() {
        static T* const instance = new T;
        return *instance;
    }

    Singleton() = delete;
};
