#pragma once
// The game's error messages in the player's language. The messages are made
// in English where the error happens, often far from Qt; here each is
// matched against the forms it can take and put into the translation, with
// the file name or value it names kept as it was.

#include <QString>

namespace tumbaro {

// `message` in the installed translation; unchanged when there is none or
// the message is of no known form.
QString TranslatedError(const QString& message);

} // namespace tumbaro
