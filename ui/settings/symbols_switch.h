#pragma once
// The symbols switch: a sign of its own on each ball design, the same in
// every scheme, for players who tell the designs' colours apart poorly.
// Off unless the settings store holds "Symbols" = "1" beside the scheme;
// switching it draws the board's ball lists from their pictures with
// symbols, or back from the plain ones.

#include <QObject>

#include <filesystem>

class QWidget;

namespace tumbaro {

class SymbolsSwitch : public QObject {
    Q_OBJECT
public:
    // Reads the stored choice and applies it to the ball lists of `window`,
    // which must exist already.
    SymbolsSwitch(std::filesystem::path settingsFile, QWidget* window);

    bool On() const { return on_; }
    // Turns the symbols the other way and remembers it if the store takes it;
    // the board is to be drawn again.
    void Toggle();

private:
    void Apply();

    std::filesystem::path settingsFile_;
    QWidget* window_;
    bool on_ = false;
};

} // namespace tumbaro
