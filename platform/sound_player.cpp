#include "platform/sound_player.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <dlfcn.h>

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
        // Loaded for good and never closed: the module's worker thread may
        // still be running as the program ends. Loaded by the C library
        // itself rather than QLibrary, whose record of a library kept loaded
        // is left to leak at exit.
        const QByteArray path = QFile::encodeName(folder + QStringLiteral("/libtumbaro-sound.so"));
        if (void* module = ::dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
            if (auto make = reinterpret_cast<MakePlayer>(::dlsym(module, "TumbaroMakeSoundPlayer")))
                return make;
        }
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
