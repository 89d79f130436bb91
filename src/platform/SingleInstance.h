#pragma once

#include <functional>
#include <memory>
#include <string>

class QSocketNotifier;

// One program per data folder. The holder of a folder keeps an flock() on a lock file outside
// the folder (the kernel drops it however the holder dies, so a killed program never blocks a
// later one) and listens on a local socket beside it; a later program on the same folder asks
// the holder over that socket to come to the front, and stops.
class CSingleInstance {
public:
    CSingleInstance();
    ~CSingleInstance();
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // Runs in the holder, from its event loop, when another program asks it to come forward.
    void SetActivation(std::function<void()> activate);
    // Takes the folder's lock; call once. False when another program holds it, after asking
    // that program to come to the front. When no lock can be made at all, the reason goes to
    // stderr and the program runs unguarded (true).
    bool Acquire(const std::string& folder);

private:
    void Listen();
    void OnActivationRequest();

    std::function<void()> m_activate;
    int m_lockFd = -1;
    int m_listenFd = -1;
    std::string m_lockPath;
    std::string m_socketPath;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
