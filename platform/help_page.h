#pragma once
// Opening the game's help page, "Help/Vendrask.html" of the working folder or
// the page in the player's language beside it, in the desktop's default
// browser. Returns at once and never reports a failure.

namespace tumbaro {

void OpenHelpPage();

} // namespace tumbaro
