#include "ui/window/main_window.h"

#include "platform/registry_store.h"
#include "ui/accessibility/accessibility.h"
#include "ui/accessibility/game_announcements.h"
#include "ui/accessibility/spoken_words.h"
#include "ui/board/board_view.h"
#include "ui/board/hint_blink.h"
#include "ui/commands/game_commands.h"
#include "ui/controls/background_picture.h"
#include "ui/controls/list_box.h"
#include "ui/controls/picture_control.h"
#include "ui/controls/score_box.h"
#include "ui/errors/error_display.h"
#include "ui/input/drag_swap.h"
#include "ui/input/shortcuts.h"
#include "ui/layout/window_layout.h"
#include "ui/pictures/picture_density.h"
#include "ui/pictures/picture_list.h"
#include "ui/pictures/stored_pictures.h"
#include "ui/settings/scheme_setting.h"
#include "ui/settings/sound_switch.h"
#include "ui/settings/symbols_switch.h"
#include "ui/table/high_score_model.h"
#include "ui/window/pixel_ratio_follower.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <ctime>

namespace tumbaro {

namespace {

constexpr int AnimationInterval = 100; // ms, swap and fall ticks
constexpr int NameWaitInterval = 1000; // ms, the wait after the name dialog closes

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
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), game_(*this), settingsFile_(std::move(settingsFile)),
      savedGame_(SavedGameFile::BesideStore(settingsFile_)), swapSound_(this), questionBeep_(this)
{
    setObjectName(QStringLiteral("Tumbaro"));
    setWindowTitle(QStringLiteral("Tumbaro"));
    setFixedSize(WindowWidth, WindowHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(WindowColour));
    palette.setColor(QPalette::Base, QColor::fromRgb(WindowColour));
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(WindowFont("MS Sans Serif", 10));
    setWindowIcon(WindowIcon(devicePixelRatioF()));
    commands_ = new GameCommands(this);
    table_ = new HighScoreModel(this);
    board_ = new BoardView(this);
    accessibility_ = new BoardAccessibility(game_, *board_, this);
    announcements_ = new GameAnnouncements(game_, *accessibility_, this);
    BuildControls();
    accessibility_->NameControls(Memo1, ListBox1, ListBox2);
    soundSwitch_ = new SoundSwitch(settingsFile_, this);
    symbolsSwitch_ = new SymbolsSwitch(settingsFile_, this);
    hint_ = new HintBlink(game_, *this, this);
    keyboard_ = new KeyboardPlay(*this, *commands_, *board_, *hint_, *accessibility_);
    new DragSwap(*board_, game_);
    ratio_ = new PixelRatioFollower(this, [this] { Handle([this] { RedrawPictures(); }); });
    ConnectButtons();
    ConnectCommands();
    game_.KeepIn(&savedGame_);
    game_.ReportTo(announcements_);
}

TTumbaro::~TTumbaro() = default;

void TTumbaro::BuildControls()
{
    ImageList1 = new PictureList(QStringLiteral("ImageList1"), this);
    ImageList2 = new PictureList(QStringLiteral("ImageList2"), this);

    for (const ControlSpec& entry : MainWindowLayout()) {
        QWidget* widget = nullptr;
        switch (entry.kind) {
        case ControlKind::Picture: {
            auto* picture = new PictureControl(entry.name, entry.geometry, entry.pictureOptions, this);
            if (!entry.storedPicture.isEmpty())
                picture->SetPictureSource(
                    [name = entry.storedPicture](qreal ratio) { return StoredPicture(name, ratio); });
            if (entry.name == QLatin1String("Exit"))
                Exit = picture;
            else if (entry.name == QLatin1String("Help"))
                Help = picture;
            else if (entry.name == QLatin1String("Image15"))
                Image15 = picture;
            else if (entry.name == QLatin1String("Image16"))
                Image16 = picture;
            for (int scheme = 1; scheme <= 3; ++scheme)
                if (entry.name == QStringLiteral("Image1%1").arg(scheme))
                    SchemeButtons[static_cast<std::size_t>(scheme - 1)] = picture;
            widget = picture;
            pictures_.push_back(picture);
            break;
        }
        case ControlKind::Cell:
            pictures_.push_back(board_->MakeCell(entry.row, entry.column, entry.geometry, entry.pictureOptions));
            widget = pictures_.back();
            break;
        case ControlKind::Background:
            widget = Background = new BackgroundPicture(entry.name, entry.geometry, this);
            pictures_.push_back(Background);
            break;
        case ControlKind::Memo:
            widget = Memo1 = new ScoreBox(this);
            widget->setFont(WindowFont("Comic Sans MS", 19));
            break;
        case ControlKind::ListBox: {
            auto* list = new ListBox(this);
            list->setFont(WindowFont("Comic Sans MS", 19));
            const bool names = entry.name == QLatin1String("ListBox1");
            list->setModel(names ? table_->Names() : table_->Scores());
            (names ? ListBox1 : ListBox2) = list;
            widget = list;
            break;
        }
        }
        widget->setObjectName(entry.name);
        widget->setGeometry(entry.geometry);
        if (entry.hint && *entry.hint)
            widget->setToolTip(QCoreApplication::translate("Hints", entry.hint));
    }
    setTabOrder(Memo1, ListBox1);
    setTabOrder(ListBox1, ListBox2);

    auto makeTimer = [this](const char* name, int interval) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(interval);
        return timer;
    };
    Timer1 = makeTimer("Timer1", AnimationInterval);
    Timer2 = makeTimer("Timer2", AnimationInterval);
    // A coarse timer may slip a tick by up to 5 %, and the slips add up
    // along a move; the animations keep their 100 ms beat.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer2->setTimerType(Qt::PreciseTimer);
    Timer3 = makeTimer("Timer3", NameWaitInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { Handle([this] { game_.Timer1Timer(); }); });
    connect(Timer2, &QTimer::timeout, this, [this] { Handle([this] { game_.Timer2Timer(); }); });
    connect(Timer3, &QTimer::timeout, this, [this] { Handle([this] { Timer3Timer(); }); });
    connect(board_, &BoardView::CellClicked, this, [this](int row, int column) {
        Handle([=, this] {
            PrepareSounds();
            game_.ButtonClick(row, column);
        });
    });
}

