// The Linux sources behind the monitors: desktop entries naming windows and
// Wayland app ids, and the secure-input probe's process names from /proc.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/linux/desktop_entries.h"
#include "platform/linux/frontmost_sources.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/proc_names.h"
#include "platform/linux/x11_frontmost_source.h"
#include "tests/common/test_support.h"

using namespace tocko;
using namespace std::chrono_literals;
namespace fs = std::filesystem;
using tocko::test::writeText;

TEST(DesktopEntries, ParsesTheMainGroupWithLocalizedNames) {
    const std::string text =
        "# comment\n[Desktop Entry]\nType=Application\nName=Files\nName[de]=Dateien\nName[de_AT]=Dateien AT\n"
        "StartupWMClass = org.gnome.Nautilus\n\n[Desktop Action new]\nName=New Window\n";
    auto e = parseDesktopEntry(text, "org.gnome.Nautilus", "de_DE.UTF-8");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->name, "Dateien");
    EXPECT_EQ(e->startupWMClass, "org.gnome.Nautilus");
    EXPECT_EQ(parseDesktopEntry(text, "x", "de_AT.UTF-8@euro")->name, "Dateien AT");
    EXPECT_EQ(parseDesktopEntry(text, "x", "C")->name, "Files");
    EXPECT_FALSE(parseDesktopEntry("[Desktop Entry]\nName=Gone\nHidden=true\n", "x", "C"));
    EXPECT_FALSE(parseDesktopEntry("[Desktop Entry]\nName=Site\nType=Link\n", "x", "C"));
    EXPECT_FALSE(parseDesktopEntry("[Other]\nName=Nope\n", "x", "C"));
}

TEST(DesktopEntries, EarlierFoldersWinAndWindowsAndWaylandIDsFindTheirApplication) {
    const fs::path root = fs::path(tocko::test::isolatedHome()) / "desktop-entries";
    fs::remove_all(root);
    const std::string user = (root / "user/applications").string(),
                      system = (root / "system/applications").string();
    writeText(fs::path(system) / "editor.desktop",
              "[Desktop Entry]\nName=System Editor\nStartupWMClass=EdClass\n");
    writeText(fs::path(user) / "editor.desktop", "[Desktop Entry]\nName=My Editor\nStartupWMClass=EdClass\n");
    writeText(fs::path(system) / "kde/viewer.desktop", "[Desktop Entry]\nName=Viewer\n");
    writeText(fs::path(system) / "xterm.desktop", "[Desktop Entry]\nName=XTerm\n");
    writeText(fs::path(user) / "hidden.desktop", "[Desktop Entry]\nName=Hidden\nHidden=true\n");
    writeText(fs::path(system) / "hidden.desktop", "[Desktop Entry]\nName=Shown\n");
    writeText(fs::path(system) / "org.gtk.Demo.desktop", "[Desktop Entry]\nName=GTK Demo\n");
    writeText(fs::path(system) / "firefox-esr.desktop",
              "[Desktop Entry]\nName=Firefox\nStartupWMClass=ff-esr\n");
    DesktopEntries entries({user, system}, "C");

    EXPECT_EQ(entries.byID("editor")->name, "My Editor");
    EXPECT_EQ(entries.byID("kde-viewer")->name, "Viewer");
    EXPECT_FALSE(entries.byID("hidden"));
    EXPECT_EQ(entries.byStartupWMClass("EdClass")->id, "editor");

    auto id = [&](WindowClassInfo info) { return identifyApplication(info, entries); };
    EXPECT_EQ(id({std::nullopt, "ed", "EdClass"}), (FrontmostApp{"editor", "My Editor"}));
    EXPECT_EQ(id({"org.gtk.Demo", "demo", "Org.gtk.Demo"}), (FrontmostApp{"org.gtk.Demo", "GTK Demo"}));
    EXPECT_EQ(id({"org.gtk.Unknown", "unknown", "Org.gtk.Unknown"}),
              (FrontmostApp{"org.gtk.Unknown", "Org.gtk.Unknown"}));
    EXPECT_EQ(id({std::nullopt, "xterm", "XTerm"}), (FrontmostApp{"xterm", "XTerm"}));
    EXPECT_EQ(id({std::nullopt, "plain", "PlainClass"}), (FrontmostApp{"PlainClass", "PlainClass"}));
    EXPECT_EQ(id({}), (FrontmostApp{}));

    // A Wayland app_id names the same application: the desktop file id in
    // any case, or (older toolkits) the window class an X11 rule was written for.
    using F = FrontmostApp;
    EXPECT_EQ(identifyAppID("ORG.gtk.demo", entries), (F{"org.gtk.Demo", "GTK Demo", {}}));
    EXPECT_EQ(identifyAppID("ff-esr", entries), (F{"firefox-esr", "Firefox", {}}));
    EXPECT_EQ(id({std::nullopt, "Navigator", "ff-esr"}).bundleID, "firefox-esr");
    EXPECT_EQ(identifyAppID("foot", entries), (F{"foot", "foot", {}}));
    EXPECT_EQ(identifyAppID(std::nullopt, entries), F{});
    EXPECT_EQ(identifyAppID(std::nullopt, entries, "EdClass"), (F{"editor", "My Editor", {}}));

    // Installing an application later is noticed.
    writeText(fs::path(user) / "late.desktop", "[Desktop Entry]\nName=Late\nStartupWMClass=LateClass\n");
    fs::last_write_time(user, fs::file_time_type::clock::now() + 5s);
    EXPECT_EQ(id({std::nullopt, "late", "LateClass"}), (FrontmostApp{"late", "Late"}));
}

TEST(SecureInputMonitor, LinuxProbeIsOffUntilItWatchesAndNamesProcessesFromProc) {
    auto probe = makeSecureInputProbe();
    EXPECT_FALSE(probe->isSecureInputEnabled());
    EXPECT_EQ(probe->holderPID(), std::nullopt);

    std::string self = fs::read_symlink("/proc/self/exe").filename().string();
    EXPECT_EQ(probe->applicationName(getpid()), self);
    EXPECT_EQ(probe->applicationName(0), std::nullopt);

    const fs::path proc = fs::path(tocko::test::isolatedHome()) / "proc";
    writeText(proc / "77/cmdline", std::string("/opt/evil\nname\tapp\0--flag\0", 25));
    writeText(proc / "78/cmdline", "");
    writeText(proc / "78/comm", "kworker/0:1\n");
    EXPECT_EQ(processName(77, proc.string()), "evil name app");
    EXPECT_EQ(processName(78, proc.string()), "kworker/0:1");
    EXPECT_EQ(processName(79, proc.string()), std::nullopt);
}
