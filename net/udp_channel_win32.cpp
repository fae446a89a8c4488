// The UDP channel over Windows Sockets 2: overlapped sends and receives whose completion routines
// run on the worker thread during alertable waits. close() from another thread closes the socket,
// which makes a pending receive complete with WSA_OPERATION_ABORTED on the worker.
#include <winsock2.h>
#include <windows.h>

#include <cstring>
#include <mutex>

#include "net/udp_channel.h"
#include "net/wire.h"

namespace {

constexpr int kReceiveBufferBytes = 8 * 1024 * 1024;  // room for thousands of replies at once
constexpr DWORD kSendWaitMs = 1000;
constexpr int kDrainWaits = 5;   // after closesocket, aborted I/O completes at once

class Win32UdpChannel final : public UdpChannel {
public:
    // By now no worker runs: a pending I/O of a thread that has ended is already cancelled.
    ~Win32UdpChannel() override { teardown(); }

    bool open(uint16_t port) override {
        teardown();
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
        started_ = true;
        const SOCKET s = WSASocketA(AF_INET, SOCK_DGRAM, 0, nullptr, 0, WSA_FLAG_OVERLAPPED);
        if (s == INVALID_SOCKET) {
            teardown();
            return false;
        }
        const BOOL on = TRUE;
        setsockopt(s, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on), sizeof on);
        const int size = kReceiveBufferBytes;
        setsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size), sizeof size);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_port = htons(port);
        local.sin_addr.s_addr = htonl(INADDR_ANY);
        event_ = WSACreateEvent();   // nothing signals it: it only carries the alertable waits
        if (event_ == WSA_INVALID_EVENT ||
            bind(s, reinterpret_cast<const sockaddr*>(&local), sizeof local) == SOCKET_ERROR) {
            closesocket(s);
            teardown();
            return false;
        }
        destination_ = sockaddr_in{};
        destination_.sin_family = AF_INET;
        destination_.sin_port = htons(port);
        destination_.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        std::lock_guard<std::mutex> lock(mutex_);
        sock_ = s;
        closed_ = false;
        owner_ = GetCurrentThreadId();
        return true;
    }

    bool send(const uint8_t* data, size_t length) override {
        // A send that never completed still owns the buffer and the overlapped.
        if (sendPending_ || length > sizeof sendData_) return false;
        std::memcpy(sendData_, data, length);
        WSABUF buffer{static_cast<ULONG>(length), reinterpret_cast<char*>(sendData_)};
        sendOverlapped_ = WSAOVERLAPPED{};
        sendOverlapped_.hEvent = this;   // free for our use with a completion routine
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (closed_) return false;
            if (WSASendTo(sock_, &buffer, 1, nullptr, 0,
                          reinterpret_cast<const sockaddr*>(&destination_), sizeof destination_,
                          &sendOverlapped_, &Win32UdpChannel::onSendComplete) == SOCKET_ERROR &&
                WSAGetLastError() != WSA_IO_PENDING) {
                return false;
            }
            sendPending_ = true;
        }
        const ULONGLONG deadline = GetTickCount64() + kSendWaitMs;
        while (sendPending_ && waitUntil(deadline)) {
        }
        return !sendPending_ && sendError_ == 0 && sendBytes_ == length;
    }

    ReceiveResult receive(int timeoutMs, const uint8_t*& data, size_t& length) override {
        data = nullptr;
        length = 0;
        // A receive posted by an earlier call may still be pending, or already done.
        if (!receivePending_ && !receiveDone_) {
            const ReceiveResult posted = postReceive();
            if (posted != ReceiveResult::Datagram) return posted;
        }
        const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs > 0 ? timeoutMs : 0);
        while (!receiveDone_) {
            if (!waitUntil(deadline)) return ReceiveResult::Timeout;
        }
        receiveDone_ = false;
        const DWORD error = receiveError_;
        if (error == 0 && receiveBytes_ > 0 && !(receiveFlags_ & MSG_PARTIAL)) {
            data = receiveData_;
            length = receiveBytes_;
            return ReceiveResult::Datagram;
        }
        // Empty or oversize, or an ICMP "port unreachable" reported on a datagram socket.
        if (error == 0 || error == WSAEMSGSIZE || error == WSAECONNRESET || error == WSAENETRESET) {
            return ReceiveResult::Dropped;
        }
        closeSocket();   // WSA_OPERATION_ABORTED after close(), or a socket that failed
        return ReceiveResult::Closed;
    }

    void close() override {
        bool owner = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            closeLocked();
            owner = owner_ != 0 && owner_ == GetCurrentThreadId();
        }
        // Only the thread that issued the I/O can run its completions and so release the
        // library safely; another thread's close just ends the waits.
        if (owner) teardown();
    }

    int64_t nowMs() override { return static_cast<int64_t>(GetTickCount64()); }

