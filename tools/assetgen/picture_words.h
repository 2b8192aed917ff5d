#pragma once
// The words drawn into the window's pictures, in English and in every
// language with a translation file: the high-score heading, the caption over
// the scheme buttons, and the new game and undo tiles.

#include <QString>
#include <map>

namespace tumbaro::assetgen {

struct PictureWords {
    QString heading;
    QString scheme;
    QString newGame;
    QString undo;
};

// The words of the English pictures, as they have always been drawn.
PictureWords EnglishWords();

// Language code ("de", "pt_BR") to its words, read from the "Pictures"
// context of every tumbaro_<code>.ts in `folder`. A word left untranslated
// keeps its English spelling. Throws when a file cannot be read.
std::map<QString, PictureWords> TranslatedWords(const QString& folder);

} // namespace tumbaro::assetgen
