#include "ui/window/main_window.h"

#include "platform/registry_store.h"
#include "ui/accessibility/accessibility.h"
#include "ui/accessibility/game_announcements.h"
#include "ui/board/board_view.h"
#include "ui/board/hint_blink.h"
#include "ui/board/pair_mark.h"
#include "ui/commands/game_commands.h"
#include "ui/controls/background_picture.h"
#include "ui/controls/list_box.h"
#include "ui/controls/picture_control.h"
#include "ui/controls/score_box.h"
#include "ui/errors/error_display.h"
#include "ui/input/drag_swap.h"
#include "ui/input/keyboard_play.h"
#include "ui/layout/window_layout.h"
#include "ui/menu/game_menu.h"
#include "ui/pictures/picture_density.h"
#include "ui/pictures/stored_pictures.h"
#include "ui/settings/scheme_setting.h"
#include "ui/settings/sound_switch.h"
#include "ui/settings/speed_setting.h"
#include "ui/settings/symbols_switch.h"
#include "ui/settings/way_setting.h"
#include "ui/table/high_score_model.h"
#include "ui/window/button_looks.h"
#include "ui/window/end_of_game.h"
#include "ui/window/game_recorder.h"
#include "ui/window/pixel_ratio_follower.h"
#include "ui/window/way_play.h"
#include "ui/zoom/window_zoom.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <ctime>

