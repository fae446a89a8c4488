#pragma once
// The seam between a window's logic and the platform that runs it as a modal dialog.
#include <cstdint>
#include <functional>
#include <memory>

#include "common/dialog_view.h"

// The logic of a modal dialog, as its platform view drives it: onOpen once the window and its
// controls exist (WM_INITDIALOG), onCommand for every command (WM_COMMAND: low word, high
// word, lParam), including the events its sinks send through DialogView::sendCommand.
class ModalLogic {
public:
    virtual ~ModalLogic() = default;
    virtual void onOpen() = 0;
    virtual void onCommand(int id, int notification, intptr_t value) = 0;
};

// Builds a dialog's logic over the view that the platform made for it.
using ModalFactory = std::function<std::unique_ptr<ModalLogic>(DialogView& view)>;

// Supplied by the platform: creates the dialog of template templateId (IDD_...) modally, owned
// by the calling window; calls make with the dialog's view, then onOpen; routes the dialog's
// commands to onCommand until the logic closes the view; destroys the logic (before the view)
// and returns the result the logic passed to close().
using OpenModal = std::function<int(int templateId, const ModalFactory& make)>;
