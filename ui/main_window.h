#pragma once
// lanset's main window: the board list, Find / Stop Find, and the two configuration dialogs.
// Toolkit-neutral: it acts only on its DialogView and the NetSession.
#include <cstdint>
#include <vector>

#include "view/dialog_view.h"
#include "net/device_record.h"
#include "net/net_session.h"
#include "ui/auto_configure_dialog.h"
#include "ui/list_export.h"
#include "view/window_logic.h"

class MainWindow : public WindowLogic {
public:
    // openModal runs dialogs IDD_CONFIGURE / IDD_AUTOCONFIGURE; adapters proposes the
    // auto-configure addresses; workerWait is what the window thread does while it waits for a
    // finishing worker: it must handle the commands that worker sends (sent messages) and leave
    // posted ones (a WM_QUIT after Exit) alone. opened() installs it on the session. All three are
    // kept for the window's life.
    MainWindow(DialogView& view, NetSession& session, OpenModal openModal, AdapterSource adapters,
               WorkerWait workerWait);
    // Stops a running operation and waits for it, so its sink never outlives the window.
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // WM_INITDIALOG. The platform sets the version title itself (buildVersionTitle) first.
    void opened() override;
    // WM_COMMAND: id = low word, notification = high word, value = lParam. IDCANCEL (also the
    // title bar's close box) is Exit: it stops the running operation, closes the view with
    // IDCANCEL and waits for the worker, so the session is never destroyed under it. A double
    // click on the board list (LBN_DBLCLK) is "Configure" for that line.
    void command(int id, int notification, intptr_t value) override;
    // The find's events: EVT_FOUND, EVT_BROADCAST, EVT_COMPLETE, and EVT_TOO_MANY, whose answer
    // is the user's (true: go on searching).
    bool event(SessionEvent code, int32_t value) override;

    // The board list's context menu: "Copy" and "Save List As...", usable once a line is
    // listed, also during a find. Other places have no menu of the window's.
    bool contextMenu(int id) override;

    // The auto-configure template; it keeps its last values for the window's (program's) life.
    DeviceRecord& autoTemplate() { return autoTemplate_; }

private:
    void find();
    void findFinished(int32_t finalValue);
    bool askManyBoards();
    void selectionChanged();
    void configure();
    void autoConfigure();
    void rewriteLine(int index);
    // The boards of the lines listed so far (line i shows board i): the selected ones, or all
    // when asked for all or when none is selected.
    std::vector<const DeviceRecord*> listedBoards(bool selectedOnly);
    // The fields read as the list shows them (Copy: what is pasted is what was seen).
    ByteReading shownReading();
    void copyList();
    void saveList();

    DialogView& view_;
    NetSession& session_;
    OpenModal openModal_;
    AdapterSource adapters_;
    WorkerWait workerWait_;
    DeviceRecord autoTemplate_;
};
