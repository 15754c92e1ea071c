// A disk that fills up, for tests of what a failed write leaves behind.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace brewick::test {

// Files this process writes may grow to `bytes` at most while it lives;
// writes past that fail with EFBIG instead of raising SIGXFSZ.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit full = {bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

}  // namespace brewick::test