namespace tumbaro {

namespace {

// A refused swap's sign lasts no longer than the beep it stands for (360 ms).
constexpr int RefusalSignTime = 300; // ms

QIcon WindowIcon(qreal ratio)
{
    QIcon icon(QPixmap::fromImage(StoredPicture(QStringLiteral("icon"))));
    if (WantsSharpPictures(ratio))
        icon.addPixmap(QPixmap::fromImage(StoredPicture(QStringLiteral("icon"), ratio)));
    return icon;
}

QFont WindowFont(const char* family, int pixelSize)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

TTumbaro::TTumbaro(std::filesystem::path settingsFile, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), stage_(new QWidget(this)), board_(new BoardView(stage_)), game_(*board_, *this),
      settingsFile_(std::move(settingsFile)), savedGame_(SavedGameFile::BesideStore(settingsFile_)),
      keeper_(savedGame_, [this] { return recorder_->TimePlayed(); }), swapSound_(this), questionBeep_(this)
{
    setObjectName(QStringLiteral("Tumbaro"));
    setWindowTitle(QStringLiteral("Tumbaro"));
    setFixedSize(WindowWidth, WindowHeight);
    stage_->setObjectName(QStringLiteral("Stage"));
    stage_->setGeometry(0, 0, WindowWidth, WindowHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(WindowColour));
    palette.setColor(QPalette::Base, QColor::fromRgb(WindowColour));
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(WindowFont("MS Sans Serif", 10));
    // The scale is settled before anything is drawn for it.
    zoom_ = new WindowZoom(this, settingsFile_, [this](const std::function<void()>& between, bool fullScreen) {
        hide();
        destroy();
        between();
        Present(fullScreen);
    });
    setWindowIcon(WindowIcon(devicePixelRatioF()));
    commands_ = new GameCommands(this);
    table_ = new HighScoreModel(this);
    accessibility_ = new BoardAccessibility(game_, *board_, this);
    announcements_ = new GameAnnouncements(game_, *accessibility_, this);
    looks_ = new ButtonLooks(this);
    BuildControls();
    board_->ShowOn(Memo1, commands_->Undo());
    soundSwitch_ = new SoundSwitch(settingsFile_, stage_);
    symbolsSwitch_ = new SymbolsSwitch(settingsFile_, board_->BallLists(), this);
    hint_ = new HintBlink(game_, *board_, stage_);
    refusalMark_ = new PairMark(stage_, PairMark::Look::Refusal, QStringLiteral("RefusalMark"));
    speed_ = new SpeedSetting(settingsFile_, stage_);
    ApplySpeed();
    connect(speed_, &SpeedSetting::Changed, this, [this] { ApplySpeed(); });
    keyboard_ = new KeyboardPlay(*stage_, *commands_, *board_, *hint_, *accessibility_);
    new DragSwap(*board_, game_);
    ratio_ = new PixelRatioFollower(this, [this] { ShowErrors([this] { RedrawPictures(); }); });
    ending_ = new EndOfGame(this, *table_,
                            {[this] {
                                 Newgame();
                                 announcements_->NewGame();
                             },
                             [this] { Terminate(); }});
    looks_->Connect(*commands_, *accessibility_);
    recorder_ = std::make_unique<GameRecorder>(std::nullopt);
    menu_ = new GameMenu(this, *commands_, *looks_->Button(ControlRole::NewGame));
    ways_ = new WayPlay(*this, *stage_, game_, *commands_, *announcements_);
    connect(menu_, &GameMenu::Shown, this, [this](bool open) {
        ways_->SetHeld(open);
        // The right press that opened it left NEW pressed.
        if (!open)
            looks_->ShowReleased(ControlRole::NewGame);
    });
    ConnectCommands();
    ConnectDealCommands();
    game_.KeepIn(&keeper_);
}

TTumbaro::~TTumbaro() = default;

void TTumbaro::RecordGamesIn(GameLog log)
{
    logFile_ = log.File();
    recorder_ = std::make_unique<GameRecorder>(std::move(log));
}

void TTumbaro::BuildControls()
{
    QWidget* names = nullptr;
    QWidget* scores = nullptr;
    for (const ControlSpec& entry : MainWindowLayout()) {
        QWidget* widget = nullptr;
        switch (entry.kind) {
        case ControlKind::Picture: {
            auto* picture = new PictureControl(entry.name, entry.geometry, entry.pictureOptions, stage_);
            if (!entry.storedPicture.isEmpty())
                picture->SetPictureSource(
                    [name = entry.storedPicture](qreal ratio) { return StoredPicture(name, ratio); });
            looks_->Take(entry.role, picture);
            widget = picture;
            pictures_.push_back(picture);
            break;
        }
        case ControlKind::Cell:
            pictures_.push_back(board_->MakeCell(entry.row, entry.column, entry.geometry, entry.pictureOptions));
            widget = pictures_.back();
            break;
        case ControlKind::Background:
            widget = Background = new BackgroundPicture(entry.name, entry.geometry, stage_);
            pictures_.push_back(Background);
            break;
        case ControlKind::Memo:
            widget = Memo1 = new ScoreBox(stage_);
            widget->setFont(WindowFont("Comic Sans MS", 19));
            break;
        case ControlKind::ListBox: {
            auto* list = new ListBox(stage_);
            list->setFont(WindowFont("Comic Sans MS", 19));
            const bool isNames = entry.role == ControlRole::Names;
            list->setModel(isNames ? table_->Names() : table_->Scores());
            (isNames ? names : scores) = list;
            widget = list;
            break;
        }
        }
        widget->setObjectName(entry.name);
        widget->setGeometry(entry.geometry);
        if (entry.hint && *entry.hint)
            widget->setToolTip(QCoreApplication::translate("Hints", entry.hint));
    }
    setTabOrder(Memo1, names);
    setTabOrder(names, scores);
    accessibility_->NameControls(Memo1, names, scores);

    AnimationTimer = new QTimer(this);
    AnimationTimer->setObjectName(QStringLiteral("AnimationTimer"));
    // A coarse timer may slip a tick by up to 5 %, and the slips add up
    // along a move; the animations keep their beat.
    AnimationTimer->setTimerType(Qt::PreciseTimer);
    connect(AnimationTimer, &QTimer::timeout, this, [this] { ShowErrors([this] { PlayOn(); }); });
    connect(Background, &PictureControl::MouseDown, this,
            [this](Qt::MouseButton pressed, QPoint at) { ShowErrors([=, this] { BackgroundMouseDown(pressed, at); }); });
    connect(board_, &BoardView::CellClicked, this, [this](int row, int column) {
        // Catching here, before the error would cross Qt's own event
        // delivery, keeps Qt's bookkeeping intact.
        ShowErrors([=, this] {
            // A paused game's board is hidden: a click on it, by key too,
            // only goes on.
            if (ways_->Paused())
                return ways_->SetPaused(false);
            PrepareSounds();
            game_.ButtonClick(row, column);
        });
    });
}

void TTumbaro::OnTriggered(QAction* action, std::function<void()> handler)
{
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { ShowErrors(handler); });
}

void TTumbaro::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    keyboard_->Attach(windowHandle());
    ratio_->Attach();
    zoom_->Attach();
    if (!activationQueued_) {
        activationQueued_ = true;
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen && !isFullScreen())
            move(screen->availableGeometry().center() - rect().center());
        // A bare X server without a window manager never activates the
        // window, so the first show stands in for the first activation.
        QMetaObject::invokeMethod(
            this, [this] { ShowErrors([this] { FormActivate(); }); }, Qt::QueuedConnection);
    }
}

void TTumbaro::Present() { Present(zoom_->FullScreen()); }

void TTumbaro::Present(bool fullScreen)
{
    if (fullScreen) {
        setMinimumSize(WindowWidth, WindowHeight);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // The desktop makes a full-screen window as large as its screen;
        // an X server without a window manager leaves that to the window.
        setGeometry(screen()->geometry());
        showFullScreen();
    } else {
        setFixedSize(WindowWidth, WindowHeight);
        showNormal();
    }
}

