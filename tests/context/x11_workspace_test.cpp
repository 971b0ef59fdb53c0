// The frontmost-application source against real X servers: on DISPLAY's the
// test plays the window manager and sets _NET_ACTIVE_WINDOW on the root
// window itself; private Xvfb servers may go away, or have openbox manage them.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QProcess>
#include <cstring>
#include <filesystem>

#include "context/workspace_monitor.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/x11_frontmost_source.h"
#include "tests/common/test_support.h"

// Xlib's macros (Bool, Status, None) clash with Qt and GoogleTest: last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using namespace tocko;
using namespace std::chrono_literals;
using tocko::test::waitUntil;
using tocko::test::writeText;
namespace fs = std::filesystem;

namespace {

using Opt = std::optional<std::string>;
using Report = std::pair<Opt, Opt>;

// The server resets for a moment whenever its last client leaves (as when a
// previous test closed its connections), refusing connections meanwhile.
Display* openDisplay(const char* name) {
    Display* d = nullptr;
    waitUntil([&] { return (d = XOpenDisplay(name)) != nullptr; }, 3s);
    return d;
}

void pause(std::chrono::milliseconds period) {
    waitUntil([] { return false; }, period);
}

// An X server and a connection to it: DISPLAY's, or a private Xvfb, bare or
// with openbox managing its windows.
class XServer {
public:
    XServer() : d_(openDisplay(nullptr)) {}
    enum Kind { Bare, Managed };
    explicit XServer(Kind kind) : managed_(kind == Managed) {
        // A display number nobody holds (other X servers may run here).
        int number = 250 + getpid() % 50;
        while (fs::exists("/tmp/.X" + std::to_string(number) + "-lock") && number < 400) ++number;
        name_ = ":" + QString::number(number);
        xvfb_.setStandardErrorFile(QProcess::nullDevice());
        xvfb_.start("Xvfb", {name_, "-screen", "0", "800x600x24", "-nolisten", "tcp"});
        if (!xvfb_.waitForStarted(5000) || !(d_ = openDisplay(name_.toUtf8().constData())) || !managed_)
            return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", name_);
        wm_.setProcessEnvironment(env);
        wm_.setStandardErrorFile(QProcess::nullDevice());
        wm_.start("openbox", {"--sm-disable"});
        if (!wm_.waitForStarted(5000) ||
            !waitUntil([&] { return windowProperty(root(), "_NET_SUPPORTING_WM_CHECK") != None; }, 5s))
            stop();
    }
    ~XServer() {
        if (d_ && name_.isEmpty()) clearActive();
        stop();
    }
    bool ready() const { return d_ != nullptr; }
    Window root() const { return DefaultRootWindow(d_); }

    // Closes this connection (Xlib would end the process on a lost one) and
    // then the private server.
    void stop() {
        if (d_) XCloseDisplay(d_);
        d_ = nullptr;
        wm_.kill();
        wm_.waitForFinished(2000);
        xvfb_.terminate();
        xvfb_.waitForFinished(5000);
    }
    // A frontmost-application source on this server.
    std::unique_ptr<FrontmostAppSource> source() {
        if (name_.isEmpty()) return makeFrontmostAppSource();
        tocko::test::ScopedEnv display("DISPLAY", name_.toUtf8().constData());
        return makeX11FrontmostAppSource();
    }

