#pragma once
// JPEG decoding for the pictures the game carries and the background files it
// opens. A bad or cut-off picture becomes a GameError for the error display;
// it never ends the program the way libjpeg's own error handler would.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tumbaro {

// Decodes JPEG bytes into an RGB888 image. `name` names the picture in the
// error message. Throws GameError("Cannot read picture <name>: <reason>") on
// corrupt, truncated or unsupported data.
QImage DecodeJpeg(const QByteArray& bytes, const QString& name);

// Reads a JPEG file's bytes. Throws GameError("Cannot open file <path>") when
// the file can't be opened or read.
QByteArray ReadJpegFile(const QString& path);

// Reads and decodes a JPEG file. Throws GameError("Cannot open file <path>")
// when the file can't be opened or read, and DecodeJpeg's errors otherwise.
QImage LoadJpegFile(const QString& path);

} // namespace tumbaro
