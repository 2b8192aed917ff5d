#include "asset_tree.h"

#include "app_icons.h"
#include "ball_designs.h"
#include "button_looks.h"
#include "jpeg_writer.h"
#include "sounds.h"
#include "window_pictures.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <stdexcept>

namespace tumbaro::assetgen {

namespace {

void MakeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error("cannot create folder " + path.toStdString());
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

void WriteList(const QString& root, const QString& name, const std::vector<QImage>& pictures)
{
    MakeFolder(root + "/" + name);
    for (size_t k = 0; k < pictures.size(); ++k)
        WritePng(pictures[k], QString("%1/%2/%3.png").arg(root, name).arg(k));
}

void WriteBalls(const QString& root)
{
    for (int scheme = 1; scheme <= 3; ++scheme) {
        const SchemeDesigns set = DesignsOfScheme(scheme);
        const QSize big = scheme == 1 ? QSize(51, 50) : QSize(51, 51);
        const QSize small = scheme == 1 ? QSize(41, 40) : QSize(31, 31);
        std::vector<QImage> bigs, smalls;
        for (const Design& design : set.designs) {
            bigs.push_back(RenderBall(set.shape, big, design));
            smalls.push_back(RenderBall(set.shape, small, design));
        }
        WriteList(root, QString("Sxema%1Big").arg(scheme), bigs);
        WriteList(root, QString("Sxema%1Small").arg(scheme), smalls);
    }
}

void WriteControls(const QString& root)
{
    const QString dir = root + "/controls";
    MakeFolder(dir);
    WriteJpeg(ExitSign(false), dir + "/Exit.jpg", 95, true);
    WritePng(HelpPicture(), dir + "/Help.png");
    WriteJpeg(FrameSide(), dir + "/Image1.jpg", 92, true);
    WriteJpeg(FrameEdge(), dir + "/Image4.jpg", 92, true);
    WriteJpeg(FrameCorner(), dir + "/Image5.jpg", 92, true);
    WritePng(HighScoreHeading(), dir + "/Image10.png");
    for (int scheme = 1; scheme <= 3; ++scheme)
        WritePng(SchemeButtonPicture(scheme), QString("%1/Image%2.png").arg(dir).arg(10 + scheme));
    WritePng(SchemeCaption(), dir + "/Image14.png");
    const std::vector<QImage> looks = OtherButtonLooks();
    WritePng(looks[2], dir + "/Image15.png");
    WritePng(looks[0], dir + "/Image16.png");
    WritePng(WindowIcon(), dir + "/icon.png");
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
    for (int scheme = 1; scheme <= 3; ++scheme)
        WriteJpeg(Background(scheme), QString("%1/b%2.jpg").arg(dir).arg(scheme), 88, false);
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

} // namespace

void WriteAssetTree(const QString& root)
{
    WriteBalls(root);
    WriteList(root, "ImageList1", SchemeButtonLooks());
    WriteList(root, "ImageList2", OtherButtonLooks());
    WriteControls(root);
    WriteRuntime(root);
    WriteSounds(root);
    WriteAppIcons(root);
}

} // namespace tumbaro::assetgen
