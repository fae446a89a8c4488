#include "tests/net/support/event_log.h"

#include <algorithm>

EventSink EventLog::sink() {
    return [this](int32_t code, int32_t value) {
        std::function<void(int32_t, int32_t)> onEvent;
        bool answer = true;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            events_.push_back(Event{code, value});
            onEvent = onEvent_;
            answer = tooManyAnswer_;
        }
        if (onEvent) onEvent(code, value);
        return code == EVT_TOO_MANY ? answer : true;
    };
}

void EventLog::setTooManyAnswer(bool goOn) {
    std::lock_guard<std::mutex> lock(mutex_);
    tooManyAnswer_ = goOn;
}

void EventLog::setOnEvent(std::function<void(int32_t, int32_t)> onEvent) {
    std::lock_guard<std::mutex> lock(mutex_);
    onEvent_ = std::move(onEvent);
}

std::vector<Event> EventLog::events() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
}

std::vector<int32_t> EventLog::valuesOf(int32_t code) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<int32_t> out;
    for (const auto& e : events_) {
        if (e.code == code) out.push_back(e.value);
    }
    return out;
}

int EventLog::countOf(int32_t code) const { return static_cast<int>(valuesOf(code).size()); }

std::vector<Event> EventLog::withoutFound() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Event> out;
    for (const auto& e : events_) {
        if (e.code != EVT_FOUND) out.push_back(e);
    }
    return out;
}

void EventLog::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.clear();
}

ScriptedQuestion::ScriptedQuestion(std::vector<QuestionAnswer> answers)
    : answers_(std::move(answers)) {}

NotFoundQuestion ScriptedQuestion::question() {
    return [this](const std::string& message, bool batch) {
        std::function<void(int)> onAsk;
        int index = 0;
        QuestionAnswer answer = QuestionAnswer::Unavailable;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            messages_.push_back(message);
            batch_.push_back(batch);
            index = static_cast<int>(messages_.size()) - 1;
            if (!answers_.empty()) {
                answer = answers_[std::min(static_cast<size_t>(index), answers_.size() - 1)];
            }
            onAsk = onAsk_;
        }
        if (onAsk) onAsk(index);
        return answer;
    };
}

void ScriptedQuestion::setAnswers(std::vector<QuestionAnswer> answers) {
    std::lock_guard<std::mutex> lock(mutex_);
    answers_ = std::move(answers);
}

void ScriptedQuestion::setOnAsk(std::function<void(int)> onAsk) {
    std::lock_guard<std::mutex> lock(mutex_);
    onAsk_ = std::move(onAsk);
}

std::vector<std::string> ScriptedQuestion::messages() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
}

std::vector<bool> ScriptedQuestion::batchFlags() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return batch_;
}

int ScriptedQuestion::asked() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(messages_.size());
}

std::string eventsText(const std::vector<Event>& events) {
    std::string text;
    for (const auto& e : events) {
        if (!text.empty()) text += ' ';
        text += std::to_string(e.code) + ":" + std::to_string(e.value);
    }
    return text;
}
