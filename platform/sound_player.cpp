#include "platform/sound_player.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace tumbaro {

namespace {

using MakePlayer = SoundPlayer* (*)();

MakePlayer LoadModule()
{
    // Beside the program when installed or built. Test programs elsewhere in
    // the build tree find it where the build put it; a program outside the
    // build tree (an installed one) never loads code from a build folder.
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList folders{programDir};
    if (programDir.startsWith(QStringLiteral(TUMBARO_BUILD_DIR "/")))
        folders << QStringLiteral(TUMBARO_SOUND_MODULE_DIR);
    for (const QString& folder : folders) {
        QLibrary module(folder + QStringLiteral("/tumbaro-sound"));
        // Qt unloads the libraries it loaded when the program ends; the
        // module's worker thread may still be running then.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        if (auto make = reinterpret_cast<MakePlayer>(module.resolve("TumbaroMakeSoundPlayer")))
            return make;
    }
    return nullptr;
}

} // namespace

std::unique_ptr<SoundPlayer> MakeSoundPlayer()
{
    static const MakePlayer make = LoadModule();
    return std::unique_ptr<SoundPlayer>(make ? make() : nullptr);
}

} // namespace tumbaro
