// The UDP channel over POSIX sockets: poll() on the socket and on a wake-up pipe, so that close()
// from another thread ends a waiting receive at once.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>

#include "net/udp_channel.h"
#include "net/wire.h"

namespace {

constexpr int kReceiveBufferBytes = 8 * 1024 * 1024;  // room for thousands of replies at once
constexpr int kSendWaitMs = 1000;

enum class Wait { Ready, Timeout, Closed };

class PosixUdpChannel final : public UdpChannel {
public:
    PosixUdpChannel() {
        int fds[2];
        if (::pipe(fds) == 0) {
            for (int fd : fds) {
                ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
                ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            }
            wakeRead_ = fds[0];
            wakeWrite_ = fds[1];
        }
    }

    ~PosixUdpChannel() override {
        if (fd_ >= 0) ::close(fd_);
        if (wakeRead_ >= 0) ::close(wakeRead_);
        if (wakeWrite_ >= 0) ::close(wakeWrite_);
    }

    bool open(uint16_t port) override {
        std::lock_guard<std::mutex> lock(mutex_);
        closeNow();
        drainWake();
        if (wakeRead_ < 0) return false;
        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
        // Thousands of boards may answer in one burst; as root the system limit can be passed.
        const int size = kReceiveBufferBytes;
#ifdef SO_RCVBUFFORCE
        if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &size, sizeof size) != 0)
#endif
            ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
        // No SO_REUSEADDR: a port held by another program must fail here, not share replies.
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_port = htons(port);
        local.sin_addr.s_addr = htonl(INADDR_ANY);
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
            ::close(fd);
            return false;
        }
        destination_ = sockaddr_in{};
        destination_.sin_family = AF_INET;
        destination_.sin_port = htons(port);
        destination_.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        fd_ = fd;
        closeRequested_ = false;
        return true;
    }

    bool send(const uint8_t* data, size_t length) override {
        const int fd = acquire();
        if (fd < 0) return false;
        bool sent = false;
        for (;;) {
            const ssize_t n = ::sendto(fd, data, length, MSG_DONTWAIT,
                                       reinterpret_cast<const sockaddr*>(&destination_),
                                       sizeof destination_);
            if (n >= 0) {
                sent = static_cast<size_t>(n) == length;
                break;
            }
            if (errno == EINTR) continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != ENOBUFS) break;
            if (waitFor(fd, POLLOUT, kSendWaitMs) != Wait::Ready) break;
        }
        release();
        return sent;
    }

    ReceiveResult receive(int timeoutMs, const uint8_t*& data, size_t& length) override {
        data = nullptr;
        length = 0;
        const int fd = acquire();
        if (fd < 0) return ReceiveResult::Closed;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        ReceiveResult result = ReceiveResult::Timeout;
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now()).count();
            const Wait wait = waitFor(fd, POLLIN, left > 0 ? static_cast<int>(left) : 0);
            if (wait == Wait::Closed) {
                result = ReceiveResult::Closed;
                break;
            }
            if (wait == Wait::Timeout) break;
            iovec part{buffer_, sizeof buffer_};
            msghdr message{};
            message.msg_iov = &part;
            message.msg_iovlen = 1;
            const ssize_t n = ::recvmsg(fd, &message, MSG_DONTWAIT);
            if (n > 0 && !(message.msg_flags & MSG_TRUNC)) {
                data = buffer_;
                length = static_cast<size_t>(n);
                result = ReceiveResult::Datagram;
                break;
            }
            if (n >= 0) {  // empty, or longer than any board sends
                result = ReceiveResult::Dropped;
                break;
            }
            if (errno == EBADF || errno == ENOTSOCK || errno == EINVAL || errno == EFAULT) {
                result = ReceiveResult::Closed;
                break;
            }
            // EAGAIN, EINTR, an ICMP error queued on the socket: nothing to take, keep waiting.
        }
        if (result == ReceiveResult::Closed) {
            std::lock_guard<std::mutex> lock(mutex_);
            closeRequested_ = true;
        }
        release();
        return result;
    }

    void close() override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (fd_ < 0) return;
        closeRequested_ = true;
        if (users_ > 0) {
            // The worker is using the descriptor: wake it; it closes on its way out.
            const char byte = 1;
            [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
            return;
        }
        closeNow();
    }

    int64_t nowMs() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch()).count();
    }

private:
    // The descriptor for one send or receive, or -1 when closed. It stays open until release().
    int acquire() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (fd_ < 0 || closeRequested_) return -1;
        ++users_;
        return fd_;
    }

    void release() {
        std::lock_guard<std::mutex> lock(mutex_);
        --users_;
        if (users_ == 0 && closeRequested_) closeNow();
    }

    // Under mutex_, with nobody using the descriptor.
    void closeNow() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        drainWake();
    }

    void drainWake() {
        char scratch[64];
        while (wakeRead_ >= 0 && ::read(wakeRead_, scratch, sizeof scratch) > 0) {
        }
    }

    Wait waitFor(int fd, short events, int timeoutMs) {
        pollfd fds[2] = {{fd, events, 0}, {wakeRead_, POLLIN, 0}};
        const int n = ::poll(fds, 2, timeoutMs);
        // Interrupted: report ready; the caller's non-blocking call finds nothing and waits on.
        if (n < 0 && errno == EINTR) return Wait::Ready;
        if (n < 0 || fds[1].revents != 0) return Wait::Closed;
        return n == 0 ? Wait::Timeout : Wait::Ready;
    }

    std::mutex mutex_;
    int fd_ = -1;
    int users_ = 0;
    bool closeRequested_ = false;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    sockaddr_in destination_{};
    uint8_t buffer_[kReceiveBufferSize];
};

}  // namespace

std::unique_ptr<UdpChannel> makeSystemChannel() { return std::make_unique<PosixUdpChannel>(); }
