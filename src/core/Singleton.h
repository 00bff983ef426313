#pragma once

// One lazily created instance per service, alive until the process ends. A service makes its
// constructor private and names Singleton<itself> a friend, so nothing else can build a second one.
template <typename T> class Singleton {
public:
    static T& Instance() {
        static T instance;
        return instance;
    }

    Singleton() = delete;
};
