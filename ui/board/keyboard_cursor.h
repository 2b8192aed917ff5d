#pragma once
// The keyboard's place on the board: a frame round one cell, dark outside and
// bright inside so it shows over every background and ball. It stays hidden
// until the first arrow key and never takes the mouse.

#include <QWidget>

namespace tumbaro {

class KeyboardCursor : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardCursor(QWidget* window);

    int Row() const { return row_; }
    int Column() const { return column_; }
    bool Shown() const { return isVisible(); }

    // Shows the frame where it last was (row 1, column 1 the first time).
    void Show();
    // One cell up, down, left or right, stopping at the edges; true when it moved.
    bool Step(int rows, int columns);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();

    int row_ = 1;
    int column_ = 1;
};

} // namespace tumbaro
