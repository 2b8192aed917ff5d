// Bad pictures are errors for the error display, never a crash or an exit.

#include "engine/game_error.h"
#include "ui/pictures/jpeg_loader.h"

#include <gmock/gmock.h>

#include <QFile>

namespace tumbaro::testing {
namespace {

using ::testing::StartsWith;
using ::testing::ThrowsMessage;

TEST(JpegLoader, CutOrDamagedDataIsAnError)
{
    QFile file(TUMBARO_ASSET_DIR "/runtime/b2.jpg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    QByteArray damaged = whole;
    damaged.replace(whole.size() / 3, 64, QByteArray(64, '\xFF')); // markers smashed into the scan data
    // Cut in the header, in the middle of the data, and just before the end
    // marker (where libjpeg would only warn and pad the rest with grey).
    const QByteArray cases[] = {whole.left(0), whole.left(20), whole.left(whole.size() / 2),
                                whole.left(whole.size() - 2), damaged};
    for (const QByteArray& bytes : cases)
        EXPECT_THAT([&] { DecodeJpeg(bytes, "b2.jpg"); }, ThrowsMessage<GameError>(StartsWith("Cannot read picture b2.jpg: ")))
            << bytes.size() << " bytes";
}

} // namespace
} // namespace tumbaro::testing
