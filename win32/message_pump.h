#pragma once
// The one place window messages are taken from the queue: the program's main
// loop and the run's yield both come here, so the menu keys, Tab and the
// access keys work the same in both.

#include <windows.h>

namespace win32 {

// The menu keys of a window: they act while it or one of its controls has the
// focus. One window at a time; null handles remove it.
void setAcceleratorTarget(HWND window, HACCEL accelerators);

// Handles the messages waiting now, without waiting for more. A quit request
// read here is put back for the main loop. Returns false once it has been
// read, so that a caller stops yielding.
bool processPendingMessages();

// A modal window's loop: handles messages, waiting for each, until done is
// true. A quit request ends it early and is put back for the main loop.
void runModalLoop(const bool& done);

// The main loop: runs until the quit request and returns its exit code.
// Raises Internal error (51) when the system cannot deliver messages.
int runMessageLoop();

}  // namespace win32
