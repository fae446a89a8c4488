#include "net/device_record.h"

#include <cstring>

void copyText(char* field, size_t width, const char* text) {
    if (field == nullptr || width == 0) return;
    size_t n = 0;
    if (text != nullptr) {
        while (n + 1 < width && text[n] != '\0') ++n;
        std::memmove(field, text, n);
    }
    field[n] = '\0';
}

void DeviceRecord::setIp(const char* text) { copyText(ip, text); }
void DeviceRecord::setSubnet(const char* text) { copyText(subnet, text); }
void DeviceRecord::setGateway(const char* text) { copyText(gateway, text); }
void DeviceRecord::setId(const char* text) { copyText(id, text); }
