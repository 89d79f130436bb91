#include "support/ChildProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char** environ;

ChildProcess::ChildProcess(const std::string& program, const std::string& folder,
                           const std::vector<std::string>& environment) {
    // The given variables come first: the first of two entries of one name is the one read.
    std::vector<std::string> variables = environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        variables.emplace_back(*entry);
    }
    // Everything the child needs is built before fork: only chdir and exec run in it.
    std::vector<char*> envp;
    for (std::string& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    std::string path = program;
    char* const argv[] = {path.data(), nullptr};
    m_pid = fork();
    if (m_pid == 0) {
        if (chdir(folder.c_str()) == 0) {
            execve(path.c_str(), argv, envp.data());
        }
        _exit(127);
    }
}

ChildProcess::~ChildProcess() {
    Kill();
}

int ChildProcess::Wait(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (m_pid > 0 && m_status == kStillRunning) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        } else if (std::chrono::steady_clock::now() >= deadline) {
            break;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    return m_status;
}

void ChildProcess::Kill() {
    if (m_pid > 0 && m_status == kStillRunning) {
        kill(m_pid, SIGKILL);
        Wait(std::chrono::hours(1));
    }
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
