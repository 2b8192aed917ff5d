#include "ui/layout/window_layout.h"

#include "ui/controls/picture_control.h"

#include <QtGlobal>

namespace tumbaro {

namespace {

constexpr int Centred = PictureControl::Centred;
constexpr int Transparent = PictureControl::Transparent;

ControlSpec Picture(const char* name, ControlRole role, int left, int top, int width, int height, int options,
                    const char* hint = "", const char* stored = "")
{
    return {name, ControlKind::Picture, role, QRect(left, top, width, height), options, hint, stored};
}

constexpr ControlRole None = ControlRole::None;

std::vector<ControlSpec> Build()
{
    std::vector<ControlSpec> c;
    c.push_back({"Background", ControlKind::Background, None, QRect(-8, -24, 800, 600), 0, {}, {}});
    c.push_back(Picture("Exit", ControlRole::Exit, 765, 0, 25, 25, Centred | Transparent,
                        QT_TRANSLATE_NOOP("Hints", "Exit Game"), "Exit"));
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const QPoint at = CellPosition(row, column);
            c.push_back({QStringLiteral("Ball%1%2").arg(row).arg(column), ControlKind::Cell, None,
                         QRect(at, QSize(50, 50)), Centred | Transparent, {}, {}, row, column});
        }
    // The frame round the score box and the table: edges share one picture,
    // and so do the corners.
    c.push_back(Picture("Image1", None, 576, 64, 17, 401, PictureControl::Plain, "", "Image1"));
    c.push_back(Picture("Image2", None, 752, 64, 17, 401, PictureControl::Plain, "", "Image1"));
    c.push_back(Picture("Image3", None, 592, 464, 161, 17, PictureControl::Plain, "", "Image4"));
    c.push_back(Picture("Image4", None, 592, 48, 161, 17, PictureControl::Plain, "", "Image4"));
    c.push_back(Picture("Image5", None, 576, 48, 17, 17, PictureControl::Plain, "", "Image5"));
    c.push_back(Picture("Image6", None, 752, 48, 17, 17, PictureControl::Plain, "", "Image5"));
    c.push_back(Picture("Image7", None, 576, 464, 17, 17, PictureControl::Plain, "", "Image5"));
    c.push_back(Picture("Image8", None, 752, 464, 17, 17, PictureControl::Plain, "", "Image5"));
    c.push_back(Picture("Image9", None, 592, 96, 161, 17, PictureControl::Plain, "", "Image4"));
    c.push_back(Picture("Image10", None, 592, 8, 153, 41, Transparent, "", "Image10"));
    c.push_back(Picture("Image11", ControlRole::Scheme1, 304, 528, 41, 41, Transparent, QT_TRANSLATE_NOOP("Hints", "Scheme 1"), "Image11"));
    c.push_back(Picture("Image12", ControlRole::Scheme2, 344, 512, 41, 41, Transparent, QT_TRANSLATE_NOOP("Hints", "Scheme 2"), "Image12"));
    c.push_back(Picture("Image13", ControlRole::Scheme3, 384, 528, 41, 41, Transparent, QT_TRANSLATE_NOOP("Hints", "Scheme 3"), "Image13"));
    c.push_back(Picture("Image14", None, 280, 448, 161, 65, Transparent | PictureControl::Stretched, "", "Image14"));
    c.push_back(Picture("Image15", ControlRole::Undo, 488, 504, 61, 49, Transparent,
                        QT_TRANSLATE_NOOP("Hints", "Undo your previous move"), "Image15"));
    c.push_back(Picture("Image16", ControlRole::NewGame, 152, 504, 61, 49, Transparent, QT_TRANSLATE_NOOP("Hints", "New Game"), "Image16"));
    c.push_back(Picture("Help", ControlRole::Help, 744, 0, 25, 25, Centred | Transparent, QT_TRANSLATE_NOOP("Hints", "Help"), "Help"));
    c.push_back(
        {"Memo1", ControlKind::Memo, None, QRect(592, 64, 161, 33), 0, QT_TRANSLATE_NOOP("Hints", "Your Score"), {}});
    c.push_back({"ListBox1", ControlKind::ListBox, ControlRole::Names, QRect(592, 112, 97, 353), 0, {}, {}});
    c.push_back({"ListBox2", ControlKind::ListBox, ControlRole::Scores, QRect(688, 112, 65, 353), 0, {}, {}});
    return c;
}

} // namespace

const std::vector<ControlSpec>& MainWindowLayout()
{
    static const std::vector<ControlSpec> layout = Build();
    return layout;
}

} // namespace tumbaro
