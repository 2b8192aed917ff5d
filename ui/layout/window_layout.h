#pragma once
// The main window's controls in drawing order, bottom to top: names, places,
// sizes, how each draws its picture and its hint. The window is built from
// this table alone.

#include <QRect>
#include <QString>

#include <vector>

namespace tumbaro {

inline constexpr int WindowWidth = 792;
inline constexpr int WindowHeight = 572;
// The window's colour: the active caption's gradient colour of the classic
// desktop theme the game was drawn for.
inline constexpr unsigned WindowColour = 0xB9D1EA;

enum class ControlKind { Background, Picture, Cell, Memo, ListBox };
// What a control does for the player, for those that do more than show a picture.
enum class ControlRole { None, Exit, Help, Undo, NewGame, Scheme1, Scheme2, Scheme3, Names, Scores };

struct ControlSpec {
    QString name;
    ControlKind kind;
    ControlRole role;
    QRect geometry;
    int pictureOptions; // PictureControl::Option flags
    const char* hint; // in English, translated where it is shown; may be null
    QString storedPicture; // the control whose stored picture it shows, if any
    int row = 0, column = 0; // a cell's place on the board, 1..8
};

// Left and top of the cell in board row and column 1..8.
constexpr QPoint CellPosition(int row, int column)
{
    return {112 + 52 * (column - 1), 32 + 52 * (row - 1)};
}

const std::vector<ControlSpec>& MainWindowLayout();

} // namespace tumbaro