private:
    static void CALLBACK onSendComplete(DWORD error, DWORD bytes, LPWSAOVERLAPPED overlapped, DWORD) {
        auto* self = static_cast<Win32UdpChannel*>(overlapped->hEvent);
        self->sendError_ = error;
        self->sendBytes_ = bytes;
        self->sendPending_ = false;
    }

    static void CALLBACK onReceiveComplete(DWORD error, DWORD bytes, LPWSAOVERLAPPED overlapped,
                                           DWORD flags) {
        auto* self = static_cast<Win32UdpChannel*>(overlapped->hEvent);
        if (!self->receivePending_) return;   // a receive already given up: nobody waits for it
        self->receiveError_ = error;
        self->receiveBytes_ = bytes;
        self->receiveFlags_ = flags;
        self->receivePending_ = false;
        self->receiveDone_ = true;
    }

    // Datagram when a receive is now pending (the result comes through the completion routine).
    ReceiveResult postReceive() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_) return ReceiveResult::Closed;
        WSABUF buffer{sizeof receiveData_, reinterpret_cast<char*>(receiveData_)};
        receiveOverlapped_ = WSAOVERLAPPED{};
        receiveOverlapped_.hEvent = this;
        receiveFlags_ = 0;
        fromLength_ = sizeof from_;
        receivePending_ = true;
        if (WSARecvFrom(sock_, &buffer, 1, nullptr, &receiveFlags_, reinterpret_cast<sockaddr*>(&from_),
                        &fromLength_, &receiveOverlapped_,
                        &Win32UdpChannel::onReceiveComplete) == SOCKET_ERROR) {
            const int error = WSAGetLastError();
            if (error != WSA_IO_PENDING) {
                // A receive that failed at once (an oversize datagram) may still have queued its
                // completion. Run it now, while the overlapped and the buffer are still its own:
                // left for a later wait, it would complete the next receive in that one's place.
                SleepEx(0, TRUE);
                receivePending_ = false;
                receiveDone_ = false;
                if (error == WSAEMSGSIZE || error == WSAECONNRESET || error == WSAENETRESET) {
                    return ReceiveResult::Dropped;
                }
                closeLocked();
                return ReceiveResult::Closed;
            }
        }
        return ReceiveResult::Datagram;
    }

    // One alertable wait until deadline; false once the deadline has passed.
    bool waitUntil(ULONGLONG deadline) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const DWORD result = WSAWaitForMultipleEvents(1, &event_, FALSE, static_cast<DWORD>(deadline - now), TRUE);
        if (result == WSA_WAIT_FAILED) SleepEx(static_cast<DWORD>(deadline - now), TRUE);
        return true;
    }

    void closeSocket() {
        std::lock_guard<std::mutex> lock(mutex_);
        closeLocked();
    }

    void closeLocked() {
        if (!closed_) closesocket(sock_);
        closed_ = true;
    }

    // On the owning thread: let aborted I/O complete, then release the event and the library.
    void teardown() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            closeLocked();
            owner_ = 0;
        }
        for (int i = 0; i < kDrainWaits && (receivePending_ || sendPending_); ++i) {
            if (event_ != WSA_INVALID_EVENT) {
                WSAWaitForMultipleEvents(1, &event_, FALSE, 1000, TRUE);
            } else {
                SleepEx(1000, TRUE);
            }
        }
        receivePending_ = sendPending_ = receiveDone_ = false;
        if (event_ != WSA_INVALID_EVENT) WSACloseEvent(event_);
        event_ = WSA_INVALID_EVENT;
        if (started_) WSACleanup();
        started_ = false;
    }

    std::mutex mutex_;   // guards sock_ and closed_: a closed handle is never used or closed again
    SOCKET sock_ = INVALID_SOCKET;
    bool closed_ = true;
    DWORD owner_ = 0;          // the thread that opened the socket; 0 when torn down
    bool started_ = false;     // WSAStartup succeeded and WSACleanup is owed
    WSAEVENT event_ = WSA_INVALID_EVENT;
    sockaddr_in destination_{};
    sockaddr_in from_{};
    INT fromLength_ = 0;

    // Worker-thread state, also written by the completion routines on that thread.
    WSAOVERLAPPED sendOverlapped_{};
    uint8_t sendData_[kSendBufferSize] = {};
    bool sendPending_ = false;
    DWORD sendError_ = 0;
    DWORD sendBytes_ = 0;
    WSAOVERLAPPED receiveOverlapped_{};
    uint8_t receiveData_[kReceiveBufferSize] = {};
    DWORD receiveFlags_ = 0;
    bool receivePending_ = false;
    bool receiveDone_ = false;
    DWORD receiveError_ = 0;
    DWORD receiveBytes_ = 0;
};

}  // namespace

std::unique_ptr<UdpChannel> makeSystemChannel() { return std::make_unique<Win32UdpChannel>(); }
