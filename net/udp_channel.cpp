#include "net/udp_channel.h"

void UdpChannel::dropWaiting() {
    const uint8_t* data = nullptr;
    size_t size = 0;
    for (int n = 0; n < kMaxDropped; ++n) {
        const ReceiveResult r = receive(0, data, size);
        if (r == ReceiveResult::Timeout || r == ReceiveResult::Closed) return;
    }
}

void UdpChannel::limitAdapters(std::vector<std::string> only) {
    std::lock_guard<std::mutex> lock(settingsLock_);
    chosen_ = std::move(only);
}

UdpChannel::ReceiveBuffer UdpChannel::receiveBuffer() const {
    std::lock_guard<std::mutex> lock(settingsLock_);
    return buffer_;
}

std::vector<std::string> UdpChannel::chosenAdapters() const {
    std::lock_guard<std::mutex> lock(settingsLock_);
    return chosen_;
}

void UdpChannel::recordReceiveBuffer(ReceiveBuffer buffer) {
    std::lock_guard<std::mutex> lock(settingsLock_);
    buffer_ = buffer;
}

void UdpChannel::readInterfacesWith(std::function<std::vector<InterfaceAddress>()> source) {
    std::lock_guard<std::mutex> lock(settingsLock_);
    interfaceSource_ = std::move(source);
}

std::vector<InterfaceAddress> UdpChannel::interfaces() const {
    std::function<std::vector<InterfaceAddress>()> source;
    {
        std::lock_guard<std::mutex> lock(settingsLock_);
        source = interfaceSource_;
    }
    return source ? source() : systemInterfaces();
}
