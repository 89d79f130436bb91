#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

namespace {

constexpr char kFilePrefix[] = "/morvane-";
constexpr char kSocketSuffix[] = ".sock";
constexpr int kHashDigits = 16;
// A folder name that leaves room for the socket's name inside sockaddr_un.
constexpr std::size_t kMaxRuntimeFolderLength = sizeof(sockaddr_un::sun_path) - 1 -
                                                (sizeof kFilePrefix - 1) - kHashDigits -
                                                (sizeof kSocketSuffix - 1);
// A holder that has only just taken the lock is listening a moment later.
constexpr int kConnectAttempts = 20;
constexpr auto kConnectPause = std::chrono::milliseconds(50);

void Warn(const std::string& text) {
    std::fprintf(stderr, "morvane: %s\n", text.c_str());
}

// Owned by the user, reachable by nobody else, and not a link someone else planted.
bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return path.size() <= kMaxRuntimeFolderLength && lstat(path.c_str(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

// $XDG_RUNTIME_DIR, else a folder of the user's own under /tmp; empty when neither is private.
std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && IsPrivateFolder(runtime)) {
        return runtime;
    }
    const std::string fallback = "/tmp/morvane-" + std::to_string(getuid());
    mkdir(fallback.c_str(), 0700);  // an existing one is checked like a new one
    return IsPrivateFolder(fallback) ? fallback : std::string();
}

// FNV-1a of the canonical path: the same folder reached by any path gives the same name.
std::string FolderKey(const std::string& folder) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::canonical(folder, error);
    if (error) {
        path = std::filesystem::absolute(folder, error).lexically_normal();
    }
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const char c : path.string()) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3;
    }
    char digits[kHashDigits + 1];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

sockaddr_un SocketAddress(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

// The locked lock file, or -1 with `error` set (EWOULDBLOCK when another program holds it). A
// holder removes the file as it ends, so a lock won on a file that is no longer the one at
// `path` holds nothing: then the new file is tried.
int LockFile(const std::string& path, int& error) {
    constexpr int kAttempts = 5;
    error = EBUSY;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Close-on-exec: a browser started from the program must not inherit the lock.
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
            error = errno;
            if (fd >= 0) {
                close(fd);
            }
            return -1;
        }
        struct stat held {};
        struct stat named {};
        if (fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            return fd;
        }
        close(fd);
    }
    return -1;
}

// A connection is the whole request. Non-blocking, so a holder that no longer reads cannot hold
// this program up once its queue is full. False when no holder answered.
bool RequestActivation(const std::string& socketPath) {
    const sockaddr_un address = SocketAddress(socketPath);
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        const bool sent = fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address),
                                             sizeof address) == 0;
        if (fd >= 0) {
            close(fd);
        }
        if (sent) {
            return true;
        }
        std::this_thread::sleep_for(kConnectPause);
    }
    return false;
}

}  // namespace

CSingleInstance::CSingleInstance() = default;

// Both files go while the lock is still held, so that neither is ever a later holder's.
CSingleInstance::~CSingleInstance() {
    m_notifier.reset();
    if (m_listenFd >= 0) {
        close(m_listenFd);
        unlink(m_socketPath.c_str());
    }
    if (m_lockFd >= 0) {
        unlink(m_lockPath.c_str());
        close(m_lockFd);
    }
}

void CSingleInstance::SetActivation(std::function<void()> activate) {
    m_activate = std::move(activate);
}

bool CSingleInstance::Acquire(const std::string& folder) {
    const std::string runtime = RuntimeFolder();
    if (runtime.empty()) {
        Warn("no private folder for the lock of " + folder +
             "; a second program on it would not be stopped");
        return true;
    }
    const std::string base = runtime + kFilePrefix + FolderKey(folder);
    int error = 0;
    m_lockFd = LockFile(base + ".lock", error);
    // A holder that was just ending does not answer; its lock is then free.
    if (m_lockFd < 0 && error == EWOULDBLOCK && !RequestActivation(base + kSocketSuffix)) {
        m_lockFd = LockFile(base + ".lock", error);
        if (m_lockFd < 0 && error == EWOULDBLOCK) {
            Warn("the program already running on this folder did not come to the front");
        }
    }
    if (m_lockFd >= 0) {
        m_lockPath = base + ".lock";
        m_socketPath = base + kSocketSuffix;
        Listen();
        return true;
    }
    if (error != EWOULDBLOCK) {
        Warn("cannot lock " + base + ".lock (" + std::strerror(error) +
             "); a second program on this folder would not be stopped");
        return true;
    }
    return false;
}

void CSingleInstance::Listen() {
    unlink(m_socketPath.c_str());  // left by a holder that was killed
    m_listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const sockaddr_un address = SocketAddress(m_socketPath);
    if (m_listenFd < 0 ||
        bind(m_listenFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(m_listenFd, SOMAXCONN) != 0) {
        Warn("cannot listen on " + m_socketPath + " (" + std::strerror(errno) +
             "); a second program cannot bring this one to the front");
        if (m_listenFd >= 0) {
            close(m_listenFd);
            m_listenFd = -1;
        }
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_listenFd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated,
                     [this] { OnActivationRequest(); });
}

void CSingleInstance::OnActivationRequest() {
    bool requested = false;
    for (int client; (client = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        close(client);
        requested = true;
    }
    if (requested && m_activate) {
        m_activate();
    }
}
