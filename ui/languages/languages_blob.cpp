// The translations' resource file, built into the program byte for byte.
// Nothing reads these pages unless a translation is taken.

#include <QResource>

__asm__(".section .rodata\n"
        ".balign 16\n"
        "tumbaro_languages_rcc:\n"
        ".incbin \"" TUMBARO_LANGUAGES_RCC "\"\n"
        ".previous\n");

extern "C" const unsigned char tumbaro_languages_rcc[];

namespace tumbaro {

void RegisterLanguageResources()
{
    static const bool registered = QResource::registerResource(tumbaro_languages_rcc);
    (void)registered;
}

} // namespace tumbaro
