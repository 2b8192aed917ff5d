#pragma once
// The main window TTumbaro: a borderless 792 by 572 window holding the board's
// 64 cell pictures over the scheme's background, the picture buttons, the
// score box and the high-score table. It draws what the game asks, turns
// clicks, keys and timer ticks into game steps, and runs the end of a game
// through the high-score table.

#include "platform/question_beep.h"
#include "platform/swap_sound.h"
#include "play/game.h"
#include "play/saved_game_file.h"

#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QTimer;

namespace tumbaro {

class BackgroundPicture;
class BoardAccessibility;
class BoardView;
class GameAnnouncements;
class GameCommands;
class HighScoreModel;
class HintBlink;
class KeyboardPlay;
class ListBox;
class PictureControl;
class PictureList;
class PixelRatioFollower;
class ScoreBox;
class SoundSwitch;
class SymbolsSwitch;
class THScore;

class TTumbaro : public QWidget, public Screen {
    Q_OBJECT
public:
    // `settingsFile` is the store that remembers the scheme.
    explicit TTumbaro(std::filesystem::path settingsFile, QWidget* parent = nullptr);
    ~TTumbaro() override;

    Game& GameLogic() { return game_; }
    GameCommands& Commands() { return *commands_; }
    // The name-entry dialog, made the first time a high score needs it: its
    // editor and buttons cost memory that most games never use.
    THScore* NameDialog();

    // Runs once, when the window first becomes active: the scheme, the seed,
    // the game (the one left unfinished last time, or a new deal) and the
    // high-score table.
    void FormActivate();
    bool Activated() const { return activated_; }

    // A click on the cell at 1-based (row, column).
    void ButtonClick(int row, int column) { game_.ButtonClick(row, column); }
    // The stored scheme into the game; the message to show when it could
    // not be had (the game then goes on with scheme 1).
    std::optional<std::string> LoadScheme();
    void Redrow() { game_.Redrow(); }

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

    // A game that earned a place and whose entry is still to be made (the
    // name dialog open, or the second's wait after it) is entered now: with
    // the name as typed so far, the dialog's default if it is empty. False
    // when there was none. `show` false only writes the files, for the very
    // end of the program, when the display may already be gone.
    bool CompletePendingEntry(bool show = true);
    // The same where no error box can be shown: a failure goes to stderr.
    void CompletePendingEntryOrLog(bool show) noexcept;
    // SIGTERM or SIGHUP: the pending entry is made and the program ends
    // through the event loop; nothing is asked.
    void QuitOnSignal();

signals:
    void Terminated();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void ConnectButtons();
    void ConnectCommands();
    // The button's picture k of ImageList1 (the scheme buttons) or ImageList2.
    void ShowLook(PictureControl* button, const PictureList* list, int k);
    // Every picture drawn again for the window's ratio, after it has changed.
    void RedrawPictures();
    // Runs `handler` under the error display: an error ends the handler, is
    // shown, and the game goes on.
    void Handle(const std::function<void()>& handler);
    // Runs `handler` whenever `action` is triggered, by a button, a key or a
    // screen reader.
    void OnTriggered(QAction* action, std::function<void()> handler);
    // The scheme whose pictures are drawn: a stored number outside 1..3, or
    // none read at all, draws scheme 1.
    int DrawnScheme() const;

    void SchemeClick(int scheme);
    void BackgroundMouseDown(Qt::MouseButton button, QPoint position);
    void Timer3Timer();
    void PrepareSounds();
    void LoadHighScores();
    void HightScore();
    void HiScore();
    // The question whether to play again; a Yes deals anew and says so.
    void PlayAgainOrQuit();

    Game game_;
    std::filesystem::path settingsFile_;
    SavedGameFile savedGame_;
    enum class PendingEntry { None, NameOpen, Waiting };
    PendingEntry entry_ = PendingEntry::None;
    std::int32_t pendingScore_ = 0; // the score of the game that earned the place
    int endPlace_ = 0; // 1..10: the place the game that ended earned; 0 for none
    SwapSound swapSound_;
    tumbaro::QuestionBeep questionBeep_;
    GameCommands* commands_ = nullptr;
    BoardView* board_ = nullptr;
    HighScoreModel* table_ = nullptr;
    // Keyboard play, the hint, the sound switch and screen-reader names.
    BoardAccessibility* accessibility_ = nullptr;
    GameAnnouncements* announcements_ = nullptr;
    SoundSwitch* soundSwitch_ = nullptr;
    SymbolsSwitch* symbolsSwitch_ = nullptr;
    HintBlink* hint_ = nullptr;
    KeyboardPlay* keyboard_ = nullptr;
    PixelRatioFollower* ratio_ = nullptr;
    bool activated_ = false;
    bool soundsPrepared_ = false;
    bool activationQueued_ = false;

    BackgroundPicture* Background = nullptr;
    std::vector<PictureControl*> pictures_; // every picture control, cells and background included
    PictureControl* Exit = nullptr;
    PictureControl* Help = nullptr;
    std::array<PictureControl*, 3> SchemeButtons{}; // Image11 .. Image13
    PictureControl* Image15 = nullptr; // undo
    PictureControl* Image16 = nullptr; // new game
    PictureList* ImageList1 = nullptr; // the scheme buttons' looks
    PictureList* ImageList2 = nullptr; // the other buttons' looks
    ScoreBox* Memo1 = nullptr;
    ListBox* ListBox1 = nullptr;
    ListBox* ListBox2 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
    THScore* HScore = nullptr;
};

} // namespace tumbaro
