// Waiting on another thread or process without depending on its pace.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

// Polls every 2 ms; false when the condition still fails after a limit far beyond any test's need.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::seconds limit = std::chrono::seconds(30)) {
    for (const auto end = std::chrono::steady_clock::now() + limit; !condition();
         std::this_thread::sleep_for(std::chrono::milliseconds(2)))
        if (std::chrono::steady_clock::now() > end) return false;
    return true;
}
