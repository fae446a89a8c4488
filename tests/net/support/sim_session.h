#pragma once
// A NetSession wired to a simulated LAN, with its device list ready as the main window leaves it.
#include <memory>

#include "net/net_session.h"
#include "tests/net/support/event_log.h"
#include "tests/net/support/sim_channel.h"

class SimLanSession {
public:
    SimLanSession() : SimLanSession(std::make_unique<SimChannel>()) {}

    SimChannel& lan;       // owned by session
    NetSession session;

private:
    explicit SimLanSession(std::unique_ptr<SimChannel> channel)
        : lan(*channel), session(std::move(channel)) {
        session.devices.initialise();
    }
};
