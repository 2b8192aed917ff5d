#pragma once
// Writes every generated file of the game into an asset folder, laid out as
// the game's resources and run-time folder expect it.

#include <QString>

namespace tumbaro::assetgen {

// Throws std::runtime_error on the first file that can't be written.
void WriteAssetTree(const QString& root);

} // namespace tumbaro::assetgen
