// Every translation's pictures with words stand in for the English ones:
// the same sizes at both densities, and letters about as large, inside the
// picture's edge, however long the word.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

namespace {

const QStringList WordPictures = {"controls/Image10", "controls/Image14", "controls/Image15", "controls/Image16",
                                  "ImageList2/0",     "ImageList2/1",     "ImageList2/2",     "ImageList2/3"};

// The letters' bounding box: the cut-out headings' coloured pixels, or the
// tiles' dark brown ones on the light blue face.
QRect Ink(const QImage& picture, bool tile)
{
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            const bool letter = tile ? qBlue(c) < 0x80 && qRed(c) > qBlue(c) : c != qRgb(255, 255, 255);
            if (letter)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

TEST(TranslatedPictures, FitTheEnglishPicturesPlaces)
{
    const QDir languages(TUMBARO_ASSET_DIR "/languages");
    const QStringList codes = languages.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(codes.size(), 8);
    for (const QString& code : codes)
        for (const QString& name : WordPictures)
            for (const QString& density : {QString(), QString("@2x")}) {
                const QString file = name + density + ".png";
                const QImage english(TUMBARO_ASSET_DIR "/" + file), translated(languages.filePath(code + "/" + file));
                const std::string what = (code + " " + file).toStdString();
                ASSERT_FALSE(translated.isNull()) << what;
                EXPECT_EQ(translated.size(), english.size()) << what;
                const bool tile = !name.endsWith("Image10") && !name.endsWith("Image14");
                // The tiles against the English tile of the smaller letters, UNDO.
                const QImage reference = tile ? QImage(TUMBARO_ASSET_DIR "/ImageList2/2" + density + ".png") : english;
                const QRect ink = Ink(translated, tile), englishInk = Ink(reference, tile);
                EXPECT_TRUE(translated.rect().adjusted(1, 1, -1, -1).contains(ink)) << what << " reaches the edge";
                EXPECT_GE(ink.height(), englishInk.height() * 0.6) << what << " has letters too small to read";
                EXPECT_GE(ink.width(), englishInk.width() * 0.5) << what << " is too narrow";
            }
}

} // namespace
