#include "ui/settings/zoom_setting.h"

#include "platform/registry_store.h"
#include "platform/stored_value.h"
#include "ui/settings/scheme_setting.h"
#include "ui/zoom/zoom_steps.h"

#include <charconv>
#include <string>

namespace tumbaro {

namespace {

constexpr char ZoomValueName[] = "Zoom";

} // namespace

int ReadZoom(Registry& registry)
{
    const std::string text = ReadStoredString(registry, SchemeKey, ZoomValueName).value_or("");
    int zoom = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), zoom);
    if (error != std::errc() || end != text.data() + text.size() || zoom < SmallestZoom || zoom > LargestZoom)
        return NormalZoom;
    return zoom;
}

void StoreZoom(Registry& registry, int zoom)
{
    // Kept for this run only where the store can't be written.
    StoreString(registry, SchemeKey, ZoomValueName, std::to_string(zoom));
}

} // namespace tumbaro
