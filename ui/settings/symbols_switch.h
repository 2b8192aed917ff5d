#pragma once
// The symbols switch: a sign of its own on each ball design, the same in
// every scheme, for players who tell the designs' colours apart poorly.
// Off unless the settings store holds "Symbols" = "1" beside the scheme;
// switching it draws the board's ball lists from their pictures with
// symbols, or back from the plain ones.

#include <QObject>

#include <filesystem>
#include <span>
#include <vector>

namespace tumbaro {

class PictureList;

class SymbolsSwitch : public QObject {
    Q_OBJECT
public:
    // Reads the stored choice and applies it to `ballLists`, the board's
    // ball lists of every scheme and size; they must outlive the switch.
    SymbolsSwitch(std::filesystem::path settingsFile, std::span<PictureList* const> ballLists, QObject* parent);

    bool On() const { return on_; }
    // Turns the symbols the other way and remembers it if the store takes it;
    // the board is to be drawn again.
    void Toggle();

private:
    void Apply();

    std::filesystem::path settingsFile_;
    std::vector<PictureList*> ballLists_;
    bool on_ = false;
};

} // namespace tumbaro
