#pragma once
// Whether a sound server may answer, told from every place the server's
// client library looks for one (its variables, the runtime and system
// sockets, its configuration files and the X display's root window) without
// loading that library: on a desktop with no sound server the game never
// pays the 1.6 MB it and what it links cost. Where it can't be told, the
// answer is yes.

namespace tumbaro {

bool SoundServerMayAnswer();

} // namespace tumbaro
