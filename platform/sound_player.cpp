#include "platform/sound_player.h"

#include <QCoreApplication>
#include <QLibrary>

namespace tumbaro {

namespace {

using MakePlayer = SoundPlayer* (*)(QObject*);

MakePlayer LoadModule()
{
    // Beside the program when installed or built; in the build tree the tests
    // find it where the build put it.
    for (const QString& folder : {QCoreApplication::applicationDirPath(), QStringLiteral(TUMBARO_SOUND_MODULE_DIR)}) {
        QLibrary module(folder + QStringLiteral("/tumbaro-sound"));
        if (auto make = reinterpret_cast<MakePlayer>(module.resolve("TumbaroMakeSoundPlayer")))
            return make;
    }
    return nullptr;
}

} // namespace

SoundPlayer* MakeSoundPlayer(QObject* owner)
{
    static const MakePlayer make = LoadModule();
    return make ? make(owner) : nullptr;
}

} // namespace tumbaro
