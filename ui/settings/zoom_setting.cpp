#include "ui/settings/zoom_setting.h"

#include "platform/registry_store.h"
#include "ui/settings/scheme_setting.h"
#include "ui/zoom/zoom_steps.h"

#include <charconv>
#include <exception>
#include <string>

namespace tumbaro {

namespace {

constexpr char ZoomValueName[] = "Zoom";

struct KeyCloser {
    Registry& registry;
    ~KeyCloser() { registry.CloseKey(); }
};

} // namespace

int ReadZoom(Registry& registry)
{
    KeyCloser closer{registry};
    try {
        if (!registry.OpenKeyForReading(SchemeKey))
            return NormalZoom;
        const std::string text = registry.ReadString(ZoomValueName);
        int zoom = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), zoom);
        if (error != std::errc() || end != text.data() + text.size() || zoom < SmallestZoom || zoom > LargestZoom)
            return NormalZoom;
        return zoom;
    } catch (const std::exception&) {
        return NormalZoom;
    }
}

void StoreZoom(Registry& registry, int zoom)
{
    KeyCloser closer{registry};
    try {
        if (registry.OpenKey(SchemeKey, true))
            registry.WriteString(ZoomValueName, std::to_string(zoom));
    } catch (const std::exception&) {
        // Kept for this run only.
    }
}

} // namespace tumbaro
