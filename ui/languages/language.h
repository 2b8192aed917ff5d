#pragma once
// The game speaks the desktop's language where it has a translation of it.

#include <QString>
#include <QStringList>

namespace tumbaro {

// The translation for the desktop's languages in order of preference (as Qt
// reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG): the first of them the game
// has a translation for, "pt" taking "pt_BR"; empty when an English one, C or
// POSIX comes first, or none is translated. `available` as "de", "pt_BR".
QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& available);

// Installs the translation of the desktop's language, texts and pictures,
// and returns its code; for English does nothing at all, opening no file.
// Call once the application object exists, before any window is built.
QString InstallLanguage();

} // namespace tumbaro
