#include "ui/window/main_window.h"

#include "engine/game_error.h"
#include "platform/registry_store.h"
#include "ui/accessibility/accessibility.h"
#include "ui/controls/background_picture.h"
#include "ui/errors/error_display.h"
#include "ui/controls/list_box.h"
#include "ui/controls/picture_control.h"
#include "ui/pictures/picture_density.h"
#include "ui/pictures/picture_list.h"
#include "ui/pictures/stored_pictures.h"
#include "ui/settings/scheme_setting.h"
#include "ui/controls/score_box.h"
#include "ui/input/shortcuts.h"
#include "ui/settings/sound_switch.h"
#include "ui/layout/window_layout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <ctime>
#include <tuple>

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

// The cell click handlers, in the order of the cells.
using CellHandler = void (TTumbaro::*)();
#define TUMBARO_CELL_HANDLER(r, c) &TTumbaro::Ball##r##c##Click,
#define TUMBARO_CELL_HANDLER_ROW(r)                                                                  \
    TUMBARO_CELL_HANDLER(r, 1) TUMBARO_CELL_HANDLER(r, 2) TUMBARO_CELL_HANDLER(r, 3)                 \
    TUMBARO_CELL_HANDLER(r, 4) TUMBARO_CELL_HANDLER(r, 5) TUMBARO_CELL_HANDLER(r, 6)                 \
    TUMBARO_CELL_HANDLER(r, 7) TUMBARO_CELL_HANDLER(r, 8)
constexpr CellHandler CellHandlers[CellCount] = {
    TUMBARO_CELL_HANDLER_ROW(1) TUMBARO_CELL_HANDLER_ROW(2) TUMBARO_CELL_HANDLER_ROW(3)
    TUMBARO_CELL_HANDLER_ROW(4) TUMBARO_CELL_HANDLER_ROW(5) TUMBARO_CELL_HANDLER_ROW(6)
    TUMBARO_CELL_HANDLER_ROW(7) TUMBARO_CELL_HANDLER_ROW(8)};
#undef TUMBARO_CELL_HANDLER_ROW
#undef TUMBARO_CELL_HANDLER

} // namespace

TTumbaro::TTumbaro(std::filesystem::path settingsFile, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), game_(*this), settingsFile_(std::move(settingsFile)),
      swapSound_(this), questionBeep_(this)
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
    accessibility_ = new BoardAccessibility(game_, this);
    BuildControls();
    ConnectEvents();
    accessibility_->NameControls();
    soundSwitch_ = new SoundSwitch(settingsFile_, this);
    keyboard_ = new KeyboardPlay(*this, *soundSwitch_, *accessibility_);
}

TTumbaro::~TTumbaro() = default;

void TTumbaro::BuildControls()
{
    for (const char* name : PictureLists)
        new PictureList(QString::fromLatin1(name), this);

    for (const ControlSpec& entry : MainWindowLayout()) {
        QWidget* widget = nullptr;
        switch (entry.kind) {
        case ControlKind::Picture: {
            auto* picture = new PictureControl(entry.name, entry.geometry, entry.pictureOptions, this);
            if (!entry.storedPicture.isEmpty())
                picture->SetPicture(StoredPicture(entry.storedPicture, picture->devicePixelRatioF()));
            widget = picture;
            break;
        }
        case ControlKind::Background:
            widget = new BackgroundPicture(entry.name, entry.geometry, this);
            break;
        case ControlKind::Memo:
            widget = new ScoreBox(this);
            widget->setFont(WindowFont("Comic Sans MS", 19));
            break;
        case ControlKind::ListBox:
            widget = new ListBox(this);
            widget->setFont(WindowFont("Comic Sans MS", 19));
            break;
        }
        widget->setObjectName(entry.name);
        widget->setGeometry(entry.geometry);
        if (!entry.hint.isEmpty())
            widget->setToolTip(entry.hint);
    }
    Background = findChild<BackgroundPicture*>(QStringLiteral("Background"));
    Memo1 = findChild<ScoreBox*>(QStringLiteral("Memo1"));
    ListBox1 = findChild<ListBox*>(QStringLiteral("ListBox1"));
    ListBox2 = findChild<ListBox*>(QStringLiteral("ListBox2"));
    setTabOrder(Memo1, ListBox1);
    setTabOrder(ListBox1, ListBox2);
    // Only the undo button is ever disabled; it starts so until a move is made.
    Control(QStringLiteral("Image15"))->SetActive(false);

    auto makeTimer = [this](const char* name, int interval) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(interval);
        return timer;
    };
    Timer1 = makeTimer("Timer1", AnimationInterval);
    Timer2 = makeTimer("Timer2", AnimationInterval);
    Timer3 = makeTimer("Timer3", NameWaitInterval);
}

