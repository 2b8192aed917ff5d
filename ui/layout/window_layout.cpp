#include "ui/layout/window_layout.h"

#include "ui/controls/picture_control.h"

#include <QtGlobal>

namespace tumbaro {

namespace {

constexpr int Centred = PictureControl::Centred;
constexpr int Transparent = PictureControl::Transparent;

ControlSpec Picture(const char* name, int left, int top, int width, int height, int options,
                    const char* hint = "", const char* stored = "")
{
    return {name, ControlKind::Picture, QRect(left, top, width, height), options, hint, stored};
}

std::vector<ControlSpec> Build()
{
    std::vector<ControlSpec> c;
    c.push_back({"Background", ControlKind::Background, QRect(-8, -24, 800, 600), 0, {}, {}});
    c.push_back(Picture("Exit", 765, 0, 25, 25, Centred | Transparent,
                        QT_TRANSLATE_NOOP("Hints", "Exit Game"), "Exit"));
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const QPoint at = CellPosition(row, column);
            c.push_back({QStringLiteral("Ball%1%2").arg(row).arg(column), ControlKind::Cell,
                         QRect(at, QSize(50, 50)), Centred | Transparent, {}, {}, row, column});
        }
    // The frame round the score box and the table: edges share one picture,
    // and so do the corners.
    c.push_back(Picture("Image1", 576, 64, 17, 401, PictureControl::Plain, "", "Image1"));
    c.push_back(Picture("Image2", 752, 64, 17, 401, PictureControl::Plain, "", "Image1"));
    c.push_back(Picture("Image3", 592, 464, 161, 17, PictureControl::Plain, "", "Image4"));
    c.push_back(Picture("Image4", 592, 48, 161, 17, PictureControl::Plain, "", "Image4"));
    c.push_back(Picture("Image5", 576, 48, 17, 17, PictureControl::Plain, "", "Image5"));
    c.push_back(Picture("Image6", 752, 48, 17, 17, PictureControl::Plain, "", "Image5"));
    c.push_back(Picture("Image7", 576, 464, 17, 17, PictureControl::Plain, "", "Image5"));
    c.push_back(Picture("Image8", 752, 464, 17, 17, PictureControl::Plain, "", "Image5"));
    c.push_back(Picture("Image9", 592, 96, 161, 17, PictureControl::Plain, "", "Image4"));
    c.push_back(Picture("Image10", 592, 8, 153, 41, Transparent, "", "Image10"));
    c.push_back(Picture("Image11", 304, 528, 41, 41, Transparent, QT_TRANSLATE_NOOP("Hints", "Scheme 1"), "Image11"));
    c.push_back(Picture("Image12", 344, 512, 41, 41, Transparent, QT_TRANSLATE_NOOP("Hints", "Scheme 2"), "Image12"));
    c.push_back(Picture("Image13", 384, 528, 41, 41, Transparent, QT_TRANSLATE_NOOP("Hints", "Scheme 3"), "Image13"));
    c.push_back(Picture("Image14", 280, 448, 161, 65, Transparent | PictureControl::Stretched, "", "Image14"));
    c.push_back(Picture("Image15", 488, 504, 61, 49, Transparent,
                        QT_TRANSLATE_NOOP("Hints", "Undo your previous move"), "Image15"));
    c.push_back(Picture("Image16", 152, 504, 61, 49, Transparent, QT_TRANSLATE_NOOP("Hints", "New Game"), "Image16"));
    c.push_back(Picture("Help", 744, 0, 25, 25, Centred | Transparent, QT_TRANSLATE_NOOP("Hints", "Help"), "Help"));
    c.push_back(
        {"Memo1", ControlKind::Memo, QRect(592, 64, 161, 33), 0, QT_TRANSLATE_NOOP("Hints", "Your Score"), {}});
    c.push_back({"ListBox1", ControlKind::ListBox, QRect(592, 112, 97, 353), 0, {}, {}});
    c.push_back({"ListBox2", ControlKind::ListBox, QRect(688, 112, 65, 353), 0, {}, {}});
    return c;
}

} // namespace

const std::vector<ControlSpec>& MainWindowLayout()
{
    static const std::vector<ControlSpec> layout = Build();
    return layout;
}

} // namespace tumbaro
