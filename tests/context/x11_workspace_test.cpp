// The frontmost-application source against a real X server: the test plays
// the window manager and sets _NET_ACTIVE_WINDOW on the root window.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QProcess>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "context/workspace_monitor.h"
#include "test_support.h"

// Xlib's macros (Bool, Status, None) clash with Qt and GoogleTest: last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using namespace tocko;
using tocko::test::waitUntil;
namespace fs = std::filesystem;

namespace {

using Opt = std::optional<std::string>;
using Report = std::pair<Opt, Opt>;

class FakeWindowManager {
public:
    explicit FakeWindowManager(Display* d) : d_(d), root_(DefaultRootWindow(d)) {
        active_ = XInternAtom(d_, "_NET_ACTIVE_WINDOW", False);
        gtkID_ = XInternAtom(d_, "_GTK_APPLICATION_ID", False);
        utf8_ = XInternAtom(d_, "UTF8_STRING", False);
    }
    ~FakeWindowManager() {
        XDeleteProperty(d_, root_, active_);
        for (Window w : windows_) XDestroyWindow(d_, w);
        XCloseDisplay(d_);
    }
    Window window(const char* instance, const char* cls, const char* gtkID = nullptr) {
        Window w = XCreateSimpleWindow(d_, root_, 0, 0, 10, 10, 0, 0, 0);
        XClassHint hint{const_cast<char*>(instance), const_cast<char*>(cls)};
        XSetClassHint(d_, w, &hint);
        if (gtkID)
            XChangeProperty(d_, w, gtkID_, utf8_, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(gtkID), int(strlen(gtkID)));
        windows_.push_back(w);
        XSync(d_, False);
        return w;
    }
    void activate(Window w) {
        unsigned long value = w;
        XChangeProperty(d_, root_, active_, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&value), 1);
        XSync(d_, False);
    }
    void clear() {
        XDeleteProperty(d_, root_, active_);
        XSync(d_, False);
    }
    void destroy(Window w) {
        XDestroyWindow(d_, w);
        std::erase(windows_, w);
        XSync(d_, False);
    }

private:
    Display* d_;
    Window root_;
    Atom active_, gtkID_, utf8_;
    std::vector<Window> windows_;
};

// The server resets for a moment whenever its last client leaves (as when a
// previous test closed its connections), refusing connections meanwhile.
Display* openDisplay(const char* name = nullptr) {
    Display* d = nullptr;
    waitUntil([&] { return (d = XOpenDisplay(name)) != nullptr; }, std::chrono::seconds(3));
    return d;
}

void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

TEST(X11Workspace, FollowsTheActiveWindowAsTheWindowManagerSetsIt) {
    Display* d = openDisplay();
    if (!d)
        GTEST_SKIP() << "no X display reachable (DISPLAY=" << (getenv("DISPLAY") ? getenv("DISPLAY") : "")
                     << "); run with . scripts/services.sh";
    FakeWindowManager wm(d);
    wm.clear();

    const fs::path apps = fs::path(getenv("XDG_DATA_HOME")) / "applications";
    writeText(apps / "tocko-test-editor.desktop",
              "[Desktop Entry]\nType=Application\nName=Test Editor\nStartupWMClass=TockoEditorClass\n");
    writeText(apps / "org.tocko.GtkDemo.desktop", "[Desktop Entry]\nType=Application\nName=GTK Demo\n");

    const Window editor = wm.window("tockoed", "TockoEditorClass");
    const Window gtk = wm.window("gtkdemo", "Org.tocko.GtkDemo", "org.tocko.GtkDemo");
    const Window plain = wm.window("plainapp", "TockoPlain");
    const Window doomed = wm.window("doomed", "Doomed");

    std::vector<Report> seen;
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); });
    monitor.start();
    ASSERT_EQ(seen, std::vector<Report>{Report(std::nullopt, std::nullopt)});

    auto expectNext = [&](Window w, const Report& want) {
        const size_t before = seen.size();
        wm.activate(w);
        ASSERT_TRUE(waitUntil([&] { return seen.size() > before; })) << "no report for window " << w;
        EXPECT_EQ(seen.size(), before + 1);
        EXPECT_EQ(seen.back(), want);
    };
    expectNext(editor, {"tocko-test-editor", "Test Editor"});
    expectNext(gtk, {"org.tocko.GtkDemo", "GTK Demo"});
    expectNext(editor, {"tocko-test-editor", "Test Editor"});
    // Rewriting the same active window is not an activation.
    wm.activate(editor);
    expectNext(plain, {"TockoPlain", "TockoPlain"});
    // A window that is gone by the time we ask, and no active window at all.
    wm.destroy(doomed);
    expectNext(doomed, {std::nullopt, std::nullopt});
    expectNext(gtk, {"org.tocko.GtkDemo", "GTK Demo"});
    expectNext(None, {std::nullopt, std::nullopt});
}

