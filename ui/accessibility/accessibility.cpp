#include "ui/accessibility/accessibility.h"

#include "play/game.h"
#include "ui/accessibility/ball_names.h"
#include "ui/board/board_view.h"
#include "ui/controls/picture_control.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QCoreApplication>

#include <optional>
#include <utility>

namespace tumbaro {

namespace {

QString Translated(const char* text) { return QCoreApplication::translate("Accessibility", text); }

// Names and descriptions in English, translated when a control is described.
struct PictureText {
    const char* control;
    QAccessible::Role role;
    const char* name; // nullptr: the control's hint
    const char* description;
};

const char* const Frame = QT_TRANSLATE_NOOP("Accessibility", "Frame");
const char* const FrameDescription =
    QT_TRANSLATE_NOOP("Accessibility", "Frame round the score and the high-score table");

const PictureText PictureTexts[] = {
    {"Background", QAccessible::Graphic, QT_TRANSLATE_NOOP("Accessibility", "Background"),
     QT_TRANSLATE_NOOP("Accessibility", "The scheme's picture behind the board")},
    {"Exit", QAccessible::Button, nullptr, QT_TRANSLATE_NOOP("Accessibility", "Leaves the game (Ctrl+Q)")},
    {"Help", QAccessible::Button, nullptr, QT_TRANSLATE_NOOP("Accessibility", "Opens the help page (F1)")},
    {"Image1", QAccessible::Graphic, Frame, FrameDescription},
    {"Image2", QAccessible::Graphic, Frame, FrameDescription},
    {"Image3", QAccessible::Graphic, Frame, FrameDescription},
    {"Image4", QAccessible::Graphic, Frame, FrameDescription},
    {"Image5", QAccessible::Graphic, Frame, FrameDescription},
    {"Image6", QAccessible::Graphic, Frame, FrameDescription},
    {"Image7", QAccessible::Graphic, Frame, FrameDescription},
    {"Image8", QAccessible::Graphic, Frame, FrameDescription},
    {"Image9", QAccessible::Graphic, Frame, FrameDescription},
    {"Image10", QAccessible::Graphic, QT_TRANSLATE_NOOP("Accessibility", "High Score"),
     QT_TRANSLATE_NOOP("Accessibility", "Title of the high-score table")},
    {"Image11", QAccessible::Button, nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Draws the balls as spheres (key 1)")},
    {"Image12", QAccessible::Button, nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Draws the balls as cones (key 2)")},
    {"Image13", QAccessible::Button, nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Draws the balls as rings (key 3)")},
    {"Image14", QAccessible::Graphic, QT_TRANSLATE_NOOP("Accessibility", "Scheme"),
     QT_TRANSLATE_NOOP("Accessibility", "Title of the scheme buttons")},
    {"Image15", QAccessible::Button, nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Takes back the last move and its points (U, Backspace or Ctrl+Z)")},
    {"Image16", QAccessible::Button, nullptr, QT_TRANSLATE_NOOP("Accessibility", "Deals a new game (N or F2)")},
};

const char* const CellHowTo = QT_TRANSLATE_NOOP(
    "Accessibility", "Pick a ball, then a neighbour above, below, left or right to swap them (Space or Return)");

// A picture control as a screen reader sees it; a cell's name follows the
// ball it shows at the moment it is asked.
class PictureAccessible : public QAccessibleWidget {
public:
    PictureAccessible(QWidget* control, QAccessible::Role role, const BoardAccessibility* board, int row,
                      int column, QString name, QString description)
        : QAccessibleWidget(control, role), board_(board), row_(row), column_(column), name_(std::move(name)),
          description_(std::move(description))
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            if (row_ > 0)
                return board_ ? board_->CellName(row_, column_) : QString();
            return name_;
        case QAccessible::Description:
            if (row_ > 0)
                return board_ ? board_->CellDescription() : QString();
            return description_;
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (row_ > 0 && board_) {
            state.selectable = true;
            state.selected = board_->Picked(row_, column_);
            state.focusable = true;
            state.focused = board_->Focused(row_, column_);
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (board_ && board_->PressOf(widget(), row_, column_))
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction() || !board_)
            return QAccessibleWidget::doAction(action);
        if (const auto press = board_->PressOf(widget(), row_, column_))
            press();
    }

private:
    QPointer<const BoardAccessibility> board_;
    int row_;
    int column_;
    QString name_;
    QString description_;
};

// Cells by "Ball" + row + column, 1 to 8 each; 0, 0 for any other name.
std::pair<int, int> CellOf(const QString& name)
{
    if (name.size() != 6 || !name.startsWith(QLatin1String("Ball")))
        return {0, 0};
    const int row = name[4].digitValue(), column = name[5].digitValue();
    if (row < 1 || row > BoardSize || column < 1 || column > BoardSize)
        return {0, 0};
    return {row, column};
}

QAccessibleInterface* PictureFactory(const QString&, QObject* object)
{
    auto* control = qobject_cast<PictureControl*>(object);
    const auto* board = control ? BoardAccessibility::Of(control->window()) : nullptr;
    if (!board)
        return nullptr;
    const QString name = control->objectName();
    if (const auto [row, column] = CellOf(name); row > 0)
        return new PictureAccessible(control, QAccessible::Button, board, row, column, {}, {});
    for (const PictureText& entry : PictureTexts)
        if (name == QLatin1String(entry.control))
            return new PictureAccessible(control, entry.role, board, 0, 0,
                                         entry.name ? Translated(entry.name) : control->toolTip(),
                                         Translated(entry.description));
    return nullptr;
}

// Each window's own, found by the window.
QHash<const QWidget*, const BoardAccessibility*>& Windows()
{
    static QHash<const QWidget*, const BoardAccessibility*> windows;
    return windows;
}

} // namespace

BoardAccessibility::BoardAccessibility(const Game& game, BoardView& board, QWidget* window)
    : QObject(window), game_(game), board_(board), window_(window)
{
    setObjectName(QStringLiteral("BoardAccessibility"));
    Windows().insert(window, this);
    connect(&board, &BoardView::CellDrawn, this, &BoardAccessibility::CellDrawn);
    static const bool installed = [] {
        QAccessible::installFactory(PictureFactory);
        return true;
    }();
    (void)installed;
}

BoardAccessibility::~BoardAccessibility() { Windows().remove(window_); }

const BoardAccessibility* BoardAccessibility::Of(const QWidget* window) { return Windows().value(window); }

void BoardAccessibility::NameControls(QWidget* memo, QWidget* names, QWidget* scores)
{
    window_->setAccessibleDescription(Translated(QT_TRANSLATE_NOOP(
        "Accessibility", "Match-3 puzzle. Arrow keys move the cursor, Space or Return picks a ball, H shows a "
                         "possible move, M switches the sound off or on")));
    // The score box is named by its hint.
    memo->setAccessibleName(QCoreApplication::translate("Hints", "Your Score"));
    memo->setAccessibleDescription(
        Translated(QT_TRANSLATE_NOOP("Accessibility", "The points of the game in progress")));
    names->setAccessibleName(Translated(QT_TRANSLATE_NOOP("Accessibility", "High-score names")));
    names->setAccessibleDescription(
        Translated(QT_TRANSLATE_NOOP("Accessibility", "The players of the ten best games, best first")));
    scores->setAccessibleName(Translated(QT_TRANSLATE_NOOP("Accessibility", "High scores")));
    scores->setAccessibleDescription(
        Translated(QT_TRANSLATE_NOOP("Accessibility", "The ten best scores, best first")));
}

std::function<void()> BoardAccessibility::PressOf(const QWidget* control, int row, int column) const
{
    if (row > 0)
        return [board = &board_, row, column] { board->Click(row, column); };
    QAction* command = presses_.value(control);
    if (!command || !command->isEnabled())
        return {};
    return [command = QPointer<QAction>(command)] {
        if (command)
            command->trigger();
    };
}

int BoardAccessibility::PickedCell() const
{
    const std::optional<Pick> pick = game_.Animating() ? std::nullopt : game_.PendingPick();
    return pick ? CellIndex(pick->Row, pick->Column) : -1;
}

bool BoardAccessibility::Picked(int row, int column) const { return PickedCell() == CellIndex(row, column); }

int BoardAccessibility::Scheme() const { return board_.Scheme(); }

QString BoardAccessibility::CellName(int row, int column) const
{
    const QString ball = BallName(board_.Scheme(), board_.ShownAt(CellIndex(row, column)).Colour);
    if (ball.isEmpty())
        return Translated(QT_TRANSLATE_NOOP("Accessibility", "Row %1, column %2: empty")).arg(row).arg(column);
    //: %3 is the ball, as "pink sphere".
    return Translated(Picked(row, column) ? QT_TRANSLATE_NOOP("Accessibility", "Row %1, column %2: %3, picked")
                                          : QT_TRANSLATE_NOOP("Accessibility", "Row %1, column %2: %3"))
        .arg(QString::number(row), QString::number(column), ball);
}

QString BoardAccessibility::CellDescription() const
{
    return focusSteps_ <= 1 ? Translated(CellHowTo) : QString();
}

void BoardAccessibility::CellDrawn()
{
    const int picked = PickedCell();
    if (picked == picked_)
        return;
    const int before = std::exchange(picked_, picked);
    auto tell = [this](int cell, QAccessible::Event type) {
        QAccessibleEvent event(board_.Cell(cell / BoardSize + 1, cell % BoardSize + 1), type);
        QAccessible::updateAccessibility(&event);
    };
    if (before >= 0)
        tell(before, QAccessible::SelectionRemove);
    if (picked >= 0)
        tell(picked, QAccessible::SelectionAdd);
}

void BoardAccessibility::FocusCell(int row, int column)
{
    focus_ = CellIndex(row, column);
    ++focusSteps_;
    readColour_ = board_.ShownAt(focus_).Colour;
    readScheme_ = board_.Scheme();
    QAccessibleEvent event(board_.Cell(row, column), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QString BoardAccessibility::FocusCellIfChanged()
{
    if (focus_ < 0 || (board_.ShownAt(focus_).Colour == readColour_ && board_.Scheme() == readScheme_))
        return {};
    readColour_ = board_.ShownAt(focus_).Colour;
    readScheme_ = board_.Scheme();
    return CellName(focus_ / BoardSize + 1, focus_ % BoardSize + 1);
}

} // namespace tumbaro
