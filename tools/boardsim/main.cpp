// boardsim: simulated boards on UDP port 21210, for tests and demonstrations.
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <poll.h>
#include <queue>
#include <random>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <unordered_set>

#include "tools/boardsim/board_set.h"

namespace {

volatile std::sig_atomic_t gStop = 0;
void onSignal(int) { gStop = 1; }

int64_t nowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

struct Pending {
    int64_t dueUs;
    uint64_t order;     // keeps a burst in board order when due times tie
    int board;
    bool ack;
    uint32_t destination;   // network order
    bool operator>(const Pending& o) const {
        return dueUs != o.dueUs ? dueUs > o.dueUs : order > o.order;
    }
};

struct Stats {
    uint64_t received = 0, discover = 0, configure = 0, ignored = 0, malformed = 0, own = 0;
    uint64_t replies = 0, acks = 0, sendFailures = 0;
};

// Addresses of this namespace's own interfaces: a datagram from one of them is our own
// broadcast coming back.
std::unordered_set<uint32_t> localAddresses() {
    std::unordered_set<uint32_t> set;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return set;
    for (ifaddrs* a = list; a; a = a->ifa_next)
        if (a->ifa_addr && a->ifa_addr->sa_family == AF_INET)
            set.insert(reinterpret_cast<sockaddr_in*>(a->ifa_addr)->sin_addr.s_addr);
    freeifaddrs(list);
    return set;
}

// Sends one datagram; waits for room in the send buffer rather than drop a board's answer.
bool sendDatagram(int fd, const std::vector<uint8_t>& bytes, uint32_t destination) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(sim::kPort);
    to.sin_addr.s_addr = destination;
    for (int tries = 0; tries < 50; ++tries) {
        const ssize_t n = sendto(fd, bytes.data(), bytes.size(), 0,
                                 reinterpret_cast<sockaddr*>(&to), sizeof to);
        if (n == static_cast<ssize_t>(bytes.size())) return true;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p{fd, POLLOUT, 0};
            poll(&p, 1, 100);
        } else if (n < 0 && (errno == ENOBUFS || errno == EINTR)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        } else {
            return false;
        }
    }
    return false;
}

int openSocket(const sim::SimOptions& o) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    const int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    // The forced sizes need root; without it the kernel's ceilings apply.
    const int sndbuf = o.sendBufferBytes;
    if (setsockopt(fd, SOL_SOCKET, SO_SNDBUFFORCE, &sndbuf, sizeof sndbuf) != 0)
        setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &sndbuf, sizeof sndbuf);
    const int rcvbuf = 4 << 20;
    if (setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &rcvbuf, sizeof rcvbuf) != 0)
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &rcvbuf, sizeof rcvbuf);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(sim::kPort);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        const int e = errno;
        close(fd);
        errno = e;
        return -1;
    }
    return fd;
}

}  // namespace

