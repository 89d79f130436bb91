#pragma once

#include <future>
#include <system_error>
#include <utility>

// Starts `task` on another thread and returns its future result. Where no thread can be started
// the task runs when its result is first asked for, as it would without a thread.
template <class Task>
auto RunAhead(Task task) -> std::future<decltype(task())> {
    try {
        return std::async(std::launch::async, task);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, std::move(task));
    }
}
