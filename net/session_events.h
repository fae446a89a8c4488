#pragma once
// What an operation reports to the window (or tool) that started it.
#include <cstdint>
#include <functional>
#include <string>

#include "net/device_record.h"

enum SessionEvent : int32_t {
    EVT_FOUND = 200,
    EVT_BROADCAST = 201,
    EVT_COMPLETE = 202,
    EVT_CANCELLED = 203,
    EVT_CONFIG_BROADCAST = 204,
    EVT_CONFIGURED = 205,
    EVT_BATCH_COMPLETE = 206,
    EVT_BATCH_CANCELLED = 207,
    EVT_TOO_MANY = 208,
    EVT_ROUND_SENT = 209,       // a round's requests are out; value: how many went out
    EVT_ROUND_COMPLETE = 210,   // a round's final event
    EVT_CYCLE_END = 211,        // a watch's cycle is over; value: its number
};

// The value of an operation's final event (EVT_COMPLETE, EVT_CANCELLED, EVT_BATCH_COMPLETE,
// EVT_BATCH_CANCELLED, EVT_ROUND_COMPLETE): what kept it from its work; 0 when nothing did.
enum OperationEnd : int32_t {
    kEndOpenFailed = 1,   // the board port could not be opened
    kEndSendFailed = 2,   // the port was open, but not one datagram could be sent
};

// Called on the worker thread; only the answer to EVT_TOO_MANY is read (true: go on searching).
using EventSink = std::function<bool(int32_t code, int32_t value)>;

// The user's answer to "Could not find this device". Unavailable: the question could not be
// shown (its owner is gone); it counts as Cancel for one board and Ignore in a batch.
enum class QuestionAnswer { Retry, Cancel, Abort, Ignore, Unavailable };

// Asked on the worker thread. batch false: Retry or Cancel; batch true: Abort, Retry or Ignore.
using NotFoundQuestion = std::function<QuestionAnswer(const std::string& message, bool batch)>;

// Called repeatedly on the starting thread while a previous worker is still finishing; a window
// handles the messages that worker sends it, a tool may simply yield.
using WorkerWait = std::function<void()>;

// "Could not find this device: ..." for the board as it was found.
std::string notFoundMessage(const DeviceRecord& board);
