#pragma once
// The question an operation asks, from its worker thread, when a board does not acknowledge.
#include "view/dialog_view.h"
#include "net/session_events.h"

// The answer of a message box as the operation understands it; None (the box could not be
// shown because its owner is gone) and any unexpected answer are Unavailable.
QuestionAnswer toQuestionAnswer(MessageAnswer answer);

// Asks in a message box owned by owner, caption "Error", buttons Retry/Cancel for one board and
// Abort/Retry/Ignore in a batch. owner must outlive the operation (the dialogs wait for their
// worker before they go).
NotFoundQuestion notFoundQuestionFor(DialogView& owner);