TEST(X11Workspace, InitialReportNamesTheWindowAlreadyActive) {
    Display* d = openDisplay();
    if (!d) GTEST_SKIP() << "no X display reachable";
    FakeWindowManager wm(d);
    wm.activate(wm.window("already", "AlreadyThere"));
    std::vector<Report> seen;
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); });
    tocko::test::LogCapture logs;
    monitor.start();
    EXPECT_EQ(seen, std::vector<Report>{Report("AlreadyThere", "AlreadyThere")});
    EXPECT_EQ(logs.traces(),
              std::vector<std::string>{
                  "[Tocko] WorkspaceMonitor: observer active, initial frontmost = AlreadyThere"});
}

TEST(X11Workspace, WithoutAnXDisplayEverythingIsAbsent) {
    const char* saved = getenv("DISPLAY");
    std::string keep = saved ? saved : "";
    unsetenv("DISPLAY");
    auto source = makeFrontmostAppSource();
    if (saved) setenv("DISPLAY", keep.c_str(), 1);
    EXPECT_EQ(source->frontmost(), FrontmostApp{});
    std::vector<Report> seen;
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); },
                             std::move(source));
    monitor.start();
    EXPECT_EQ(seen, std::vector<Report>{Report(std::nullopt, std::nullopt)});
}

TEST(X11Workspace, AVanishedServerEndsTheWatchNotTheProcess) {
    const QString name = ":" + QString::number(150 + getpid() % 100);
    QProcess xvfb;
    xvfb.setStandardErrorFile(QProcess::nullDevice());
    xvfb.start("Xvfb", {name, "-screen", "0", "320x200x24", "-nolisten", "tcp"});
    if (!xvfb.waitForStarted(5000)) GTEST_SKIP() << "Xvfb not available";
    Display* probe = openDisplay(name.toUtf8().constData());
    if (!probe) GTEST_SKIP() << "private Xvfb did not come up";

    const QByteArray saved = qgetenv("DISPLAY");
    qputenv("DISPLAY", name.toUtf8());
    auto source = makeFrontmostAppSource();
    qputenv("DISPLAY", saved);
    FrontmostAppSource* raw = source.get();
    std::vector<Report> seen;
    {
        WorkspaceMonitor watched([&](const Opt& id, const Opt& n) { seen.emplace_back(id, n); },
                                 std::move(source));
        {
            FakeWindowManager wm(probe);  // closes its connection before the server goes
            const Window w = wm.window("before", "BeforeTheEnd");
            wm.activate(w);
            watched.start();
        }
        ASSERT_EQ(seen, std::vector<Report>{Report("BeforeTheEnd", "BeforeTheEnd")});
        xvfb.terminate();
        xvfb.waitForFinished(5000);
        waitUntil([] { return false; }, std::chrono::milliseconds(300));
        EXPECT_EQ(raw->frontmost(), FrontmostApp{});
    }
    // Reaching this line is the point: the lost connection did not end the process.
    EXPECT_LE(seen.size(), 2u);
}
