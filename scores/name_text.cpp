#include "scores/name_text.h"

namespace tumbaro {

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        char32_t code = 0, lowest = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, code = lead & 0x1F, lowest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, code = lead & 0x0F, lowest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07, lowest = 0x10000;
        } else {
            return false;
        }
        if (bytes.size() - i < static_cast<std::size_t>(length))
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

std::string LineAsUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            text += ch;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

bool HoldsControlCharacter(std::string_view bytes)
{
    const std::string text = LineAsUtf8(bytes);
    const std::string_view view(text);
    for (std::size_t i = 0; i < view.size(); ++i) {
        const auto byte = static_cast<unsigned char>(view[i]);
        if (byte < 0x20 || byte == 0x7F)
            return true;
        // C1 controls are U+0080..U+009F, "\xC2\x80".."\xC2\x9F"; the line and
        // paragraph separators are "\xE2\x80\xA8" and "\xE2\x80\xA9".
        const auto next = i + 1 < view.size() ? static_cast<unsigned char>(view[i + 1]) : 0;
        if (byte == 0xC2 && next >= 0x80 && next <= 0x9F)
            return true;
        if (byte == 0xE2 && next == 0x80 && i + 2 < view.size()
            && (view[i + 2] == '\xA8' || view[i + 2] == '\xA9'))
            return true;
    }
    return false;
}

} // namespace tumbaro
