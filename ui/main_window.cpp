#include "ui/main_window.h"

#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "ui/configure_dialog.h"
#include "ui/list_export.h"
#include "ui/resource.h"
#include "ui/whole_file.h"
#include "ui/window_texts.h"

namespace {
constexpr int kListTabStop = 70;
constexpr int kLbnSelChange = 1;
constexpr int kLbnDblClk = 2;
const char* const kManyBoardsText =
    "More than 4096 modules have been found.  This indicates that there may be an error.\n"
    "Do you wish to abort the search?";
}  // namespace

MainWindow::MainWindow(DialogView& view, NetSession& session, OpenModal openModal,
                       AdapterSource adapters, WorkerWait workerWait)
    : view_(view),
      session_(session),
      openModal_(std::move(openModal)),
      adapters_(std::move(adapters)),
      workerWait_(std::move(workerWait)) {}

MainWindow::~MainWindow() {
    session_.stop();
    session_.waitForWorker();
}

void MainWindow::opened() {
    session_.devices.initialise();
    if (workerWait_) session_.setWorkerWait(workerWait_);
    view_.setText(IDC_STATUS, "Ready");
    view_.listSetTabStops(IDC_DEVICE_LIST, {kListTabStop});
    view_.enable(IDC_STOP_FIND, false);
    view_.enable(IDC_CONFIGURE, false);
}

void MainWindow::command(int id, int notification, intptr_t /*value*/) {
    switch (id) {
    case IDCANCEL:
        session_.stop();
        view_.close(IDCANCEL);
        // The worker's further events find the window gone; it ends at once.
        session_.waitForWorker();
        break;
    case IDC_STOP_FIND:
        session_.stop();
        break;
    case IDC_DEVICE_LIST:
        if (notification == kLbnSelChange) selectionChanged();
        // A double click is "Configure" for the line clicked: its first click selected it.
        if (notification == kLbnDblClk && view_.isEnabled(IDC_CONFIGURE)) configure();
        break;
    case IDC_FIND:
        find();
        break;
    case IDC_CONFIGURE:
        configure();
        break;
    case IDC_AUTO_CONFIGURE:
        autoConfigure();
        break;
    case IDM_LIST_COPY:
        copyList();
        break;
    case IDM_LIST_SAVE:
        saveList();
        break;
    default:
        break;
    }
}

bool MainWindow::contextMenu(int id) {
    if (id != IDC_DEVICE_LIST) return false;
    const bool listed = view_.listCount(IDC_DEVICE_LIST) > 0;
    const int chosen = view_.popupMenu({{IDM_LIST_COPY, "Copy", "Ctrl+C", listed},
                                        {IDM_LIST_SAVE, "Save List As...", "Ctrl+S", listed}});
    if (chosen == IDM_LIST_COPY || chosen == IDM_LIST_SAVE) command(chosen, 0, 0);
    return true;
}

bool MainWindow::event(SessionEvent code, int32_t value) {
    switch (code) {
    case EVT_FOUND:
        if (const DeviceRecord* board = session_.devices.at(value)) {
            view_.listAdd(IDC_DEVICE_LIST, listLine(*board));
        }
        view_.setText(IDC_STATUS, "Found Device");
        return true;
    case EVT_BROADCAST:
        view_.setText(IDC_STATUS, "Broadcast " + std::to_string(value));
        return true;
    case EVT_COMPLETE:
        findFinished(value);
        return true;
    case EVT_TOO_MANY:
        return askManyBoards();
    default:
        return true;
    }
}

void MainWindow::find() {
    // Ignored while a worker runs; the worker's events are handled only after this returns.
    if (!session_.startFreshFind(forwardEvents(view_), [this] { view_.listReset(IDC_DEVICE_LIST); }))
        return;
    view_.enable(IDC_FIND, false);
    view_.enable(IDC_CONFIGURE, false);
    view_.enable(IDC_STOP_FIND, true);
}

// The final event's own value says how the network did: a late event of an earlier find reads
// its own, never the flags of the find that runs now.
void MainWindow::findFinished(int32_t finalValue) {
    const int32_t count = session_.devices.count();
    // A port that never opened found nothing, not zero boards; a find whose datagrams could not
    // leave still lists what answered, but says why the rest did not.
    view_.setText(IDC_STATUS, finalValue & kEndOpenFailed ? "Ready" : finishedText(count));
    if (const std::string failure = networkFailureText(finalValue); !failure.empty())
        view_.messageBox(failure, "Error", MessageButtons::Ok);
    if (count == 0) view_.enable(IDC_CONFIGURE, false);
    view_.enable(IDC_STOP_FIND, false);
    view_.enable(IDC_FIND, true);
}

// True: go on searching. A window already gone never gets here: its view answers false, and
// the search stops.
bool MainWindow::askManyBoards() {
    return view_.messageBox(kManyBoardsText, "Warning", MessageButtons::YesNo) != MessageAnswer::Yes;
}

