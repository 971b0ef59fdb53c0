// The frontmost-application source against a real X server: the test plays
// the window manager and sets _NET_ACTIVE_WINDOW on the root window.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QProcess>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "context/workspace_monitor.h"
#include "platform/linux/linux_platform.h"
#include "tests/common/test_support.h"

// Xlib's macros (Bool, Status, None) clash with Qt and GoogleTest: last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using namespace tocko;
using tocko::test::waitUntil;
using tocko::test::writeText;
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
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); },
                             makeFrontmostAppSource());
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
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); },
                             makeFrontmostAppSource());
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

namespace {

// A private X server with a real window manager (openbox) on it.
class ManagedDisplay {
public:
    ManagedDisplay() {
        // A display number nobody holds (other X servers may run here).
        int number = 250 + getpid() % 50;
        while (fs::exists("/tmp/.X" + std::to_string(number) + "-lock") && number < 400) ++number;
        name_ = ":" + QString::number(number);
        xvfb_.setStandardErrorFile(QProcess::nullDevice());
        xvfb_.start("Xvfb", {name_, "-screen", "0", "800x600x24", "-nolisten", "tcp"});
        if (!xvfb_.waitForStarted(5000)) return;
        display_ = openDisplay(name_.toUtf8().constData());
        if (!display_) return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", name_);
        wm_.setProcessEnvironment(env);
        wm_.setStandardErrorFile(QProcess::nullDevice());
        wm_.start("openbox", {"--sm-disable"});
        if (!wm_.waitForStarted(5000)) return;
        const Atom check = XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False);
        managed_ = waitUntil(
            [&] {
                Atom type;
                int format;
                unsigned long n, after;
                unsigned char* data = nullptr;
                XGetWindowProperty(display_, DefaultRootWindow(display_), check, 0, 1, False, XA_WINDOW,
                                   &type, &format, &n, &after, &data);
                if (data) XFree(data);
                return n == 1;
            },
            std::chrono::seconds(5));
    }
    ~ManagedDisplay() {
        for (QProcess* p : clients_) {
            p->kill();
            p->waitForFinished(2000);
            delete p;
        }
        if (display_) XCloseDisplay(display_);
        wm_.kill();
        wm_.waitForFinished(2000);
        xvfb_.terminate();
        xvfb_.waitForFinished(5000);
    }
    bool ready() const { return managed_; }
    Display* display() const { return display_; }
    const QString& name() const { return name_; }

    // Another application's window, by its WM_CLASS instance name.
    Window startClient(const QString& instance) {
        auto* p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", name_);
        p->setProcessEnvironment(env);
        p->start("xmessage", {"-name", instance, "-timeout", "60", instance});
        clients_.push_back(p);
        Window found = None;
        waitUntil([&] { return (found = findByInstance(instance.toStdString())) != None; },
                  std::chrono::seconds(5));
        return found;
    }
    // A window of this very process, as Tocko's panel would be: Qt sets
    // _NET_WM_PID on every window it makes.
    Window ownWindow() {
        Window w = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 200, 100, 0, 0, 0);
        XClassHint hint{const_cast<char*>("tocko"), const_cast<char*>("Tocko")};
        XSetClassHint(display_, w, &hint);
        const unsigned long pid = static_cast<unsigned long>(getpid());
        XChangeProperty(display_, w, XInternAtom(display_, "_NET_WM_PID", False), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
        XMapWindow(display_, w);
        XSync(display_, False);
        return w;
    }
    // Asks the window manager to activate `w`, as a pager would, and waits
    // until it has; asks again while a new window is not managed yet.
    bool activate(Window w) {
        const Atom active = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
        for (int attempt = 0; attempt < 15; ++attempt) {
            XEvent ev{};
            ev.xclient.type = ClientMessage;
            ev.xclient.window = w;
            ev.xclient.message_type = active;
            ev.xclient.format = 32;
            ev.xclient.data.l[0] = 2;  // from a pager
            ev.xclient.data.l[1] = CurrentTime;
            XSendEvent(display_, DefaultRootWindow(display_), False,
                       SubstructureRedirectMask | SubstructureNotifyMask, &ev);
            XSync(display_, False);
            if (waitUntil([&] { return activeWindow() == w; }, std::chrono::milliseconds(200))) return true;
        }
        return false;
    }
    Window activeWindow() {
        Atom type;
        int format;
        unsigned long n, after;
        unsigned char* data = nullptr;
        Window w = None;
        XGetWindowProperty(display_, DefaultRootWindow(display_),
                           XInternAtom(display_, "_NET_ACTIVE_WINDOW", False), 0, 1, False, XA_WINDOW, &type,
                           &format, &n, &after, &data);
        if (data && n == 1) w = *reinterpret_cast<Window*>(data);
        if (data) XFree(data);
        return w;
    }

private:
    Window findByInstance(const std::string& instance) {
        Window root, parent, *children = nullptr;
        unsigned n = 0;
        Window found = None;
        std::vector<Window> todo{DefaultRootWindow(display_)};
        while (!todo.empty() && found == None) {
            const Window w = todo.back();
            todo.pop_back();
            XClassHint hint{nullptr, nullptr};
            if (XGetClassHint(display_, w, &hint)) {
                if (hint.res_name && instance == hint.res_name) found = w;
                if (hint.res_name) XFree(hint.res_name);
                if (hint.res_class) XFree(hint.res_class);
            }
            if (XQueryTree(display_, w, &root, &parent, &children, &n)) {
                for (unsigned i = 0; i < n; ++i) todo.push_back(children[i]);
                if (children) XFree(children);
            }
        }
        return found;
    }

