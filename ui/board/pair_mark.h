#pragma once
// A mark held steady on two cells for a moment: a frame round each, dark
// outside and coloured inside like the keyboard's cursor, and across the
// ball for a refusal. It covers nothing for the mouse and never moves, so a
// player who wants no motion sees it as well as anyone.

#include <QTimer>
#include <QWidget>

#include <array>

namespace tumbaro {

class PairMark : public QObject {
    Q_OBJECT
public:
    enum class Look { Hint, Refusal };

    PairMark(QWidget* window, Look look, const QString& name);

    // Marks the two cells, as element numbers, for `milliseconds`, in place of
    // whatever this mark showed before.
    void Show(int first, int second, int milliseconds);
    void Hide();
    bool Shown() const { return timer_.isActive(); }

private:
    std::array<QWidget*, 2> cells_{};
    QTimer timer_;
};

} // namespace tumbaro
