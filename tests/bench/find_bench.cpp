// One find on the real network, measured: boards found by the whole find and by its first
// cycle, duration, CPU per datagram received, the receive buffer that the socket got.
// Run by scripts/bench inside the namespace where the simulated boards answer; not a test.
// The Windows build runs under Wine: there the sockets' work is done in wineserver, a process
// of its own, whose CPU time counts too (find_bench.exe N --server-pid PID).
#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#endif

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>

#include "net/net_session.h"

namespace {

#ifdef _WIN32
// CPU time of a process under Wine, from the host's scheduler (nanoseconds, summed over the
// threads that still run): Windows' own count steps in 10 ms ticks there.
double processSeconds(const std::string& pid) {
    const std::string tasks = "Z:\\proc\\" + pid + "\\task\\";   // Wine's drive Z: is the root
    WIN32_FIND_DATAA found;
    const HANDLE list = FindFirstFileA((tasks + "*").c_str(), &found);
    if (list == INVALID_HANDLE_VALUE) return 0;
    double seconds = 0;
    do {
        if (found.cFileName[0] == '.') continue;
        if (FILE* f = std::fopen((tasks + found.cFileName + "\\schedstat").c_str(), "r")) {
            unsigned long long ns = 0;
            if (std::fscanf(f, "%llu", &ns) == 1) seconds += static_cast<double>(ns) / 1e9;
            std::fclose(f);
        }
    } while (FindNextFileA(list, &found));
    FindClose(list);
    return seconds;
}

// Wine opens files through its server, so "self" there names the server. This process, as the
// host knows it, is the one whose command line carries this run's "--server-pid PID".
std::string hostPid(const std::string& server) {
    const std::string mark = std::string("--server-pid") + '\0' + server + '\0';
    WIN32_FIND_DATAA found;
    const HANDLE list = FindFirstFileA("Z:\\proc\\*", &found);
    if (list == INVALID_HANDLE_VALUE) return "";
    std::string pid;
    do {
        if (found.cFileName[0] < '0' || found.cFileName[0] > '9') continue;
        FILE* f = std::fopen((std::string("Z:\\proc\\") + found.cFileName + "\\cmdline").c_str(), "rb");
        if (!f) continue;
        char line[4096];
        const size_t n = std::fread(line, 1, sizeof line, f);
        std::fclose(f);
        if (std::string(line, n).find(mark) != std::string::npos) pid = found.cFileName;
    } while (pid.empty() && FindNextFileA(list, &found));
    FindClose(list);
    return pid;
}

std::string self;   // this process's host pid, once known

double cpuSeconds() {
    if (!self.empty()) return processSeconds(self);
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) return 0;
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// The receive buffer that the channel was granted (Windows says what it was set to).
int receiveBufferOf(const UdpChannel& channel, uint16_t) { return channel.receiveBuffer().granted; }
#else
double processSeconds(const std::string&) { return 0; }   // no server: the kernel does the work
std::string hostPid(const std::string&) { return ""; }
std::string self;

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// SO_RCVBUF of our UDP socket bound to port (twice the size granted: the kernel counts its
// bookkeeping too), or 0. The channel keeps its descriptor to itself, so look among ours.
int receiveBufferOf(const UdpChannel&, uint16_t port) {
    int size = 0;
    DIR* fds = opendir("/proc/self/fd");
    if (!fds) return 0;
    while (dirent* e = readdir(fds)) {
        const int fd = std::atoi(e->d_name);
        struct stat st {};
        if (fd <= 2 || fd == dirfd(fds) || fstat(fd, &st) != 0 || !S_ISSOCK(st.st_mode)) continue;
        sockaddr_in local{};
        socklen_t length = sizeof local;
        int type = 0;
        socklen_t typeLength = sizeof type;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0 ||
            local.sin_family != AF_INET || ntohs(local.sin_port) != port ||
            getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &typeLength) != 0 || type != SOCK_DGRAM)
            continue;
        socklen_t sizeLength = sizeof size;
        if (getsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, &sizeLength) != 0) size = 0;
        break;
    }
    closedir(fds);
    return size;
}
#endif

