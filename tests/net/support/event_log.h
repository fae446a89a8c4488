#pragma once
// Records what an operation reports, for tests. Thread-safe: the sink runs on the worker.
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "net/session_events.h"

struct Event {
    int32_t code;
    int32_t value;
    bool operator==(const Event&) const = default;
};

class EventLog {
public:
    // The sink to hand to a start routine. tooManyAnswer is the reply to EVT_TOO_MANY;
    // onEvent, when set, runs inside the sink after the event is recorded.
    EventSink sink();
    void setTooManyAnswer(bool goOn);
    void setOnEvent(std::function<void(int32_t code, int32_t value)> onEvent);

    std::vector<Event> events() const;
    std::vector<int32_t> valuesOf(int32_t code) const;
    int countOf(int32_t code) const;
    // The codes other than EVT_FOUND, in order: the shape of an operation at a glance.
    std::vector<Event> withoutFound() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<Event> events_;
    bool tooManyAnswer_ = true;
    std::function<void(int32_t, int32_t)> onEvent_;
};

// A scripted not-found question: answers in order, then the last answer for ever; records every
// message it was shown. onAsk, when set, runs before the answer is given.
class ScriptedQuestion {
public:
    explicit ScriptedQuestion(std::vector<QuestionAnswer> answers = {QuestionAnswer::Cancel});
    NotFoundQuestion question();
    void setAnswers(std::vector<QuestionAnswer> answers);
    void setOnAsk(std::function<void(int asked)> onAsk);
    std::vector<std::string> messages() const;
    std::vector<bool> batchFlags() const;
    int asked() const;

private:
    mutable std::mutex mutex_;
    std::vector<QuestionAnswer> answers_;
    std::vector<std::string> messages_;
    std::vector<bool> batch_;
    std::function<void(int)> onAsk_;
};

std::string eventsText(const std::vector<Event>& events);
