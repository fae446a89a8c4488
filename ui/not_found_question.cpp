#include "ui/not_found_question.h"

QuestionAnswer toQuestionAnswer(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Retry: return QuestionAnswer::Retry;
    case MessageAnswer::Cancel: return QuestionAnswer::Cancel;
    case MessageAnswer::Abort: return QuestionAnswer::Abort;
    case MessageAnswer::Ignore: return QuestionAnswer::Ignore;
    default: return QuestionAnswer::Unavailable;
    }
}

NotFoundQuestion notFoundQuestionFor(DialogView& owner) {
    return [&owner](const std::string& message, bool batch) {
        // The message holds the board's ID as its bytes: shown as the list shows them.
        return toQuestionAnswer(owner.messageBox(owner.shownText(message), "Error",
                                                 batch ? MessageButtons::AbortRetryIgnore
                                                       : MessageButtons::RetryCancel));
    };
}
