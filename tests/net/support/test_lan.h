#pragma once
// What the channel tests need of the platform, one implementation per system as the channel
// itself has (test_lan_posix.cpp, test_lan_win32.cpp): the private LAN they run on, a plain
// socket of another program's, and what each system guarantees about the board port.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The private LAN: two veth pairs (la-lb on 10.77.1.0/24, ma-mb on 10.77.2.0/24) are its four
// adapters, and nothing reaches the host's interfaces.
constexpr uint32_t kLa = 0x0A4D0101, kLb = 0x0A4D0102, kMa = 0x0A4D0201, kMb = 0x0A4D0202;

// Whether the tests run on the private LAN: natively in a network namespace that the test
// program makes for itself before any test starts; under Wine in the one netns-wine-run made.
bool privateLanReady();

// Starts a shell command on the private LAN (ip link ...); false when it could not be run.
// Whether it did what it should is seen in the adapters afterwards.
bool runOnLan(const std::string& command);

// A port that nothing holds right now (bound for a moment to learn it; nothing is sent).
uint16_t freePort();

// Another program's UDP socket.
class TestSocket {
public:
    TestSocket();
    ~TestSocket();
    TestSocket(const TestSocket&) = delete;
    TestSocket& operator=(const TestSocket&) = delete;

    bool open() const;
    // Binds address:port (host order); reuse asks to share it (SO_REUSEADDR).
    bool bind(uint32_t address, uint16_t port, bool reuse);
    bool sendTo(uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes);

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

// What each system guarantees beyond what both do.
struct LanFacts {
    // Another program cannot bind 0.0.0.0 on the port while the channel holds it (Linux; on
    // Windows it may, beside the adapters' sockets).
    bool wildcardBindRefused;
    // A burst the channel takes whole and in order: under Wine the socket's buffer is the host
    // kernel's, capped by a limit that a test must not raise.
    int wholeBurst;
    // The system reports datagrams it had no room for (SO_RXQ_OVFL).
    bool tellsLoss;
    // One socket per adapter, bound to its address: the adapters are read in turn (a busy one
    // does not hold back the others), and an address that cannot be bound gives way to the
    // adapter's next.
    bool socketPerAdapter;
};
LanFacts lanFacts();

// The calling thread's own id, for sleepsInWait; 0 where the system does not tell.
long currentTask();
// Until that thread of this process sleeps in a wait, for a few seconds at most; true at once
// where the system does not tell.
bool sleepsInWait(long task);