void MainWindow::selectionChanged() {
    if (view_.listCurSel(IDC_DEVICE_LIST) >= 0) view_.enable(IDC_CONFIGURE, true);
    if (view_.listSelCount(IDC_DEVICE_LIST) > 1) view_.enable(IDC_CONFIGURE, false);
}

void MainWindow::configure() {
    const int index = view_.listCurSel(IDC_DEVICE_LIST);
    // No line, or a line that names no board (the list was emptied by an auto-configure find
    // that was cancelled): there is nothing to configure.
    if (index < 0 || index >= view_.listCount(IDC_DEVICE_LIST) ||
        session_.devices.at(index) == nullptr || !openModal_) {
        return;
    }
    session_.stop();
    const int result = openModal_(IDD_CONFIGURE, [this, index](DialogView& view) {
        return std::make_unique<ConfigureDialog>(view, session_, index);
    });
    if (result == 0) return;
    rewriteLine(index);
    view_.setText(IDC_STATUS, "Device Configured");
    view_.enable(IDC_CONFIGURE, false);
    view_.listClearSelection(IDC_DEVICE_LIST);
}

void MainWindow::autoConfigure() {
    if (!openModal_) return;
    const std::vector<int> lines = view_.listSelItems(IDC_DEVICE_LIST, NetSession::kMaxSelection);
    std::vector<int32_t> chosen(lines.begin(), lines.end());
    session_.stop();
    std::vector<int32_t> configured;
    // The number of boards of the pass that completed, 0 when none did.
    const int result = openModal_(IDD_AUTOCONFIGURE, [&](DialogView& view) {
        BoardListHooks hooks{[this] { view_.listReset(IDC_DEVICE_LIST); },
                             [&configured](int32_t index) { configured.push_back(index); }};
        return std::make_unique<AutoConfigureDialog>(view, session_, autoTemplate_, adapters_,
                                                     std::move(chosen), std::move(hooks));
    });
    if (result == 0) {
        // Boards configured before an Abort have new settings too: their lines show them. A
        // list emptied by the dialog's own find stays empty.
        for (int32_t index : configured)
            if (index < view_.listCount(IDC_DEVICE_LIST)) rewriteLine(index);
        // A rewritten line is no longer selected: "Configure" follows what is left.
        if (!configured.empty()) selectionChanged();
        return;
    }
    const int32_t boards = session_.devices.count();
    for (int32_t i = 0; i < boards; ++i) rewriteLine(i);
    // Line i shows board i: nothing may stay below the last board.
    while (view_.listCount(IDC_DEVICE_LIST) > boards) {
        view_.listDelete(IDC_DEVICE_LIST, view_.listCount(IDC_DEVICE_LIST) - 1);
    }
    view_.setText(IDC_STATUS, result > 1 ? "Devices Configured" : "Device Configured");
    view_.enable(IDC_CONFIGURE, false);
    view_.listClearSelection(IDC_DEVICE_LIST);
}

void MainWindow::rewriteLine(int index) {
    const DeviceRecord* board = session_.devices.at(index);
    if (board == nullptr) return;
    if (index < view_.listCount(IDC_DEVICE_LIST)) {
        view_.listDelete(IDC_DEVICE_LIST, index);
        view_.listInsert(IDC_DEVICE_LIST, index, listLine(*board));
    } else {
        view_.listAdd(IDC_DEVICE_LIST, listLine(*board));
    }
}

std::vector<const DeviceRecord*> MainWindow::listedBoards(bool selectedOnly) {
    const int lines = view_.listCount(IDC_DEVICE_LIST);
    std::vector<int> chosen;
    if (selectedOnly) chosen = view_.listSelItems(IDC_DEVICE_LIST, lines);
    if (chosen.empty()) {
        for (int i = 0; i < lines; ++i) chosen.push_back(i);
    }
    std::vector<const DeviceRecord*> boards;
    for (int line : chosen)
        if (const DeviceRecord* board = session_.devices.at(line)) boards.push_back(board);
    return boards;
}

ByteReading MainWindow::shownReading() {
    return [this](const std::string& bytes) { return view_.shownText(bytes); };
}

void MainWindow::copyList() {
    if (view_.listCount(IDC_DEVICE_LIST) == 0) return;
    if (!view_.setClipboardText(boardsTabText(listedBoards(true), shownReading())))
        view_.messageBox(kCopyFailedText, "Error", MessageButtons::Ok);
}

void MainWindow::saveList() {
    if (view_.listCount(IDC_DEVICE_LIST) == 0) return;
    const auto name = view_.askSaveFileName({"Save List As", "boards.csv", "CSV files", "csv"});
    if (!name) return;
    // The lines listed by now: a find may have added some while the dialog was open. The file is
    // lanset-cli's, whose IDs read as Latin-1 whatever the list's code page shows.
    SaveLeftovers left;
    const SaveResult result = saveWholeFile(*name, boardsCsv(listedBoards(false)), &left);
    if (const std::string failure = saveFailedText(result, left); !failure.empty())
        view_.messageBox(failure, result == SaveResult::SavedOldKept ? "Warning" : "Error", MessageButtons::Ok);
}
