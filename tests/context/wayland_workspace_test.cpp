// The frontmost-application source on a real wlroots compositor (Sway,
// headless) with native Wayland clients: focus moves by swaymsg, reports come
// from zwlr_foreign_toplevel_manager_v1.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "context/workspace_monitor.h"
#include "platform/linux/frontmost_sources.h"
#include "sway_session.h"
#include "tests/common/test_support.h"

using namespace tocko;
using tocko::test::SwaySession;
using tocko::test::waitUntil;
namespace fs = std::filesystem;

namespace {

using Opt = std::optional<std::string>;
using Report = std::pair<Opt, Opt>;

}  // namespace

TEST(WaylandWorkspace, FollowsSwayFocusAcrossNativeClientsAndACompositorRestart) {
    if (!SwaySession::available()) GTEST_SKIP() << "sway or foot not installed";
    SwaySession sway;
    ASSERT_TRUE(sway.ready()) << "sway did not start headless";
    tocko::test::writeText(fs::path(getenv("XDG_DATA_HOME")) / "applications/org.tocko.Writer.desktop",
                           "[Desktop Entry]\nType=Application\nName=Writer\n");
    ASSERT_TRUE(sway.startClient("org.tocko.Writer"));
    ASSERT_TRUE(sway.startClient("org.tocko.Reader"));  // focused now: Sway focuses new windows

    // This process talks to the compositor from here on.
    tocko::test::ScopedEnv runtime("XDG_RUNTIME_DIR", sway.runtimeDir().c_str());
    tocko::test::ScopedEnv display("WAYLAND_DISPLAY", sway.waylandDisplay().c_str());
    auto source = makeWlrFrontmostAppSource();
    ASSERT_TRUE(source) << "the compositor offers no zwlr_foreign_toplevel_manager_v1";
    std::vector<Report> seen;
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); },
                             std::move(source));
    monitor.start();
    ASSERT_EQ(seen, std::vector<Report>{Report("org.tocko.Reader", "org.tocko.Reader")});

    auto focusAndExpect = [&](const std::string& appID, const Report& want) {
        const size_t before = seen.size();
        ASSERT_TRUE(sway.focus(appID));
        ASSERT_TRUE(waitUntil([&] { return seen.size() > before; })) << "no report for " << appID;
        EXPECT_EQ(seen.back(), want);
    };
    focusAndExpect("org.tocko.Writer", {"org.tocko.Writer", "Writer"});
    focusAndExpect("org.tocko.Reader", {"org.tocko.Reader", "org.tocko.Reader"});

    // A toplevel without any app_id: no identity, yet a change.
    ASSERT_TRUE(sway.startClient(""));
    ASSERT_TRUE(waitUntil([&] { return seen.back() == Report(std::nullopt, std::nullopt); }));
    focusAndExpect("org.tocko.Writer", {"org.tocko.Writer", "Writer"});

    // The compositor goes away (closing its windows on the way out): nothing
    // crashes, and once a compositor answers again the source follows it.
    sway.stopCompositor();
    waitUntil([] { return false; }, std::chrono::milliseconds(500));
    ASSERT_TRUE(sway.startCompositor());
    ASSERT_TRUE(sway.startClient("org.tocko.Reader"));
    ASSERT_TRUE(waitUntil([&] { return seen.back() == Report("org.tocko.Reader", "org.tocko.Reader"); },
                          std::chrono::seconds(5)))
        << "no report after the compositor came back";
}

TEST(WaylandWorkspace, NoWlrootsCompositorMeansNoSource) {
    {
        tocko::test::ScopedEnv display("WAYLAND_DISPLAY", "tocko-no-such-display");
        EXPECT_EQ(makeWlrFrontmostAppSource(), nullptr);
    }
    tocko::test::ScopedEnv display("WAYLAND_DISPLAY", nullptr);
    EXPECT_EQ(makeWlrFrontmostAppSource(), nullptr);
}
