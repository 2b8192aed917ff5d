#pragma once
// The zoom the player chose, kept in the settings store beside the scheme as
// "Zoom", in whole percent. The zoom a small screen forces is not kept: on a
// larger screen the chosen one comes back.

namespace tumbaro {

class Registry;

// 100 unless the store holds a zoom between the smallest and the largest.
int ReadZoom(Registry& registry);
// Remembers `zoom`; a store that can't be written keeps it for this run only.
void StoreZoom(Registry& registry, int zoom);

} // namespace tumbaro