    // Another application's window; with `own`, one of this very process, as
    // Tocko's panel would be: Qt sets _NET_WM_PID on every window it makes.
    Window window(const char* instance, const char* cls, const char* gtkID = nullptr, bool own = false) {
        Window w = XCreateSimpleWindow(d_, root(), 0, 0, 200, 100, 0, 0, 0);
        XClassHint hint{const_cast<char*>(instance), const_cast<char*>(cls)};
        XSetClassHint(d_, w, &hint);
        if (gtkID)
            XChangeProperty(d_, w, atom("_GTK_APPLICATION_ID"), atom("UTF8_STRING"), 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(gtkID), int(strlen(gtkID)));
        const unsigned long pid = static_cast<unsigned long>(getpid());
        if (own)
            XChangeProperty(d_, w, atom("_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&pid), 1);
        if (managed_) XMapWindow(d_, w);
        XSync(d_, False);
        return w;
    }
    void destroy(Window w) {
        XDestroyWindow(d_, w);
        XSync(d_, False);
    }
    // Unmanaged: sets the active window as a window manager does. Managed:
    // asks openbox as a pager would, and waits until it has; asks again while
    // a new window is not managed yet.
    bool activate(Window w) {
        if (!managed_) {
            const unsigned long value = w;
            XChangeProperty(d_, root(), atom("_NET_ACTIVE_WINDOW"), XA_WINDOW, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&value), 1);
            XSync(d_, False);
            return true;
        }
        for (int attempt = 0; attempt < 15; ++attempt) {
            XEvent ev{};
            ev.xclient.type = ClientMessage;
            ev.xclient.window = w;
            ev.xclient.message_type = atom("_NET_ACTIVE_WINDOW");
            ev.xclient.format = 32;
            ev.xclient.data.l[0] = 2;  // from a pager
            ev.xclient.data.l[1] = CurrentTime;
            XSendEvent(d_, root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
            XSync(d_, False);
            if (waitUntil([&] { return windowProperty(root(), "_NET_ACTIVE_WINDOW") == w; }, 200ms))
                return true;
        }
        return false;
    }
    void clearActive() {
        XDeleteProperty(d_, root(), atom("_NET_ACTIVE_WINDOW"));
        XSync(d_, False);
    }

private:
    Atom atom(const char* name) { return XInternAtom(d_, name, False); }
    Window windowProperty(Window w, const char* name) {
        Atom type;
        int format;
        unsigned long n, after;
        unsigned char* data = nullptr;
        Window value = None;
        XGetWindowProperty(d_, w, atom(name), 0, 1, False, XA_WINDOW, &type, &format, &n, &after, &data);
        if (data && n == 1) value = *reinterpret_cast<Window*>(data);
        if (data) XFree(data);
        return value;
    }

    Display* d_ = nullptr;
    bool managed_ = false;
    QString name_;
    QProcess xvfb_, wm_;
};

// A started monitor and what it reported.
struct Watch {
    std::vector<Report> seen;
    WorkspaceMonitor monitor;
    explicit Watch(std::unique_ptr<FrontmostAppSource> source)
        : monitor([this](const Opt& id, const Opt& name) { seen.emplace_back(id, name); },
                  std::move(source)) {
        monitor.start();
    }
};

void writeDesktopFile(const std::string& id, const std::string& name, const std::string& wmClass = {}) {
    writeText(fs::path(getenv("XDG_DATA_HOME")) / "applications" / (id + ".desktop"),
              "[Desktop Entry]\nType=Application\nName=" + name +
                  (wmClass.empty() ? "" : "\nStartupWMClass=" + wmClass) + "\n");
}

}  // namespace

TEST(X11Workspace, FollowsTheActiveWindowAsTheWindowManagerSetsIt) {
    XServer x;
    if (!x.ready())
        GTEST_SKIP() << "no X display reachable (DISPLAY=" << (getenv("DISPLAY") ? getenv("DISPLAY") : "")
                     << "); run with . scripts/services.sh";
    writeDesktopFile("tocko-test-editor", "Test Editor", "TockoEditorClass");
    writeDesktopFile("org.tocko.GtkDemo", "GTK Demo");
    const Window editor = x.window("tockoed", "TockoEditorClass");
    const Window gtk = x.window("gtkdemo", "Org.tocko.GtkDemo", "org.tocko.GtkDemo");
    const Window plain = x.window("plainapp", "TockoPlain");
    const Window doomed = x.window("doomed", "Doomed");

    // The window already active is the first report.
    x.activate(plain);
    tocko::test::LogCapture logs;
    Watch w(x.source());
    ASSERT_EQ(w.seen, std::vector<Report>{Report("TockoPlain", "TockoPlain")});
    EXPECT_EQ(logs.traces(),
              std::vector<std::string>{
                  "[Tocko] WorkspaceMonitor: observer active, initial frontmost = TockoPlain"});

    auto expectNext = [&](Window window, const Report& want) {
        const size_t before = w.seen.size();
        x.activate(window);
        ASSERT_TRUE(waitUntil([&] { return w.seen.size() > before; })) << "no report for window " << window;
        EXPECT_EQ(w.seen.size(), before + 1);
        EXPECT_EQ(w.seen.back(), want);
    };
    expectNext(editor, {"tocko-test-editor", "Test Editor"});
    expectNext(gtk, {"org.tocko.GtkDemo", "GTK Demo"});
    expectNext(editor, {"tocko-test-editor", "Test Editor"});
    // Rewriting the same active window is not an activation.
    x.activate(editor);
    expectNext(plain, {"TockoPlain", "TockoPlain"});
    // The active window cleared between two windows (the source sees the
    // empty value on its own) is one switch.
    for (Window next : {editor, plain, editor}) {
        x.clearActive();
        pause(30ms);
        expectNext(next, next == editor ? Report{"tocko-test-editor", "Test Editor"}
                                        : Report{"TockoPlain", "TockoPlain"});
    }
    // A window that is gone by the time we ask, and no active window at all.
    x.destroy(doomed);
    expectNext(doomed, {std::nullopt, std::nullopt});
    expectNext(gtk, {"org.tocko.GtkDemo", "GTK Demo"});
    expectNext(None, {std::nullopt, std::nullopt});
    pause(300ms);
    EXPECT_EQ(w.seen.size(), 11u) << "a window switch made more than one report";
}

TEST(X11Workspace, WithoutAnXDisplayEverythingIsAbsent) {
    auto source = [] {
        tocko::test::ScopedEnv display("DISPLAY", nullptr);
        return makeFrontmostAppSource();
    }();
    EXPECT_EQ(source->frontmost(), FrontmostApp{});
    Watch w(std::move(source));
    EXPECT_EQ(w.seen, std::vector<Report>{Report(std::nullopt, std::nullopt)});
}

TEST(X11Workspace, AVanishedServerEndsTheWatchNotTheProcess) {
    XServer x(XServer::Bare);
    if (!x.ready()) GTEST_SKIP() << "private Xvfb did not come up";
    x.activate(x.window("before", "BeforeTheEnd"));
    auto source = x.source();
    FrontmostAppSource* raw = source.get();
    {
        Watch w(std::move(source));
        ASSERT_EQ(w.seen, std::vector<Report>{Report("BeforeTheEnd", "BeforeTheEnd")});
        x.stop();
        pause(300ms);
        EXPECT_EQ(raw->frontmost(), FrontmostApp{});
        EXPECT_LE(w.seen.size(), 2u);
    }
    // Reaching this line is the point: the lost connection did not end the process.
}

TEST(X11Workspace, TockosOwnWindowsLeaveTheApplicationTheUserCameFromInForce) {
    XServer x(XServer::Managed);
    if (!x.ready()) GTEST_SKIP() << "Xvfb with openbox did not come up";
    writeDesktopFile("tocko-alpha", "Alpha", "tockoalpha");
    writeDesktopFile("tocko-beta", "Beta", "tockobeta");
    const Window alpha = x.window("tockoalpha", "tockoalpha");
    const Window beta = x.window("tockobeta", "tockobeta");
    // Each is active once, so both are managed (and no late mapping moves
    // the focus) before the watch starts.
    ASSERT_TRUE(x.activate(beta));
    ASSERT_TRUE(x.activate(alpha));
    Watch w(x.source());
    ASSERT_EQ(w.seen, std::vector<Report>{Report("tocko-alpha", "Alpha")});

    // The panel opens: the window manager makes it active, Alpha stays in force.
    const Window panel = x.window("tocko", "Tocko", nullptr, true);
    ASSERT_TRUE(x.activate(panel));
    pause(400ms);
    EXPECT_EQ(w.seen, std::vector<Report>{Report("tocko-alpha", "Alpha")});

    ASSERT_TRUE(x.activate(beta));
    ASSERT_TRUE(waitUntil([&] { return w.seen.size() == 2; }));
    EXPECT_EQ(w.seen.back(), Report("tocko-beta", "Beta"));
    ASSERT_TRUE(x.activate(panel));
    ASSERT_TRUE(x.activate(alpha));
    ASSERT_TRUE(waitUntil([&] { return w.seen.size() == 3; }));
    EXPECT_EQ(w.seen.back(), Report("tocko-alpha", "Alpha"));
    pause(300ms);
    EXPECT_EQ(w.seen.size(), 3u) << "a window switch made more than one report";
}
