#pragma once
// What other threads hand to the window thread (the one that runs the QApplication) and wait
// for, as Win32's SendMessage does: one queue of the process, handled by the window thread's
// event loop, by its waits (waitWhile, a worker's wait hook) and by its nested loops (a message
// box) alike, so a worker is never held up by a window thread that waits for it.
#include <cstddef>
#include <functional>

namespace sent {

// Runs task on the window thread and returns its result once it has run. On the window thread
// the task runs at once. False, with the task not run, once target has been dropped or when
// there is no window thread.
bool send(const void* target, std::function<bool()> task);

// Window thread: runs the tasks queued by now, waiting up to waitMs for one while none is
// queued. Returns how many ran.
size_t pump(int waitMs = 0);

// Window thread: target's queued tasks are not run; their senders get false.
void drop(const void* target);

bool onWindowThread();

// Tasks queued and not yet taken by the window thread.
size_t pending();

}  // namespace sent
