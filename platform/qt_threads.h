#pragma once
// The end of a Qt program. Qt runs some work on threads of its own: a pool
// that helps paint large pictures, a thread that reads the X server's
// events, and a thread that carries every D-Bus connection (the screen
// reader's bridge opens one at start). Qt stops each as its owner goes: the
// pool and the X reader with the application object, the D-Bus thread only
// among the library's own exit handlers, after main has returned. Qt's wait
// for a stopped thread returns before the thread has wound down, and the
// thread drops its last hold on its own bookkeeping a moment later; a
// program that ends in that moment leaves the bookkeeping unreleased, which
// a leak checker reports as ours to free.

namespace tumbaro {

// Makes the program, as it exits, wait until Qt's threads named above are
// gone, for at most two seconds; the wait runs after every exit handler
// registered later, the D-Bus thread's among them. Call it first in main,
// before any Qt object exists.
void AwaitQtThreadsAtExit();

} // namespace tumbaro
