// Bad pictures are errors for the error display, never a crash or an exit.

#include "engine/game_error.h"
#include "ui/pictures/jpeg_loader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tumbaro::testing {
namespace {

QByteArray Background()
{
    QFile file(TUMBARO_ASSET_DIR "/runtime/b2.jpg");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

std::string DecodeError(const QByteArray& bytes)
{
    try {
        DecodeJpeg(bytes, "b2.jpg");
    } catch (const GameError& e) {
        return e.what();
    }
    return "no error";
}

TEST(JpegLoader, DecodesAWholePicture)
{
    const QImage image = DecodeJpeg(Background(), "b2.jpg");
    EXPECT_EQ(image.size(), QSize(800, 600));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
}

TEST(JpegLoader, TruncatedPictureIsAnError)
{
    const QByteArray whole = Background();
    // Cut in the header, in the middle of the data, and just before the end
    // marker (where libjpeg would only warn and pad the rest with grey).
    for (qsizetype keep : {qsizetype(0), qsizetype(2), qsizetype(20), whole.size() / 2, whole.size() - 2}) {
        const std::string error = DecodeError(whole.left(keep));
        EXPECT_EQ(error.rfind("Cannot read picture b2.jpg: ", 0), 0u) << keep << ": " << error;
    }
}

TEST(JpegLoader, GarbageIsAnError)
{
    QByteArray noise(4000, '\0');
    quint32 x = 12345;
    for (char& c : noise) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    QByteArray damaged = Background();
    for (qsizetype i = damaged.size() / 3; i < damaged.size() / 3 + 64; ++i)
        damaged[i] = static_cast<char>(0xFF);
    const QByteArray cases[] = {
        noise,
        QByteArray("\xFF\xD8") + noise,        // a JPEG start followed by nonsense
        QByteArray("\x89PNG\r\n\x1A\n", 8) + noise,
        damaged,                                // markers smashed into the scan data
    };
    for (const QByteArray& bytes : cases)
        EXPECT_EQ(DecodeError(bytes).rfind("Cannot read picture b2.jpg: ", 0), 0u) << DecodeError(bytes);
}

TEST(JpegLoader, MissingFileNamesTheFileAsGiven)
{
    QTemporaryDir empty;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(empty.path()));
    try {
        LoadJpegFile("b2.jpg");
        ADD_FAILURE() << "no error";
    } catch (const GameError& e) {
        EXPECT_STREQ(e.what(), "Cannot open file b2.jpg");
    }
    QDir::setCurrent(previous);
    // A folder is not a readable picture either.
    EXPECT_THROW(LoadJpegFile(empty.path()), GameError);
}

TEST(JpegLoader, LoadsTheBackgroundFiles)
{
    for (const char* name : {"b1.jpg", "b2.jpg", "b3.jpg"})
        EXPECT_EQ(LoadJpegFile(QString(TUMBARO_ASSET_DIR "/runtime/") + name).size(), QSize(800, 600)) << name;
}

} // namespace
} // namespace tumbaro::testing
