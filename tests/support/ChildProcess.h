#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// A program started in a folder of the caller's choosing, for tests and benchmarks that run a
// real executable. One still running when the object goes is killed (SIGKILL) and reaped.
class ChildProcess {
public:
    // Starts `program` without arguments in `folder`, with `environment` ("NAME=value") over
    // this process's own.
    ChildProcess(const std::string& program, const std::string& folder,
                 const std::vector<std::string>& environment);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    static constexpr int kStillRunning = -1;
    // Waits up to `timeout` for the program to end: its exit status, 128 + the signal that ended
    // it, or kStillRunning.
    int Wait(std::chrono::milliseconds timeout);
    void Kill();

private:
    pid_t m_pid = -1;
    int m_status = kStillRunning;
};

// Asks `condition` every few milliseconds until it holds (true) or the time is up (false).
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);
