#pragma once
// The pictures with words come once per language: the English ones under
// their plain names, a translation's under ":/languages/<code>/". A picture
// the language has no drawing of stays the English one.

#include <QString>

namespace tumbaro {

// The language whose pictures the window shows from now on; empty for
// English. Its pictures must be registered as resources already.
void SetPictureLanguage(const QString& code);
const QString& PictureLanguage();

// The language's drawing of the resource picture `path` (":/controls/...",
// ":/lists/..."), or `path` itself where it has none.
QString InPictureLanguage(const QString& path);

} // namespace tumbaro
