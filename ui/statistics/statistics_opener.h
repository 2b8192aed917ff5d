#pragma once
// Opens the statistics window, loading its module at the first open. Until
// then the game holds neither the window's code nor Qt Charts.

#include <QString>

class QWidget;

namespace tumbaro {

// Shows the window for the game log at `logPath`, or raises it when it is
// open already; `parent` is the window it belongs to. Returns the window, or
// nullptr when the module cannot be loaded.
QWidget* OpenStatisticsWindow(const QString& logPath, QWidget* parent);

} // namespace tumbaro
