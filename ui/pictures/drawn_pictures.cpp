#include "drawn_pictures.h"

#include "picture_density.h"
#include "picture_language.h"

#include "drawing/ball_designs.h"
#include "drawing/ball_symbols.h"
#include "drawing/button_looks.h"
#include "drawing/window_pictures.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <exception>

namespace tumbaro {

using namespace drawing;

namespace {

// The words drawn into pictures; English ones as the English pictures have
// them, a translation's from its own file.
struct Words {
    QString heading, scheme, newGame, undo;
    bool english() const { return heading.isEmpty(); }
};

Words PictureWords()
{
    if (PictureLanguage().isEmpty())
        return {};
    const auto word = [](const char* source) { return QCoreApplication::translate("Pictures", source); };
    return {word("Hight Score"), word("SCHEME"), word("NEW"), word("UNDO")};
}

std::vector<QImage> ButtonLooks(int density)
{
    std::vector<QImage> looks = OtherButtonLooks(density);
    if (const Words words = PictureWords(); !words.english()) {
        const std::vector<QImage> tiles = WordTiles(density, words.newGame, words.undo);
        std::copy(tiles.begin(), tiles.end(), looks.begin());
    }
    return looks;
}

std::vector<QImage> Balls(int scheme, bool big, bool symbols, int density)
{
    const SchemeDesigns set = DesignsOfScheme(scheme);
    const QSize size = big ? (scheme == 1 ? QSize(51, 50) : QSize(51, 51)) : (scheme == 1 ? QSize(41, 40) : QSize(31, 31));
    std::vector<QImage> balls;
    for (const Design& design : set.designs) {
        balls.push_back(RenderSmoothBall(set.shape, size, design, density));
        if (symbols)
            balls.back() = WithSymbol(balls.back(), static_cast<int>(balls.size()) - 1, density);
    }
    return balls;
}

std::vector<QImage> UnmarkedList(const QString& name, const QString& folder, int density)
{
    if (name == u"ImageList1")
        return SchemeButtonLooks(density);
    if (name == u"ImageList2")
        return ButtonLooks(density);
    // "Sxema<scheme>Big", "Sxema<scheme>Small"
    const int scheme = name.startsWith(u"Sxema") ? name.mid(5, 1).toInt() : 0;
    const bool big = name.endsWith(u"Big");
    if (scheme < 1 || scheme > 3 || (!big && !name.endsWith(u"Small")))
        return {};
    return Balls(scheme, big, folder == u"symbols/", density);
}

QImage UnmarkedControl(const QString& file, int density)
{
    const Words words = PictureWords();
    if (file == u"Exit.jpg")
        return ExitSign(false, density);
    if (file == u"Help.png")
        return HelpPicture(density);
    if (file == u"Image1.jpg")
        return FrameSide(density);
    if (file == u"Image4.jpg")
        return FrameEdge(density);
    if (file == u"Image5.jpg")
        return FrameCorner(density);
    if (file == u"Image10.png")
        return HighScoreHeading(density, words.heading);
    if (file == u"Image11.png" || file == u"Image12.png" || file == u"Image13.png")
        return SchemeButtonPicture(file.mid(5, 2).toInt() - 10, density);
    if (file == u"Image14.png")
        return SchemeCaption(density, words.scheme);
    if (file == u"Image15.png")
        return ButtonLooks(density)[2];
    if (file == u"Image16.png")
        return ButtonLooks(density)[0];
    if (file == u"icon.png")
        return WindowIcon(density);
    return {};
}

} // namespace

int DrawnDensity(qreal ratio)
{
    // A ratio a rounding off 2 is 2.
    constexpr qreal Rounding = 1e-3;
    return ratio > SharpDensity + Rounding ? static_cast<int>(std::ceil(ratio - Rounding)) : 0;
}

std::vector<QImage> DrawnList(const QString& name, const QString& folder, int density)
{
    try {
        std::vector<QImage> pictures = UnmarkedList(name, folder, density);
        for (QImage& picture : pictures)
            picture.setDevicePixelRatio(density);
        return pictures;
    } catch (const std::exception&) {
        return {};
    }
}

QImage DrawnControl(const QString& file, int density)
{
    try {
        QImage picture = UnmarkedControl(file, density);
        picture.setDevicePixelRatio(density);
        return picture;
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace tumbaro
