// lanset-qt: lanset's windows on Linux.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "net/net_session.h"
#include "ui/qt/qt_front.h"

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

QtMessageHandler qtHandler = nullptr;

// Qt ends the program with abort() when no platform can be had (a display that does not
// answer): say so and leave with a failure instead of a crash.
void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (qtHandler != nullptr) qtHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "lanset-qt: cannot open a window: %s\n", qPrintable(message));
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before any display is needed; every other argument is Qt's.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("usage: lanset-qt [--help | --version] [Qt options]\n"
                        "lanset's windows: find the boards on the local network (UDP port 21210) and set\n"
                        "their ID, IP address, subnet mask, gateway and DHCP setting, one board or a batch.\n"
                        "Needs a display; lanset-cli does the same from a terminal or a script.\n");
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("lanset-qt %s\n", LANSET_QT_VERSION);
            return 0;
        }
    }
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        std::fprintf(stderr,
                     "lanset-qt: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                     "lanset-cli works without one\n");
        return 1;
    }
    qtHandler = qInstallMessageHandler(onQtMessage);
    QApplication app(argc, argv);
    // The main window's logic says when the program ends (Exit), not the last window shown.
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("lanset"));

    // Outlives the window: its logic stops and waits for a running operation as it goes.
    NetSession session;
    std::unique_ptr<QtModelessDialog> mainWindow = openLansetMainWindow(session, firstAdapterAddresses);
    if (!mainWindow) {
        std::fprintf(stderr, "lanset-qt: cannot open the main window\n");
        return 1;
    }
    mainWindow->window().show();
    const int code = QApplication::exec();
    mainWindow.reset();
    return code;
}
