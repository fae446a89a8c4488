#pragma once
// The bare loops' own socket work, beside lanset's engine for scale: the board port bound as an
// ordinary socket, a datagram out of every interface that can broadcast, and receiving in
// batches until a quiet time passes. No engine, no list.
#include <cstddef>
#include <cstdint>
#include <functional>

double cpuSeconds();
// The 48-bit hardware address of a board's reply (tag 1), or -1 when it carries none.
int64_t replyMac(const uint8_t* data, size_t received);
// The board port, broadcast allowed, the receive buffer as large as an unprivileged socket may
// have it; -1 (said on stderr, as who) when it cannot be had. rcvbuf receives SO_RCVBUF.
int openBoardPort(const char* who, int& rcvbuf);
// The datagram out of each IPv4 interface that can broadcast, by its index: no route needed.
// Returns the interfaces it left by.
int broadcastOut(int fd, const uint8_t* data, size_t length, const char* who);
// Takes datagrams until quietMs pass without one that take() calls an answer (true), or
// ceilingMs in all, or until take() sets done. Returns the datagrams received.
uint64_t receiveUntilQuiet(int fd, int quietMs, int ceilingMs,
                           const std::function<bool(const uint8_t* data, size_t length, bool& done)>& take);
