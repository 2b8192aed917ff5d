// The window's zooms: how large a window fits a screen, the steps the keys
// take, and the zoom kept in the settings store.

#include "platform/registry_store.h"
#include "ui/settings/zoom_setting.h"
#include "ui/zoom/zoom_steps.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace tumbaro::test {
namespace {

TEST(Zoom, TheLargestThatFitsAndTheStepsUpToIt)
{
    const QSize window(792, 572);
    const struct { const char* what; double scale; QSize room; int largest; } screens[] = {
        {"a laptop at 1.5 is too small for 100 %", 1.5, {1366, 768}, 89}, {"just room", 1, {792, 572}, 100},
        {"a wide screen by its height", 1, {2560, 1440}, 251}, {"never below the smallest", 1, {99, 99}, 25},
    };
    for (const auto& s : screens)
        EXPECT_EQ(LargestFittingZoom(window, s.scale, s.room), s.largest) << s.what;

    const struct { int zoom, largest, in, out; } steps[] = {{100, 251, 125, 100}, {250, 251, 250, 225},
        {110, 251, 125, 100}, {89, 89, 89, 89}, {89, 120, 100, 89}, {150, 120, 150, 125}, {40, 200, 100, 40}};
    for (const auto& s : steps) {
        EXPECT_EQ(ZoomedIn(s.zoom, s.largest), s.in) << s.zoom << " within " << s.largest;
        EXPECT_EQ(ZoomedOut(s.zoom), s.out) << s.zoom;
    }
}

TEST(Zoom, OnlyASoundStoredZoomIsRead)
{
    QTemporaryDir dir;
    Registry store((dir.path() + QStringLiteral("/registry")).toStdString());
    EXPECT_EQ(ReadZoom(store), 100) << "nothing stored";
    for (const auto& [stored, read] : std::initializer_list<std::pair<int, int>>{{175, 175}, {10, 100}, {900, 100}}) {
        StoreZoom(store, stored);
        EXPECT_EQ(ReadZoom(store), read) << stored;
    }
}

} // namespace
} // namespace tumbaro::test
