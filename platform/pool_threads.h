#pragma once
// The end of a program that painted: Qt draws large pictures with the help of
// a pool of threads, which the application object stops as it goes. A stopped
// pool thread is detached and still winds down on its own for a moment, and a
// program that exits in that moment leaves the thread's own bookkeeping
// unreleased (a leak checker reports it as ours to free).

namespace tumbaro {

// Waits until no pool thread of this process is left, for at most two
// seconds. Call it after the application object is gone, just before main
// returns.
void AwaitPoolThreadsGone();

} // namespace tumbaro
