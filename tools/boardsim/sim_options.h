#pragma once
// boardsim's command line.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/boardsim/board_codec.h"
#include "tools/boardsim/board_list.h"

namespace sim {

enum class ReplyMode { Broadcast, Unicast };

// A number for some boards ("--ack-delay 1300:1"); without a LIST, for every board.
struct BoardNumber {
    int value = 0;
    BoardList boards;
};

// A moment for some boards ("--appear 2@1.5"), in microseconds after boardsim started.
struct BoardTime {
    BoardList boards;
    int64_t us = 0;
};

struct SimOptions {
    int boards = 4;
    int firstIndex = 0;                // the number board 0 counts as (ID, hardware and IP address)
    Mac firstMac{0x02, 0x5a, 0x00, 0x00, 0x00, 0x01};
    ReplyMode reply = ReplyMode::Broadcast;
    int jitterMs = 0;                  // each reply waits a random 0..jitterMs
    int paceUs = 0;                    // gap between the replies of one burst; 0: no gap
    bool burst = false;                // all replies to one discovery in one sendmmsg run
    bool shuffle = false;              // each discovery answered in a fresh random order
    BoardList noAck;                   // boards that never acknowledge
    std::vector<BoardNumber> ignoreFirst;       // requests a board drops before it hears one
    std::vector<BoardNumber> deafAfterApplyMs;  // after applying, a board hears nothing so long
    std::vector<BoardNumber> ackDelayMs;        // applied at once, acknowledged so much later
    std::vector<BoardTime> appear, leave;       // boards absent before / from then on
    std::vector<int> twins;            // boards that a second device answers for
    bool ackEverything = false;        // a device that acknowledges every request
    bool sharedAddress = false;        // every answer from the namespace's address
    std::string logPath;
    std::string readyPath;             // written once the port is bound
    std::string idPattern = "Sim####"; // '#' run: the board's index, zero-padded
    uint32_t firstIp = 0xC0A80A65;     // 192.168.10.101; boards count up
    uint32_t subnet = 0xFFFFFF00;
    uint32_t gateway = 0xC0A80A01;
    bool dhcp = false;
    std::string echoText = "sim";
    int sendBufferBytes = 16 << 20;
    bool lengthInFirstByte = false;
};

struct SimParse {
    bool ok = false;
    bool help = false;
    SimOptions options;
    std::string error;
};

SimParse parseSimOptions(const std::vector<std::string>& args);
std::string simUsage();

// The boards as they start: consecutive hardware and IP addresses, IDs from the pattern.
std::vector<BoardState> initialBoards(const SimOptions& options);
// The ID of board index under pattern: the first '#' run takes the index, zero-padded to the
// run's width (wider numbers are written whole), cut to 16 characters.
std::string initialId(const std::string& pattern, int index);

}  // namespace sim
