#pragma once
// The main window TTumbaro: a borderless 792 by 572 window holding the board's
// 64 cell pictures over the scheme's background, the picture buttons, the
// score box and the high-score table. It is built from the layout table,
// ticks the game's animation, answers what the game reports (sounds, words
// for a screen reader, the end of a game) and runs the player's commands.

#include "platform/question_beep.h"
#include "platform/saved_game_file.h"
#include "platform/swap_sound.h"
#include "play/game.h"
#include "stats/game_log.h"
#include "ui/window/played_time_keeper.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QTimer;

namespace tumbaro {

class BackgroundPicture;
class BoardAccessibility;
class BoardView;
class ButtonLooks;
class EndOfGame;
class GameAnnouncements;
class GameCommands;
class GameRecorder;
class GameMenu;
class HighScoreModel;
class HintBlink;
class KeyboardPlay;
class PairMark;
class PictureControl;
class PixelRatioFollower;
class ScoreBox;
class SoundSwitch;
class SpeedSetting;
class SymbolsSwitch;
class WayPlay;
class WindowZoom;

class TTumbaro : public QWidget, private GameEvents {
    Q_OBJECT
public:
    // `settingsFile` is the store that remembers the scheme and the sound.
    explicit TTumbaro(std::filesystem::path settingsFile, QWidget* parent = nullptr);
    ~TTumbaro() override;

    const Game& GameLogic() const { return game_; }
    Game& GameLogic() { return game_; }
    BoardView& Board() { return *board_; }
    GameCommands& Commands() { return *commands_; }
    EndOfGame& Ending() { return *ending_; }
    GameMenu& Menu() { return *menu_; }
    WayPlay& Ways() { return *ways_; }
    // The first game is a new one in `way`, not the one kept from last time.
    void StartIn(Way way) { startWay_ = way; }
    WindowZoom& Zoom() { return *zoom_; }

    // Shows the window, in full screen or not as its zoom has it.
    void Present();

    // Runs once, when the window first becomes active: the scheme, the seed,
    // the game (the one left unfinished last time, or a new deal) and the
    // high-score table.
    void FormActivate();
    bool Activated() const { return activated_; }
    // The first game is deal `deal`, in place of the one left unfinished.
    void StartWithDeal(DealNumber deal) { startDeal_ = deal; }
    // Where each game is logged once it ends or is replaced; until this is
    // called, nowhere.
    void RecordGamesIn(GameLog log);

    // A click on the cell at 1-based (row, column).
    void ButtonClick(int row, int column) { game_.ButtonClick(row, column); }
    // The stored scheme, to draw with; the message to show when it could
    // not be had (the game then goes on with scheme 1).
    std::optional<std::string> LoadScheme();
    // SIGTERM or SIGHUP: the pending entry is made and the program ends
    // through the event loop; nothing is asked.
    void QuitOnSignal();

signals:
    void Terminated();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // GameEvents
    void AnimationRunning(bool running) override;
    void SwapLanded() override;
    void MoveRefused(Refusal why) override;
    void MoveSettled(const std::vector<RemovedLine>& lines, std::int32_t score) override;
    void GameEnded(std::int32_t score) override;
    void Redealt(std::int32_t score) override;

    void BuildControls();
    void Present(bool fullScreen);
    void ConnectCommands();
    // Every picture drawn again for the window's ratio, after it has changed.
    void RedrawPictures();
    // Runs `handler` whenever `action` is triggered, by a button, a key or a
    // screen reader.
    void OnTriggered(QAction* action, std::function<void()> handler);

    // Load the scheme's background picture; throws GameError on failure.
    void LoadBackground();
    // A new deal on the scheme's background; if that fails to load, the old
    // game stays.
    void Newgame();
    // Another deal in place of the game on the table, which is logged if
    // it had a move.
    void ReplaceGame(DealNumber deal, Way way);
    void ConnectDealCommands();
    // A new deal in `way`, which is remembered, with its table on screen.
    void Newgame(Way way);
    // The table of `way` on screen, and where its entries go.
    void ShowTableOf(Way way);
    void SchemeClick(int scheme);
    void BackgroundMouseDown(Qt::MouseButton button, QPoint position);
    void PrepareSounds();
    // The animation's beat for the speed chosen, and the hint's look.
    void ApplySpeed();
    // One step of the move playing out, or all of them when there is to be no motion.
    void PlayOn();
    // End the program (the message loop ends).
    void Terminate();

    // The layout's place: every control of the layout is on it, and in a
    // window larger than the layout it sits in the middle.
    QWidget* stage_ = nullptr;
    BoardView* board_ = nullptr;
    Game game_;
    std::filesystem::path settingsFile_;
    SavedGameFile savedGame_;
    PlayedTimeKeeper keeper_; // the game into savedGame_, with its time played
    SwapSound swapSound_;
    tumbaro::QuestionBeep questionBeep_;
    GameCommands* commands_ = nullptr;
    HighScoreModel* table_ = nullptr;
    ButtonLooks* looks_ = nullptr;
    EndOfGame* ending_ = nullptr;
    // Keyboard play, the hint, the sound switch and screen-reader names.
    BoardAccessibility* accessibility_ = nullptr;
    GameAnnouncements* announcements_ = nullptr;
    SoundSwitch* soundSwitch_ = nullptr;
    SymbolsSwitch* symbolsSwitch_ = nullptr;
    SpeedSetting* speed_ = nullptr;
    // What a refused swap shows when the beep is not heard.
    PairMark* refusalMark_ = nullptr;
    HintBlink* hint_ = nullptr;
    KeyboardPlay* keyboard_ = nullptr;
    PixelRatioFollower* ratio_ = nullptr;
    GameMenu* menu_ = nullptr;
    WayPlay* ways_ = nullptr;
    std::optional<Way> startWay_;
    bool timedTable_ = false; // the Timed table is on screen
    WindowZoom* zoom_ = nullptr;
    bool activated_ = false;
    bool soundsPrepared_ = false;
    bool activationQueued_ = false;
    std::unique_ptr<GameRecorder> recorder_;
    std::optional<std::filesystem::path> logFile_;
    std::optional<DealNumber> startDeal_;
    std::optional<DealNumber> lastClockDeal_;

    BackgroundPicture* Background = nullptr;
    std::vector<PictureControl*> pictures_; // every picture control, cells and background included
    ScoreBox* Memo1 = nullptr;
    // The one animation timer: the swap's ticks and the fall's.
    QTimer* AnimationTimer = nullptr;
};

} // namespace tumbaro