int main(int argc, char** argv) {
    const sim::SimParse parsed = sim::parseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::fputs(sim::simUsage().c_str(), stdout);
        return 0;
    }
    if (!parsed.ok) {
        std::fprintf(stderr, "boardsim: %s\n%s", parsed.error.c_str(), sim::simUsage().c_str());
        return 2;
    }
    const sim::SimOptions& o = parsed.options;
    sim::BoardSet boards(o);

    FILE* log = nullptr;
    if (!o.logPath.empty()) {
        // Appending: a test may empty the log while we run and read only what follows.
        const int logFd = open(o.logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
        log = logFd < 0 ? nullptr : fdopen(logFd, "a");
        if (!log) {
            std::fprintf(stderr, "boardsim: cannot write %s: %s\n", o.logPath.c_str(), std::strerror(errno));
            return 1;
        }
        std::setvbuf(log, nullptr, _IOLBF, 0);
    }
    const int fd = openSocket(o);
    if (fd < 0) {
        std::fprintf(stderr, "boardsim: cannot open UDP port %u: %s\n", sim::kPort, std::strerror(errno));
        return 1;
    }
    struct sigaction sa {};
    sa.sa_handler = onSignal;   // no SA_RESTART: a signal ends the poll at once
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    const std::unordered_set<uint32_t> own = localAddresses();
    if (!o.readyPath.empty()) {
        if (FILE* f = std::fopen(o.readyPath.c_str(), "w")) {
            std::fprintf(f, "%d\n", static_cast<int>(getpid()));
            std::fclose(f);
        }
    }
    std::fprintf(stderr, "boardsim: %d boards on UDP port %u, replies by %s\n", boards.size(),
                 sim::kPort, o.reply == sim::ReplyMode::Broadcast ? "broadcast" : "unicast");

    std::mt19937 random(std::random_device{}());
    std::priority_queue<Pending, std::vector<Pending>, std::greater<>> queue;
    uint64_t order = 0;
    Stats stats;
    const int64_t startUs = nowUs();
    uint8_t buffer[2048];

    while (!gStop) {
        int timeoutMs = -1;
        if (!queue.empty()) {
            const int64_t wait = queue.top().dueUs - nowUs();
            timeoutMs = wait <= 0 ? 0 : static_cast<int>((wait + 999) / 1000);
        }
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, timeoutMs);
        if (ready < 0 && errno != EINTR) break;

        for (;;) {   // drain everything that has arrived
            sockaddr_in from{};
            socklen_t fromLength = sizeof from;
            const ssize_t n = recvfrom(fd, buffer, sizeof buffer, 0,
                                       reinterpret_cast<sockaddr*>(&from), &fromLength);
            if (n < 0) break;
            ++stats.received;
            if (own.count(from.sin_addr.s_addr)) {
                ++stats.own;
                continue;
            }
            const sim::Request request = sim::decodeRequest(buffer, static_cast<size_t>(n));
            const sim::Reaction reaction = boards.handle(request);
            switch (request.kind) {
            case sim::RequestKind::Discover: ++stats.discover; break;
            case sim::RequestKind::Configure: ++stats.configure; break;
            case sim::RequestKind::Other: ++stats.ignored; break;
            case sim::RequestKind::Malformed: ++stats.malformed; break;
            }
            if (log) {
                char sender[INET_ADDRSTRLEN] = "?";
                inet_ntop(AF_INET, &from.sin_addr, sender, sizeof sender);
                std::fprintf(log, "t=%.3f from=%s:%u %s -> %s\n",
                             static_cast<double>(nowUs() - startUs) / 1e6, sender,
                             ntohs(from.sin_port), sim::describeRequest(request).c_str(),
                             reaction.note.c_str());
            }
            const uint32_t destination = o.reply == sim::ReplyMode::Broadcast
                                             ? htonl(INADDR_BROADCAST)
                                             : from.sin_addr.s_addr;
            const int64_t t0 = nowUs();
            int64_t k = 0;
            auto schedule = [&](int board, bool ack) {
                int64_t due = t0 + k++ * o.paceUs;
                if (o.jitterMs > 0)
                    due += std::uniform_int_distribution<int64_t>(0, int64_t{o.jitterMs} * 1000)(random);
                queue.push(Pending{due, order++, board, ack, destination});
            };
            for (int b : reaction.replies) schedule(b, false);
            if (reaction.ackBoard >= 0) schedule(reaction.ackBoard, true);
        }

        while (!queue.empty() && queue.top().dueUs <= nowUs() && !gStop) {
            const Pending next = queue.top();
            queue.pop();
            const std::vector<uint8_t> bytes =
                next.ack ? sim::encodeAck(0) : sim::encodeReply(boards.board(next.board), o.lengthInFirstByte);
            if (!sendDatagram(fd, bytes, next.destination)) {
                ++stats.sendFailures;
            } else {
                ++(next.ack ? stats.acks : stats.replies);
            }
        }
    }
    close(fd);
    std::fprintf(stderr,
                 "boardsim: received %llu datagrams (%llu discover, %llu configure, %llu other, "
                 "%llu malformed, %llu own); sent %llu replies, %llu acknowledgements; %llu sends failed\n",
                 static_cast<unsigned long long>(stats.received),
                 static_cast<unsigned long long>(stats.discover),
                 static_cast<unsigned long long>(stats.configure),
                 static_cast<unsigned long long>(stats.ignored),
                 static_cast<unsigned long long>(stats.malformed),
                 static_cast<unsigned long long>(stats.own),
                 static_cast<unsigned long long>(stats.replies),
                 static_cast<unsigned long long>(stats.acks),
                 static_cast<unsigned long long>(stats.sendFailures));
    if (log) std::fclose(log);
    return 0;
}
