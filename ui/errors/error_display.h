#pragma once
// The error display: an error thrown by any event handler or timer tick ends
// that handler and is shown in a message box captioned with the application's
// title; the program goes on.

#include <QApplication>

#include <exception>

namespace tumbaro {

inline constexpr char ApplicationTitle[] = "Quillabo";

// The message as shown: a "." is added unless it is empty or already ends
// in a character at or before "." in code order (so "!" and ")" get none).
QString ErrorText(const QString& message);

// A stop-icon box with the message and OK, waiting for the player.
void ShowError(const QString& message);

// Runs a handler; an error it throws is shown and goes no further.
template <class Handler>
void ShowErrors(Handler&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        ShowError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowError(QString());
    }
}

// The last resort for errors from anywhere else in the event delivery.
class TumbaroApplication : public QApplication {
public:
    TumbaroApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Closest installed looks for the fonts the window was designed with.
void InstallFontSubstitutions();

} // namespace tumbaro
