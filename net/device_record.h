#pragma once
// One board as lanset knows it, or one configuration to send.
#include <cstddef>
#include <cstdint>
#include <string>

struct DeviceRecord {
    char ip[17] = {};
    char subnet[17] = {};
    char gateway[17] = {};
    char id[17] = {};
    uint8_t dhcp = 0;
    uint8_t dhcpGiven = 1;   // a new record sends its DHCP setting
    char mac[16] = {};       // 12 lowercase hex digits: the board's identity (SN)
    char echoText[16] = {};  // sent back unchanged in every configuration request
    char number16[16] = {};  // carried, never sent, never shown
    uint32_t heardOn = 0;    // address of the adapter it first answered on, host order; 0 unknown

    // Each copies the text, cut to the field's width, always terminated.
    void setIp(const char* text);
    void setSubnet(const char* text);
    void setGateway(const char* text);
    void setId(const char* text);
};

// Copies text into a fixed-width field: cut to width - 1 characters, always terminated.
void copyText(char* field, size_t width, const char* text);
template <size_t N>
void copyText(char (&field)[N], const char* text) { copyText(field, N, text); }

// Length of a fixed-width text field that may lack its terminator.
template <size_t N>
size_t fieldLength(const char (&field)[N]) {
    size_t n = 0;
    while (n < N && field[n] != '\0') ++n;
    return n;
}

// A fixed-width text field as a string, whether or not it is terminated.
template <size_t N>
std::string fieldText(const char (&field)[N]) { return std::string(field, fieldLength(field)); }
