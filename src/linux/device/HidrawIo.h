#pragma once

#include <poll.h>
#include <sys/types.h>

#include <string>

namespace ravix::linux_hid {

// The system calls the hidraw adapter makes on device nodes, behind one seam so that tests can
// script what the kernel answers. Each returns what the call returns, with -errno on failure.
class HidrawIo {
public:
    virtual ~HidrawIo() = default;

    virtual int Open(const std::string& path, int flags) = 0;
    virtual void Close(int fd) = 0;
    virtual int Ioctl(int fd, unsigned long request, void* argument) = 0;
    virtual ssize_t Read(int fd, void* buffer, size_t length) = 0;
    virtual ssize_t Write(int fd, const void* buffer, size_t length) = 0;
    virtual int Poll(pollfd* fds, nfds_t count, int timeoutMs) = 0;
};

// The real calls.
class PosixHidrawIo final : public HidrawIo {
public:
    int Open(const std::string& path, int flags) override;
    void Close(int fd) override;
    int Ioctl(int fd, unsigned long request, void* argument) override;
    ssize_t Read(int fd, void* buffer, size_t length) override;
    ssize_t Write(int fd, const void* buffer, size_t length) override;
    int Poll(pollfd* fds, nfds_t count, int timeoutMs) override;
};

// An open device node, closed through the seam when it goes.
class HidrawFd {
public:
    HidrawFd(HidrawIo& io, int fd) : m_io(io), m_fd(fd) {}
    ~HidrawFd() {
        if (m_fd >= 0) m_io.Close(m_fd);
    }
    HidrawFd(const HidrawFd&) = delete;
    HidrawFd& operator=(const HidrawFd&) = delete;

    int Get() const { return m_fd; }
    HidrawIo& Io() const { return m_io; }

private:
    HidrawIo& m_io;
    int m_fd;
};

}  // namespace ravix::linux_hid
