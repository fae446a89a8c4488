// One find on the real network, measured: boards found, duration, CPU per datagram received.
// Run by scripts/bench inside the namespace where the simulated boards answer; not a test.
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>

#include "net/net_session.h"

namespace {

// The system channel, counting the datagrams that reach the engine.
class CountingChannel final : public UdpChannel {
public:
    explicit CountingChannel(std::unique_ptr<UdpChannel> inner) : inner_(std::move(inner)) {}
    bool open(uint16_t port) override { return inner_->open(port); }
    bool send(const uint8_t* data, size_t length) override { return inner_->send(data, length); }
    ReceiveResult receive(int timeoutMs, const uint8_t*& data, size_t& length) override {
        const ReceiveResult r = inner_->receive(timeoutMs, data, length);
        if (r == ReceiveResult::Datagram || r == ReceiveResult::Dropped) ++datagrams;
        return r;
    }
    void close() override { inner_->close(); }
    int64_t nowMs() override { return inner_->nowMs(); }
    std::atomic<uint64_t> datagrams{0};

private:
    std::unique_ptr<UdpChannel> inner_;
};

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const int expected = argc > 1 ? std::atoi(argv[1]) : 0;
    auto owned = std::make_unique<CountingChannel>(makeSystemChannel());
    CountingChannel& channel = *owned;
    NetSession session(std::move(owned));
    if (!session.devices.initialise()) return 1;

    std::mutex lock;
    std::condition_variable done;
    bool complete = false;
    std::atomic<int> cycles{0};
    std::atomic<int64_t> lastFoundMs{0};
    const auto start = std::chrono::steady_clock::now();
    auto elapsedMs = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    };
    const double cpuBefore = cpuSeconds();
    session.startFind([&](int32_t code, int32_t) {
        if (code == EVT_BROADCAST) ++cycles;
        if (code == EVT_FOUND) lastFoundMs = elapsedMs();
        if (code == EVT_COMPLETE) {
            std::lock_guard guard(lock);
            complete = true;
            done.notify_all();
        }
        return true;   // go on past 4096 boards
    });
    {
        std::unique_lock guard(lock);
        done.wait(guard, [&] { return complete; });
    }
    const int64_t durationMs = elapsedMs();
    session.waitForWorker();
    const double cpu = cpuSeconds() - cpuBefore;
    const uint64_t datagrams = channel.datagrams;
    std::printf("boards=%d found=%d cycles=%d duration_ms=%lld last_found_ms=%lld datagrams=%llu "
                "cpu_ms=%.1f cpu_us_per_datagram=%.2f network_failed=%d\n",
                expected, session.devices.count(), cycles.load(), static_cast<long long>(durationMs),
                static_cast<long long>(lastFoundMs.load()), static_cast<unsigned long long>(datagrams),
                cpu * 1e3, datagrams ? cpu * 1e6 / static_cast<double>(datagrams) : 0.0,
                session.openFailed || session.sendFailed ? 1 : 0);
    return session.openFailed || session.sendFailed ? 1 : 0;
}
