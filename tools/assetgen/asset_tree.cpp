#include "asset_tree.h"

#include "app_icons.h"
#include "ball_designs.h"
#include "ball_symbols.h"
#include "button_looks.h"
#include "jpeg_writer.h"
#include "picture_words.h"
#include "sounds.h"
#include "window_pictures.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <stdexcept>

namespace tumbaro::assetgen {

using namespace drawing;

namespace {

void MakeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error("cannot create folder " + path.toStdString());
}

// Qt's name for a picture drawn for `density` device pixels per layout
// pixel: "name@2x.png" beside "name.png"; density 1 keeps the bare name.
QString AtDensity(const QString& path, int density)
{
    if (density == 1)
        return path;
    const qsizetype dot = path.lastIndexOf('.');
    return path.left(dot) + QString("@%1x").arg(density) + path.mid(dot);
}

void WritePng(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "png");
    writer.setQuality(50);  // a fixed zlib level keeps the bytes stable
    if (!writer.write(image))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + writer.errorString().toStdString());
}

void WriteBytes(const QByteArray& bytes, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void WriteList(const QString& root, const QString& name, const std::vector<QImage>& pictures, int density)
{
    MakeFolder(root + "/" + name);
    for (size_t k = 0; k < pictures.size(); ++k)
        WritePng(pictures[k], AtDensity(QString("%1/%2/%3.png").arg(root, name).arg(k), density));
}

void WriteBalls(const QString& root, int density)
{
    for (int scheme = 1; scheme <= 3; ++scheme) {
        const SchemeDesigns set = DesignsOfScheme(scheme);
        const QSize big = scheme == 1 ? QSize(51, 50) : QSize(51, 51);
        const QSize small = scheme == 1 ? QSize(41, 40) : QSize(31, 31);
        std::vector<QImage> bigs, smalls;
        for (const Design& design : set.designs) {
            bigs.push_back(RenderBallAt(density, set.shape, big, design));
            smalls.push_back(RenderBallAt(density, set.shape, small, design));
        }
        WriteList(root, QString("Sxema%1Big").arg(scheme), bigs, density);
        WriteList(root, QString("Sxema%1Small").arg(scheme), smalls, density);
        // The same lists with each design's symbol on it, under "symbols/".
        for (size_t k = 0; k < bigs.size(); ++k) {
            bigs[k] = WithSymbol(bigs[k], static_cast<int>(k), density);
            smalls[k] = WithSymbol(smalls[k], static_cast<int>(k), density);
        }
        WriteList(root + "/symbols", QString("Sxema%1Big").arg(scheme), bigs, density);
        WriteList(root + "/symbols", QString("Sxema%1Small").arg(scheme), smalls, density);
    }
}

void WriteControls(const QString& root, int density)
{
    const QString dir = root + "/controls";
    MakeFolder(dir);
    auto at = [&](const char* name) { return AtDensity(dir + "/" + name, density); };
    WriteJpeg(ExitSign(false, density), at("Exit.jpg"), 95, true);
    WritePng(HelpPicture(density), at("Help.png"));
    WriteJpeg(FrameSide(density), at("Image1.jpg"), 92, true);
    WriteJpeg(FrameEdge(density), at("Image4.jpg"), 92, true);
    WriteJpeg(FrameCorner(density), at("Image5.jpg"), 92, true);
    WritePng(HighScoreHeading(density), at("Image10.png"));
    for (int scheme = 1; scheme <= 3; ++scheme)
        WritePng(SchemeButtonPicture(scheme, density),
                 AtDensity(QString("%1/Image%2.png").arg(dir).arg(10 + scheme), density));
    WritePng(SchemeCaption(density), at("Image14.png"));
    const std::vector<QImage> looks = OtherButtonLooks(density);
    WritePng(looks[2], at("Image15.png"));
    WritePng(looks[0], at("Image16.png"));
    WritePng(WindowIcon(density), at("icon.png"));
}

void WriteBackgrounds(const QString& root, int density)
{
    const QString dir = root + "/runtime";
    MakeFolder(dir);
    for (int scheme = 1; scheme <= 3; ++scheme)
        WriteJpeg(Background(scheme, density), AtDensity(QString("%1/b%2.jpg").arg(dir).arg(scheme), density), 88,
                  false);
}

QByteArray Lines(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

void WriteRuntime(const QString& root)
{
    const QString dir = root + "/runtime";
    MakeFolder(dir);
    WriteBytes(SwapSound(), dir + "/CHANGE.WAV");
    // A table worth beating but not out of reach, best first.
    WriteBytes(Lines({"Vendra", "Tomas", "Ilka", "Boris", "Marta", "Quill", "Sasha", "Nadia", "Pavel", "Olga"}),
               dir + "/H.dat");
    WriteBytes(Lines({"2150", "1840", "1525", "1290", "1045", "860", "705", "540", "390", "225"}), dir + "/H2.dat");
}

void WriteSounds(const QString& root)
{
    const QString dir = root + "/sounds";
    MakeFolder(dir);
    WriteBytes(QuestionSound(), dir + "/question.wav");
    WriteBytes(DefaultSound(), dir + "/default.wav");
}

// The desktop's icon theme layout, so the folder installs as it stands.
void WriteAppIcons(const QString& root)
{
    for (int size : AppIconSizes()) {
        const QString dir = QString("%1/icons/hicolor/%2x%2/apps").arg(root).arg(size);
        MakeFolder(dir);
        WritePng(AppIcon(size), dir + "/tumbaro.png");
    }
}

// The pictures with words, for each translation: the same files and sizes
// as the English ones, under "languages/<code>/". The game takes a picture
// from there when its language has one, the English one otherwise.
void WriteTranslatedPictures(const QString& root, const QString& translations)
{
    for (const auto& [code, words] : TranslatedWords(translations)) {
        const QString dir = QString("%1/languages/%2").arg(root, code);
        MakeFolder(dir + "/controls");
        for (int density : {1, 2}) {
            auto at = [&](const char* name) { return AtDensity(dir + "/controls/" + name, density); };
            const std::vector<QImage> tiles = WordTiles(density, words.newGame, words.undo);
            WritePng(HighScoreHeading(density, words.heading), at("Image10.png"));
            WritePng(SchemeCaption(density, words.scheme), at("Image14.png"));
            WritePng(tiles[2], at("Image15.png"));
            WritePng(tiles[0], at("Image16.png"));
            WriteList(dir, "ImageList2", tiles, density);
        }
    }
}

} // namespace

void WriteAssetTree(const QString& root, const QString& translations)
{
    // Every picture twice: for an ordinary screen, and with twice the pixels
    // each way for a screen that doubles the layout ("@2x" beside the first).
    for (int density : {1, 2}) {
        WriteBalls(root, density);
        WriteList(root, "ImageList1", SchemeButtonLooks(density), density);
        WriteList(root, "ImageList2", OtherButtonLooks(density), density);
        WriteControls(root, density);
        WriteBackgrounds(root, density);
    }
    WriteRuntime(root);
    WriteSounds(root);
    WriteAppIcons(root);
    WriteTranslatedPictures(root, translations);
}

} // namespace tumbaro::assetgen
