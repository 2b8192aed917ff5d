#pragma once
// Writes every generated file of the game into an asset folder, laid out as
// the game's resources and run-time folder expect it.

#include <QString>

namespace tumbaro::assetgen {

// `translations` is the folder of the translation files, whose picture words
// are drawn into each language's own set of pictures. Throws
// std::runtime_error on the first file that can't be read or written.
void WriteAssetTree(const QString& root, const QString& translations);

} // namespace tumbaro::assetgen
