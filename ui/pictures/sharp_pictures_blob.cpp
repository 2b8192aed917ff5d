// The sharp pictures' resource file, built into the program byte for byte.
// Nothing reads these pages until RegisterSharpPictures hands them to Qt.

#include "picture_density.h"

#include <QResource>

__asm__(".section .rodata\n"
        ".balign 16\n"
        "tumbaro_sharp_pictures_rcc:\n"
        ".incbin \"" TUMBARO_SHARP_RCC "\"\n"
        ".previous\n");

extern "C" const unsigned char tumbaro_sharp_pictures_rcc[];

namespace tumbaro {

void RegisterSharpPictures()
{
    static const bool registered = QResource::registerResource(tumbaro_sharp_pictures_rcc);
    (void)registered;
}

} // namespace tumbaro