void TTumbaro::Handle(const std::function<void()>& handler)
{
    // Catching here, before the error would cross Qt's own event delivery,
    // keeps Qt's bookkeeping intact.
    ShowErrors(handler);
}

void TTumbaro::OnTriggered(QAction* action, std::function<void()> handler)
{
    connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] { Handle(handler); });
}

int TTumbaro::DrawnScheme() const
{
    const int scheme = game_.State().Scheme;
    return scheme >= 1 && scheme <= 3 ? scheme : 1;
}

void TTumbaro::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    keyboard_->Attach(windowHandle());
    ratio_->Attach();
    if (!activationQueued_) {
        activationQueued_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        // A bare X server without a window manager never activates the
        // window, so the first show stands in for the first activation.
        QMetaObject::invokeMethod(
            this, [this] { ShowErrors([this] { FormActivate(); }); }, Qt::QueuedConnection);
    }
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
    game_.Random().Seed(static_cast<std::int64_t>(std::time(nullptr)));
    if (const auto saved = savedGame_.Load())
        game_.Resume(*saved);
    else
        game_.Newgame();
    LoadHighScores();
}

std::optional<std::string> TTumbaro::LoadScheme()
{
    Registry registry(settingsFile_);
    SchemeAtStart start = ReadSchemeAtStart(registry);
    game_.State().Scheme = start.scheme;
    return std::move(start.error);
}

// ---- Screen ----

void TTumbaro::DrawCell(int row, int column, std::int32_t colour, CellSize size)
{
    accessibility_->CellDrawn(row, column, colour);
    board_->Draw(row, column, colour, size, DrawnScheme());
}

void TTumbaro::ClearCell(int row, int column)
{
    board_->Clear(row, column);
    accessibility_->CellDrawn(row, column, EmptyCell);
}

void TTumbaro::LoadBackground()
{
    const QString file = QStringLiteral("b%1.jpg").arg(DrawnScheme());
    Background->SetPictureSource([file](qreal ratio) { return LoadJpegForScreen(file, ratio); });
}

void TTumbaro::RedrawPictures()
{
    setWindowIcon(WindowIcon(devicePixelRatioF()));
    for (PictureControl* control : pictures_)
        control->Redraw();
}

void TTumbaro::ShowScore(std::int32_t score)
{
    Memo1->SetText(QString::number(score));
}

void TTumbaro::SetUndoEnabled(bool enabled) { commands_->Undo()->setEnabled(enabled); }

void TTumbaro::SetTimer(TimerId timer, bool on)
{
    QTimer* t = timer == TimerId::Timer1 ? Timer1 : Timer2;
    if (on)
        t->start();
    else
        t->stop();
}

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

void TTumbaro::PlaySwapSound()
{
    if (soundSwitch_->On())
        swapSound_.Play();
}

void TTumbaro::QuestionBeep()
{
    if (soundSwitch_->On())
        questionBeep_.Play();
}

bool TTumbaro::AskPlayAgain()
{
    //: The leading blanks centre the title; keep them.
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("GameOver", "       Game Over!!!"),
                    QCoreApplication::translate("GameOver", "Do you want to play again?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    // Read by a screen reader as the end of the game, score included; the
    // title on screen stays as it is.
    box.setAccessibleName(spoken::GameOverTitle());
    box.setAccessibleDescription(spoken::GameEnd(pendingScore_, endPlace_));
    return box.exec() == QMessageBox::Yes;
}

void TTumbaro::Terminate()
{
    CompletePendingEntry();
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    hide();
    emit Terminated();
    QCoreApplication::quit();
}

void TTumbaro::EndOfGame() { HightScore(); }

} // namespace tumbaro
