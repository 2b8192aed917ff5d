#pragma once
// Whether the desktop asks programs not to animate: GNOME's
// "enable-animations" (org.gnome.desktop.interface), read through the desktop
// portal's Settings interface on the session bus, which GNOME and the other
// portal backends that mirror it answer.

#include <functional>

class QObject;

namespace tumbaro {

// Asks without waiting; `animationsOff` runs, in `context`'s thread, only when
// the desktop answers that animations are off. No session bus, no portal or
// no such setting: nothing runs.
void AskDesktopForMotion(QObject* context, std::function<void()> animationsOff);

} // namespace tumbaro
