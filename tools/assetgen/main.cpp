// assetgen: draws every picture and sound of the game from code.
//   assetgen <asset-folder> [<translations-folder>]
// The translations default to the source tree's translations/ folder.
// The output is the same byte for byte on every run on one machine: fixed
// seeds, no clock, fixed encoder settings.

#include "asset_tree.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    // Fonts and painting need a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && args.size() != 3) {
        std::fprintf(stderr, "usage: assetgen <asset-folder> [<translations-folder>]\n");
        return 2;
    }
    try {
        tumbaro::assetgen::WriteAssetTree(args[1], args.size() == 3 ? args[2] : QString(TUMBARO_TRANSLATIONS_DIR));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