void TTumbaro::ConnectEvents()
{
    // Every handler runs under the error display: an error ends the handler,
    // is shown, and the game goes on. Catching here, before the error would
    // cross Qt's own event delivery, keeps Qt's bookkeeping intact.
    auto handle = [this](auto* sender, auto signal, void (TTumbaro::*handler)()) {
        connect(sender, signal, this, [this, handler] { ShowErrors([&] { (this->*handler)(); }); });
    };
    for (int i = 0; i < CellCount; ++i)
        handle(Control(QStringLiteral("Ball%1%2").arg(i / 8 + 1).arg(i % 8 + 1)), &PictureControl::Click, CellHandlers[i]);
    const std::tuple<const char*, void (TTumbaro::*)(), void (TTumbaro::*)()> buttons[] = {
        {"Image11", &TTumbaro::Image11MouseDown, &TTumbaro::Image11Click},
        {"Image12", &TTumbaro::Image12MouseDown, &TTumbaro::Image12Click},
        {"Image13", &TTumbaro::Image13MouseDown, &TTumbaro::Image13Click},
        {"Image15", &TTumbaro::Image15MouseDown, &TTumbaro::Image15Click},
        {"Image16", &TTumbaro::Image16MouseDown, &TTumbaro::Image16Click},
        {"Exit", &TTumbaro::ExitMouseDown, &TTumbaro::ExitClick},
        {"Help", &TTumbaro::HelpMouseDown, &TTumbaro::HelpClick},
    };
    for (const auto& [name, mouseDown, click] : buttons) {
        PictureControl* button = Control(QString::fromLatin1(name));
        handle(button, &PictureControl::MouseDown, mouseDown);
        handle(button, &PictureControl::Click, click);
    }
    handle(Control(QStringLiteral("Help")), &PictureControl::MouseUp, &TTumbaro::HelpMouseUp);
    connect(Background, &PictureControl::MouseDown, this,
            [this](Qt::MouseButton button, QPoint at) { ShowErrors([&] { BackgroundMouseDown(button, at); }); });
    handle(Timer1, &QTimer::timeout, &TTumbaro::Timer1Timer);
    handle(Timer2, &QTimer::timeout, &TTumbaro::Timer2Timer);
    handle(Timer3, &QTimer::timeout, &TTumbaro::Timer3Timer);
}

PictureControl* TTumbaro::Control(const QString& name) const
{
    return findChild<PictureControl*>(name, Qt::FindDirectChildrenOnly);
}

PictureList* TTumbaro::List(const QString& name) const
{
    return findChild<PictureList*>(name, Qt::FindDirectChildrenOnly);
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
    LoadScheme();
    game_.Random().Seed(static_cast<std::int64_t>(std::time(nullptr)));
    game_.Newgame();
    LoadHighScores();
}

void TTumbaro::LoadScheme()
{
    Registry registry(settingsFile_);
    if (const auto scheme = ReadStoredScheme(registry))
        game_.State().Scheme = *scheme;
}

// ---- Screen ----

void TTumbaro::DrawCell(int row, int column, std::int32_t colour, CellSize size)
{
    PictureControl* cell = Control(QStringLiteral("Ball%1%2").arg(row).arg(column));
    if (!cell)
        return;
    accessibility_->CellDrawn(row, column, colour);
    const QString list = QStringLiteral("Sxema%1%2").arg(DrawnScheme()).arg(size == CellSize::Small ? "Small" : "Big");
    cell->CopyFromList(List(list), colour);
}

void TTumbaro::ClearCell(int row, int column)
{
    if (PictureControl* cell = Control(QStringLiteral("Ball%1%2").arg(row).arg(column))) {
        cell->ClearPicture();
        accessibility_->CellDrawn(row, column, EmptyCell);
    }
}

void TTumbaro::LoadBackground()
{
    const QString file = QStringLiteral("b%1.jpg").arg(DrawnScheme());
    Background->SetJpeg(LoadJpegForScreen(file, Background->devicePixelRatioF()));
}

void TTumbaro::ShowScore(std::int32_t score)
{
    Memo1->SetText(QString::number(score));
    accessibility_->ScoreChanged(score);
}

void TTumbaro::SetUndoEnabled(bool enabled) { Control(QStringLiteral("Image15"))->SetActive(enabled); }

void TTumbaro::SetTimer(TimerId timer, bool on)
{
    QTimer* t = timer == TimerId::Timer1 ? Timer1 : Timer2;
    if (on)
        t->start();
    else
        t->stop();
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
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("       Game Over!!!"),
                    QStringLiteral("Do you want to play again?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    return box.exec() == QMessageBox::Yes;
}

void TTumbaro::Terminate()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    hide();
    emit Terminated();
    QCoreApplication::quit();
}

void TTumbaro::EndOfGame() { HightScore(); }

// ---- Scheme buttons ----

void TTumbaro::ShowLook(const QString& control, const char* list, int k)
{
    Control(control)->CopyFromList(List(QString::fromLatin1(list)), k);
}

void TTumbaro::SchemeMouseDown(int scheme)
{
    ShowLook(QStringLiteral("Image1%1").arg(scheme), "ImageList1", 2 * scheme - 1);
}

void TTumbaro::SchemeClick(int scheme)
{
    Registry registry(settingsFile_);
    StoreScheme(registry, scheme);
    ShowLook(QStringLiteral("Image1%1").arg(scheme), "ImageList1", 2 * scheme - 2);
    game_.State().Scheme = scheme;
    Redrow();
}

} // namespace tumbaro
