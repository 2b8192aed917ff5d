// Background pictures are files in the game's folder that the player can
// replace with anything. Decoding must give a picture or the game's own
// error; never a crash, a read out of bounds or the end of the program.

#include "engine/game_error.h"
#include "fuzz/fuzz_check.h"
#include "ui/pictures/jpeg_loader.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tumbaro;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QImage image = DecodeJpeg(bytes, QStringLiteral("fuzz.jpg"));
        FuzzCheck(!image.isNull() && image.format() == QImage::Format_RGB888, "a decoded picture is RGB888");
    } catch (const GameError&) {
    }
    return 0;
}
