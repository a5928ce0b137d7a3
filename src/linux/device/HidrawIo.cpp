#include "linux/device/HidrawIo.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace ravix::linux_hid {
namespace {

// The call's result, or -errno when it failed; interrupted calls are repeated.
template <typename Call>
auto Retry(Call call) {
    for (;;) {
        const auto result = call();
        if (result >= 0) return result;
        if (errno != EINTR) return static_cast<decltype(result)>(-errno);
    }
}

}  // namespace

int PosixHidrawIo::Open(const std::string& path, int flags) {
    return Retry([&] { return ::open(path.c_str(), flags | O_CLOEXEC); });
}

void PosixHidrawIo::Close(int fd) {
    ::close(fd);
}

int PosixHidrawIo::Ioctl(int fd, unsigned long request, void* argument) {
    return Retry([&] { return ::ioctl(fd, request, argument); });
}

ssize_t PosixHidrawIo::Read(int fd, void* buffer, size_t length) {
    return Retry([&] { return ::read(fd, buffer, length); });
}

ssize_t PosixHidrawIo::Write(int fd, const void* buffer, size_t length) {
    return Retry([&] { return ::write(fd, buffer, length); });
}

int PosixHidrawIo::Poll(pollfd* fds, nfds_t count, int timeoutMs) {
    const int result = ::poll(fds, count, timeoutMs);
    return result >= 0 ? result : -errno;  // EINTR included: the caller's loop decides
}

}  // namespace ravix::linux_hid
