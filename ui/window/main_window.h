#pragma once
// The main window TTumbaro: a borderless 792 by 572 window holding the board's
// 64 cell pictures over the scheme's background, the picture buttons, the
// score box and the high-score table. It draws what the game asks, turns
// clicks and timer ticks into game steps, and runs the end of a game through
// the high-score table.

#include "platform/question_beep.h"
#include "platform/swap_sound.h"
#include "play/game.h"

#include <QWidget>

#include <filesystem>

class QTimer;

namespace tumbaro {

class BackgroundPicture;
class BoardAccessibility;
class KeyboardPlay;
class ListBox;
class PictureControl;
class PictureList;
class ScoreBox;
class SoundSwitch;
class THScore;

class TTumbaro : public QWidget, public Screen {
    Q_OBJECT
public:
    // `settingsFile` is the store that remembers the scheme.
    explicit TTumbaro(std::filesystem::path settingsFile, QWidget* parent = nullptr);
    ~TTumbaro() override;

    Game& GameLogic() { return game_; }
    // The name-entry dialog, made the first time a high score needs it: its
    // editor and buttons cost memory that most games never use.
    THScore* NameDialog();

    // Runs once, when the window first becomes active: the scheme, the seed,
    // the first game and the high-score table.
    void FormActivate();
    bool Activated() const { return activated_; }

    void ButtonClick(int row, int column) { game_.ButtonClick(row, column); }
    // Ball11Click .. Ball88Click: each cell's click handler passes its own
    // row and column and nothing else.
#define TUMBARO_CELL_CLICK(r, c) \
    void Ball##r##c##Click() { ButtonClick(r, c); }
#define TUMBARO_CELL_ROW(r) \
    TUMBARO_CELL_CLICK(r, 1) TUMBARO_CELL_CLICK(r, 2) TUMBARO_CELL_CLICK(r, 3) TUMBARO_CELL_CLICK(r, 4) \
    TUMBARO_CELL_CLICK(r, 5) TUMBARO_CELL_CLICK(r, 6) TUMBARO_CELL_CLICK(r, 7) TUMBARO_CELL_CLICK(r, 8)
    TUMBARO_CELL_ROW(1) TUMBARO_CELL_ROW(2) TUMBARO_CELL_ROW(3) TUMBARO_CELL_ROW(4)
    TUMBARO_CELL_ROW(5) TUMBARO_CELL_ROW(6) TUMBARO_CELL_ROW(7) TUMBARO_CELL_ROW(8)
#undef TUMBARO_CELL_ROW
#undef TUMBARO_CELL_CLICK
    void LoadScheme();
    void Redrow() { game_.Redrow(); }
    void SchemeMouseDown(int scheme);
    void SchemeClick(int scheme);
    void Image11MouseDown() { SchemeMouseDown(1); }
    void Image12MouseDown() { SchemeMouseDown(2); }
    void Image13MouseDown() { SchemeMouseDown(3); }
    void Image11Click() { SchemeClick(1); }
    void Image12Click() { SchemeClick(2); }
    void Image13Click() { SchemeClick(3); }
    void Image15MouseDown();
    void Image15Click();
    void Image16MouseDown();
    void Image16Click();
    void ExitMouseDown();
    void ExitClick();
    void HelpMouseDown();
    void HelpMouseUp();
    void HelpClick();
    void BackgroundMouseDown(Qt::MouseButton button, QPoint position);

    void Timer1Timer() { game_.Timer1Timer(); }
    void Timer2Timer() { game_.Timer2Timer(); }
    void Timer3Timer();
    void LoadHighScores();
    void HightScore();
    void HiScore();

    // Screen
    void DrawCell(int row, int column, std::int32_t colour, CellSize size) override;
    void ClearCell(int row, int column) override;
    void LoadBackground() override;
    void ShowScore(std::int32_t score) override;
    void SetUndoEnabled(bool enabled) override;
    void SetTimer(TimerId timer, bool on) override;
    void PlaySwapSound() override;
    void QuestionBeep() override;
    bool AskPlayAgain() override;
    void Terminate() override;
    void EndOfGame() override;

signals:
    void Terminated();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void ConnectEvents();
    PictureControl* Control(const QString& name) const;
    PictureList* List(const QString& name) const;
    // The scheme whose pictures are drawn: a stored number outside 1..3, or
    // none read at all, draws scheme 1.
    int DrawnScheme() const;
    void ShowLook(const QString& control, const char* list, int k);

    Game game_;
    std::filesystem::path settingsFile_;
    SwapSound swapSound_;
    tumbaro::QuestionBeep questionBeep_;
    // Keyboard play, the sound switch and screen-reader names.
    BoardAccessibility* accessibility_ = nullptr;
    SoundSwitch* soundSwitch_ = nullptr;
    KeyboardPlay* keyboard_ = nullptr;
    bool activated_ = false;
    bool activationQueued_ = false;

    BackgroundPicture* Background = nullptr;
    ScoreBox* Memo1 = nullptr;
    ListBox* ListBox1 = nullptr;
    ListBox* ListBox2 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
    THScore* HScore = nullptr;
};

} // namespace tumbaro
