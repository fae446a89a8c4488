    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
#    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
p    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
W    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
'    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
y    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
y    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
.    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
T    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
W    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
3    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
2    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
p    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
p    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
k    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
.    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
#    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
<    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
>    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
#    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
<    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
>    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
#    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
<    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
>    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
#    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
<    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
>    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
#    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
<    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
>    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
M    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
B    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
{    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
O    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
k    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
Y    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
N    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
R    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
y    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
C    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
A    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
R    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
y    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
I    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
}    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
M    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
A    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
{    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
N    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
O    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
k    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
Y    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
N    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
R    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
y    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
C    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
A    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
I    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
}    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
D    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
V    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
{    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
p    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
~    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
D    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
V    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
T    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
&    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
T    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
&    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
T    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
z    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
_    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
C    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
E    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
k    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
C    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
k    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
k    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
R    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
I    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
I    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
k    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
I    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
L    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
.    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
R    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
A    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
&    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
I    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
&    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
D    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
C    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
C    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
S    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
-    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
1    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
S    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
C    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
S    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
-    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
-    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
1    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
S    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
C    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
p    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
-    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
<    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
>    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
S    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
I    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
C    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
S    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
S    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
T    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
S    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
p    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
<    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
>    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
&    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
p    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
A    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
y    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
.    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
C    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
y    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
N    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
.    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
M    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
A    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
B    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
&    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
x    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
&    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
p    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
M    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
B    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
E    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
'    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
q    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
.    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
R    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
,    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
k    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
p    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
.    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
W    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
<    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
>    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
&    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
F    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
m    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
k    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
.    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
/    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
W    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
w    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
g    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
.    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
b    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
s    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
:    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
f    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
u    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
c    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
t    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
<    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
v    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
o    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
i    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
(    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
>    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
&    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
h    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
a    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
n    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
d    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
l    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
e    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
r    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
)    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
=    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
     // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
0    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
}    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
;    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;

    // From a worker thread: hands the command (an event code used as command identifier, and
    // its value) to the window's logic on the window thread, as a WM_COMMAND would, and returns
    // once it has been handled. False when the window is gone (nothing is handled then).
    virtual bool sendCommand(int id, intptr_t value) = 0;