    QString name_;
    QProcess xvfb_, wm_;
    std::vector<QProcess*> clients_;
    Display* display_ = nullptr;
    bool managed_ = false;
};

}  // namespace

TEST(X11Workspace, TockosOwnWindowsLeaveTheApplicationTheUserCameFromInForce) {
    ManagedDisplay x;
    if (!x.ready()) GTEST_SKIP() << "Xvfb with openbox did not come up";
    const fs::path apps = fs::path(getenv("XDG_DATA_HOME")) / "applications";
    writeText(apps / "tocko-alpha.desktop",
              "[Desktop Entry]\nType=Application\nName=Alpha\nStartupWMClass=tockoalpha\n");
    writeText(apps / "tocko-beta.desktop",
              "[Desktop Entry]\nType=Application\nName=Beta\nStartupWMClass=tockobeta\n");
    const Window alpha = x.startClient("tockoalpha");
    const Window beta = x.startClient("tockobeta");
    ASSERT_NE(alpha, Window(None));
    ASSERT_NE(beta, Window(None));
    // Each is active once, so both are managed (and no late mapping moves
    // the focus) before the watch starts.
    ASSERT_TRUE(x.activate(beta));
    ASSERT_TRUE(x.activate(alpha));

    const QByteArray saved = qgetenv("DISPLAY");
    qputenv("DISPLAY", x.name().toUtf8());
    qputenv("TOCKO_FRONTMOST_SOURCE", "x11");
    auto source = makeFrontmostAppSource();
    qputenv("DISPLAY", saved);
    qunsetenv("TOCKO_FRONTMOST_SOURCE");
    std::vector<Report> seen;
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); },
                             std::move(source));
    monitor.start();
    ASSERT_EQ(seen, std::vector<Report>{Report("tocko-alpha", "Alpha")});

    // The panel opens: the window manager makes it active, Alpha stays in force.
    const Window panel = x.ownWindow();
    ASSERT_TRUE(x.activate(panel));
    waitUntil([] { return false; }, std::chrono::milliseconds(400));
    EXPECT_EQ(seen, std::vector<Report>{Report("tocko-alpha", "Alpha")});

    ASSERT_TRUE(x.activate(beta));
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 2; }));
    EXPECT_EQ(seen.back(), Report("tocko-beta", "Beta"));
    ASSERT_TRUE(x.activate(panel));
    ASSERT_TRUE(x.activate(alpha));
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 3; }));
    EXPECT_EQ(seen.back(), Report("tocko-alpha", "Alpha"));
    waitUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(seen.size(), 3u) << "a window switch made more than one report";
}

TEST(X11Workspace, AnActiveWindowClearedBetweenTwoWindowsIsOneSwitch) {
    Display* d = openDisplay();
    if (!d) GTEST_SKIP() << "no X display reachable";
    FakeWindowManager wm(d);
    const Window one = wm.window("one", "TockoOne");
    const Window two = wm.window("two", "TockoTwo");
    wm.activate(one);
    std::vector<Report> seen;
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); },
                             makeFrontmostAppSource());
    monitor.start();
    for (size_t i = 0; i < 3; ++i) {
        // The source sees the empty value on its own before the next window.
        wm.clear();
        waitUntil([] { return false; }, std::chrono::milliseconds(30));
        wm.activate(i % 2 ? one : two);
        ASSERT_TRUE(waitUntil([&] { return seen.size() == i + 2; }));
    }
    waitUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(seen, (std::vector<Report>{{"TockoOne", "TockoOne"},
                                         {"TockoTwo", "TockoTwo"},
                                         {"TockoOne", "TockoOne"},
                                         {"TockoTwo", "TockoTwo"}}));
}