// The system channel, counting the datagrams that reach the engine.
class CountingChannel final : public UdpChannel {
public:
    explicit CountingChannel(std::unique_ptr<UdpChannel> inner) : inner_(std::move(inner)) {}
    bool open(uint16_t port) override {
        if (!inner_->open(port)) return false;
        receiveBufferBytes = receiveBufferOf(*inner_, port);
        return true;
    }
    bool send(const uint8_t* data, size_t length) override { return inner_->send(data, length); }
    ReceiveResult receive(int timeoutMs, const uint8_t*& data, size_t& length) override {
        const ReceiveResult r = inner_->receive(timeoutMs, data, length);
        if (r == ReceiveResult::Datagram || r == ReceiveResult::Dropped) ++datagrams;
        return r;
    }
    void close() override { inner_->close(); }
    int64_t nowMs() override { return inner_->nowMs(); }
    std::atomic<uint64_t> datagrams{0};
    std::atomic<int> receiveBufferBytes{0};

private:
    std::unique_ptr<UdpChannel> inner_;
};

}  // namespace

int main(int argc, char** argv) {
    const int expected = argc > 1 ? std::atoi(argv[1]) : 0;
    const std::string server = argc > 3 && std::strcmp(argv[2], "--server-pid") == 0 ? argv[3] : "";
    if (!server.empty()) self = hostPid(server);
    auto owned = std::make_unique<CountingChannel>(makeSystemChannel());
    CountingChannel& channel = *owned;
    NetSession session(std::move(owned));
    if (!session.devices.initialise()) return 1;

    std::mutex lock;
    std::condition_variable done;
    bool complete = false;
    std::atomic<int> cycles{0};
    std::atomic<int> firstCycleFound{-1};
    std::atomic<int64_t> lastFoundMs{0};
    const auto start = std::chrono::steady_clock::now();
    auto elapsedMs = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    };
    // Taken while the worker runs: under Wine only live threads are counted.
    const double cpuBefore = cpuSeconds();
    const double serverBefore = server.empty() ? 0 : processSeconds(server);
    double cpuAfter = 0;
    double serverAfter = 0;
    session.startFind([&](int32_t code, int32_t value) {
        if (code == EVT_BROADCAST) {
            ++cycles;
            // The events come from the worker that fills the list: this is the first cycle's harvest.
            if (value == 1) firstCycleFound = session.devices.count();
        }
        if (code == EVT_FOUND) lastFoundMs = elapsedMs();
        if (code == EVT_COMPLETE) {
            cpuAfter = cpuSeconds();
            serverAfter = server.empty() ? 0 : processSeconds(server);
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
    const double serverCpu = serverAfter - serverBefore;
    const double cpu = cpuAfter - cpuBefore + serverCpu;
    const uint64_t datagrams = channel.datagrams;
    const int found = session.devices.count();
    std::printf("boards=%d found=%d first_cycle_found=%d cycles=%d duration_ms=%lld last_found_ms=%lld "
                "datagrams=%llu cpu_ms=%.1f server_cpu_ms=%.1f cpu_us_per_datagram=%.2f rcvbuf_bytes=%d "
                "network_failed=%d\n",
                expected, found, firstCycleFound < 0 ? found : firstCycleFound.load(), cycles.load(),
                static_cast<long long>(durationMs),
                static_cast<long long>(lastFoundMs.load()), static_cast<unsigned long long>(datagrams),
                cpu * 1e3, serverCpu * 1e3, datagrams ? cpu * 1e6 / static_cast<double>(datagrams) : 0.0,
                channel.receiveBufferBytes.load(), session.openFailed() || session.sendFailed() ? 1 : 0);
    return session.openFailed() || session.sendFailed() ? 1 : 0;
}
