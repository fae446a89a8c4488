// Feeds arbitrary datagrams to the reply parser and the acknowledgement test, each over a heap
// block exactly as long as the datagram, and arbitrary records to the request builder.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "net/wire.h"

namespace {

void requireTerminated(const char* text, size_t width) {
    if (std::memchr(text, '\0', width) == nullptr) std::abort();
}

void checkReply(const ReplyFields& reply) {
    for (const char* text : {reply.ip, reply.mac, reply.gateway, reply.id, reply.echoText,
                             reply.subnet, reply.number16})
        requireTerminated(text, 32);
    if (reply.dhcp > 1) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<uint8_t[]> datagram(new uint8_t[size]);
    if (size > 0) std::memcpy(datagram.get(), data, size);

    ReplyFields reply{};
    if (parseReply(datagram.get(), size, reply)) {
        checkReply(reply);
        const size_t stated = data[0] != 0 ? data[0] : data[1];
        if (stated <= kHeaderSize || stated > size) std::abort();
    }
    (void)isConfigureAck(datagram.get(), size);

    // The same bytes as a raw record, terminators or not: the request stays within its limit.
    if (size >= sizeof(DeviceRecord)) {
        DeviceRecord record;
        std::memcpy(static_cast<void*>(&record), data, sizeof record);
        uint8_t buffer[kMaxConfigureRequest];
        const size_t length = buildConfigureRequest(record, buffer, sizeof buffer);
        if (length < kHeaderSize + 10 || length > kMaxConfigureRequest) std::abort();
        if (size_t{buffer[0]} << 8 != (length & 0xFF00) || size_t{buffer[1]} != (length & 0xFF)) std::abort();
    }
    return 0;
}