void TTumbaro::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A window larger than its layout, in full screen, holds it in the
    // middle, the window's colour round it; the background reaches no
    // further than the layout.
    stage_->move(std::max(0, (width() - WindowWidth) / 2), std::max(0, (height() - WindowHeight) / 2));
}

bool TTumbaro::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !activated_)
        ShowErrors([this] { FormActivate(); });
    return QWidget::event(event);
}

void TTumbaro::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    // A bad stored scheme is told once; the game goes on with scheme 1.
    if (const auto error = LoadScheme())
        ShowError(QString::fromStdString(*error));
    LoadBackground();
    // A kept game is resumed, and logged when the command line replaces it.
    const auto saved = savedGame_.Load();
    if (saved) {
        game_.Resume(*saved);
        recorder_->Started(std::chrono::milliseconds(saved->TimePlayed));
        commands_->ShowDeal(saved->Tally.Deal);
        ways_->GameStarted(true);
    }
    if (startDeal_ || startWay_ || !saved) {
        const Way way = startWay_.value_or(saved ? game_.CurrentWay() : ReadWay(settingsFile_));
        ReplaceGame(startDeal_ ? *startDeal_ : *(lastClockDeal_ = DealOfClock(std::time(nullptr), lastClockDeal_)), way);
    }
    StoreWay(settingsFile_, game_.CurrentWay());
    commands_->NewGameIn(game_.CurrentWay())->setChecked(true);
    timedTable_ = game_.CurrentWay() == Way::Timed;
    ending_->UseTable(timedTable_ ? TimedTable : ClassicTable);
    table_->Load(timedTable_ ? TimedTable : ClassicTable);
}

std::optional<std::string> TTumbaro::LoadScheme()
{
    Registry registry(settingsFile_);
    SchemeAtStart start = ReadSchemeAtStart(registry);
    board_->SetScheme(start.scheme);
    return std::move(start.error);
}

void TTumbaro::LoadBackground()
{
    const QString file = QStringLiteral("b%1.jpg").arg(board_->Scheme());
    Background->SetPictureSource([file](qreal ratio) { return LoadJpegForScreen(file, ratio); });
}

void TTumbaro::RedrawPictures()
{
    setWindowIcon(WindowIcon(devicePixelRatioF()));
    for (PictureControl* control : pictures_)
        control->Redraw();
}

// ---- what the game reports ----

void TTumbaro::AnimationRunning(bool running)
{
    if (running)
        AnimationTimer->start();
    else
        AnimationTimer->stop();
}

void TTumbaro::ApplySpeed()
{
    const Speed speed = speed_->Current();
    // Instant still waits for the event loop's next turn, so the click that
    // started the move has been answered before the board jumps.
    AnimationTimer->setInterval(SpeedSetting::TickInterval(speed));
    hint_->SetSteady(speed == Speed::Instant);
}

void TTumbaro::PlayOn()
{
    if (speed_->Current() != Speed::Instant) {
        game_.Tick();
        return;
    }
    // Every tick draws and reports as it would in motion; only the last
    // picture is ever painted.
    while (game_.Tick()) {
    }
}

void TTumbaro::SwapLanded()
{
    if (soundSwitch_->On())
        swapSound_.Play();
}

void TTumbaro::MoveRefused(Refusal why)
{
    if (soundSwitch_->On()) {
        questionBeep_.Play();
    } else {
        const GameState& state = game_.State();
        refusalMark_->Show(CellIndex(state.FirstPick.Row, state.FirstPick.Column),
                           CellIndex(state.SecondPick.Row, state.SecondPick.Column), RefusalSignTime);
    }
    announcements_->MoveRefused(why);
}

void TTumbaro::MoveSettled(const std::vector<RemovedLine>& lines, std::int32_t score)
{
    announcements_->MoveSettled(lines, score);
}

void TTumbaro::GameEnded(std::int32_t score)
{
    recorder_->Ended(game_.CurrentWay(), game_.Tally(), score);
    ways_->Follow();
    ending_->GameEnded(score);
}

void TTumbaro::Redealt(std::int32_t /*score*/) { ways_->Redealt(); }

void TTumbaro::PrepareSounds()
{
    // At the first pick, a swap's sound is a click away: loading the sound
    // module now keeps that swap's ticks on time. A window only looked at,
    // or played without sound, never loads it.
    if (soundsPrepared_ || !soundSwitch_->On())
        return;
    soundsPrepared_ = true;
    swapSound_.Prepare();
    questionBeep_.Prepare();
}

} // namespace tumbaro
