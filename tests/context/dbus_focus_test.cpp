// The KDE Plasma and GNOME Shell sources of the frontmost application, on a
// private session bus. kwin_wayland and gnome-shell are not installed on the
// CI machine (each pulls a whole desktop from the Debian archive, far beyond
// CI's time budget, and gnome-shell --headless needs a systemd user session
// this machine does not have), so a scripted stand-in takes their place on
// the bus: it owns the compositor's well-known name, answers KWin's scripting
// interface, and reports focus as the KWin script and the Shell extension do.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "context/workspace_monitor.h"
#include "platform/linux/frontmost_sources.h"
#include "tests/common/test_support.h"

using namespace tocko;
using tocko::test::waitUntil;
namespace fs = std::filesystem;

namespace {

using Opt = std::optional<std::string>;
using Report = std::pair<Opt, Opt>;

// One dbus-daemon for this test process, made its session bus before anything
// connects to it.
pid_t gBusDaemon = 0;

bool privateSessionBus() {
    static const bool started = [] {
        std::istringstream out(
            tocko::test::commandOutput("dbus-daemon --session --fork --print-address=1 --print-pid=1"));
        std::string address;
        out >> address >> gBusDaemon;
        if (gBusDaemon <= 0 || address.empty()) return false;
        std::atexit([] { ::kill(gBusDaemon, SIGTERM); });  // it would outlive the test process
        setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
        return true;
    }();
    return started;
}

QString busAddress() { return qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"); }

// Stands in for KWin's org.kde.kwin.Scripting and for the reporter inside the
// compositor, on a connection of its own that owns `name`.
class CompositorStandIn : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.kwin.Scripting")
public:
    CompositorStandIn(const QString& connectionName, const QString& name)
        : bus_(QDBusConnection::connectToBus(busAddress(), connectionName)), connectionName_(connectionName) {
        bus_.registerObject("/Scripting", this, QDBusConnection::ExportScriptableSlots);
        owns_ = bus_.registerService(name);
    }
    ~CompositorStandIn() override { QDBusConnection::disconnectFromBus(connectionName_); }
    bool ownsName() const { return owns_; }

    // What the KWin script and the extension send for a newly active window.
    void report(const QString& appID, const QString& resourceClass, const QString& pid = {}) {
        reportFrom(bus_, appID, resourceClass, pid);
    }
    static void reportFrom(QDBusConnection bus, const QString& appID, const QString& resourceClass,
                           const QString& pid = {}) {
        QDBusMessage m = QDBusMessage::createMethodCall("com.pollix.Tocko", "/com/pollix/Tocko/Focus",
                                                        "com.pollix.Tocko.Focus", "Activated");
        m << appID << resourceClass << QString("a caption") << pid;
        bus.send(m);
    }

    QStringList loadedScripts;  // file contents, in load order
    int unloads = 0;
    int runs = 0;

public slots:
    Q_SCRIPTABLE int loadScript(const QString& path, const QString& plugin) {
        Q_UNUSED(plugin);
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        loadedScripts << QString::fromUtf8(f.readAll());
        return int(loadedScripts.size()) - 1;
    }
    Q_SCRIPTABLE bool unloadScript(const QString&) {
        ++unloads;
        return true;
    }
    Q_SCRIPTABLE void start() { ++runs; }

private:
    QDBusConnection bus_;
    QString connectionName_;
    bool owns_ = false;
};

}  // namespace

TEST(DBusFocus, OnlyKWinsConnectionMayReportAndARestartedKWinGetsTheScriptAgain) {
    ASSERT_TRUE(privateSessionBus()) << "dbus-daemon did not start";
    tocko::test::writeText(fs::path(getenv("XDG_DATA_HOME")) / "applications/org.kde.konsole.desktop",
                           "[Desktop Entry]\nType=Application\nName=Konsole\nStartupWMClass=konsole\n");

    auto kwin = std::make_unique<CompositorStandIn>("kwin-1", "org.kde.KWin");
    ASSERT_TRUE(kwin->ownsName());
    auto source = makeDBusFrontmostAppSource(FocusReporter::KWinScript);
    ASSERT_TRUE(source);
    std::vector<Report> seen;
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); },
                             std::move(source));
    monitor.start();
    ASSERT_EQ(seen, std::vector<Report>{Report(std::nullopt, std::nullopt)});

    // KWin is given the script and asked to run it (the stand-in publishes no
    // per-script object, so the source falls back to Scripting.start()).
    ASSERT_TRUE(waitUntil([&] { return kwin->runs == 1; }));
    ASSERT_EQ(kwin->loadedScripts.size(), 1);
    EXPECT_EQ(kwin->unloads, 1);
    EXPECT_EQ(QString(kwinFocusScript()), kwin->loadedScripts[0]);

    kwin->report("org.kde.konsole", "konsole", "4242");
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 2; }));
    EXPECT_EQ(seen.back(), Report("org.kde.konsole", "Konsole"));
    // A window without a desktop file name: its resource class names it.
    kwin->report("", "konsole");
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 3; }));
    EXPECT_EQ(seen.back(), Report("org.kde.konsole", "Konsole"));

    // Anyone else on the bus is ignored, even claiming to be the script.
    {
        QDBusConnection intruder = QDBusConnection::connectToBus(busAddress(), "intruder");
        CompositorStandIn::reportFrom(intruder, "org.evil.App", "evil");
        QDBusConnection::disconnectFromBus("intruder");
    }
    // Tocko's own windows (here: this process) do not count either.
    kwin->report("org.tocko.Panel", "tocko", QString::number(getpid()));
    kwin->report("", "");  // nothing active, then the switch completes
    kwin->report("firefox", "firefox");
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 4; }));
    waitUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(seen, (std::vector<Report>{{std::nullopt, std::nullopt},
                                         {"org.kde.konsole", "Konsole"},
                                         {"org.kde.konsole", "Konsole"},
                                         {"firefox", "firefox"}}));

    // KWin restarts: the old connection is gone, the new one gets the script.
    kwin.reset();
    kwin = std::make_unique<CompositorStandIn>("kwin-2", "org.kde.KWin");
    ASSERT_TRUE(kwin->ownsName());
    ASSERT_TRUE(waitUntil([&] { return kwin->runs == 1; })) << "the restarted KWin never got the script";
    kwin->report("org.kde.konsole", "konsole");
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 5; }));
    EXPECT_EQ(seen.back(), Report("org.kde.konsole", "Konsole"));
}

TEST(DBusFocus, GnomeShellExtensionReportsAreTakenOnlyFromTheShell) {
    ASSERT_TRUE(privateSessionBus()) << "dbus-daemon did not start";
    // Without the Shell on the bus, nobody may report.
    auto source = makeDBusFrontmostAppSource(FocusReporter::GnomeShellExtension);
    ASSERT_TRUE(source);
    std::vector<Report> seen;
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); },
                             std::move(source));
    monitor.start();
    {
        QDBusConnection early = QDBusConnection::connectToBus(busAddress(), "early");
        CompositorStandIn::reportFrom(early, "org.gnome.TextEditor", "");
        QDBusConnection::disconnectFromBus("early");
    }
    CompositorStandIn shell("shell", "org.gnome.Shell");
    ASSERT_TRUE(shell.ownsName());
    shell.report("org.gnome.Nautilus", "");
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 2; }));
    EXPECT_EQ(seen, (std::vector<Report>{{std::nullopt, std::nullopt},
                                         {"org.gnome.Nautilus", "org.gnome.Nautilus"}}));
    EXPECT_TRUE(shell.loadedScripts.isEmpty());  // GNOME gets no KWin script
}

namespace {

// GNOME Shell's extension service and version, answered from a thread of its
// own: the calls that enable the extension wait for their replies.
class ShellExtensionsStandIn : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.Extensions")
public:
    QStringList enabled;  // uuids asked to enable; touched only on the Shell stand-in's thread

public slots:
    Q_SCRIPTABLE bool EnableExtension(const QString& uuid) {
        enabled << uuid;
        return true;
    }
    Q_SCRIPTABLE QVariantMap GetExtensionInfo(const QString& uuid) {
        if (!enabled.contains(uuid)) return {};
        return {{"uuid", uuid}, {"state", 1.0}};
    }
};

class ShellVersionStandIn : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell")
    Q_PROPERTY(QString ShellVersion READ shellVersion)
public:
    QString shellVersion() const { return "46.2"; }
};

}  // namespace

TEST(DBusFocus, SettingsCanInstallAndEnableTheGnomeShellExtension) {
    ASSERT_TRUE(privateSessionBus()) << "dbus-daemon did not start";
    QThread shellThread;
    auto* extensions = new ShellExtensionsStandIn;
    auto* version = new ShellVersionStandIn;
    extensions->moveToThread(&shellThread);
    version->moveToThread(&shellThread);
    shellThread.start();
    bool registered = false;
    QMetaObject::invokeMethod(
        extensions,
        [&] {
            QDBusConnection bus = QDBusConnection::connectToBus(busAddress(), "gnome-shell");
            registered =
                bus.registerObject("/org/gnome/Shell/Extensions", extensions,
                                   QDBusConnection::ExportScriptableSlots) &&
                bus.registerObject("/org/gnome/Shell", version, QDBusConnection::ExportAllProperties) &&
                bus.registerService("org.gnome.Shell.Extensions") && bus.registerService("org.gnome.Shell");
        },
        Qt::BlockingQueuedConnection);
    ASSERT_TRUE(registered);

    auto source = makeDBusFrontmostAppSource(FocusReporter::GnomeShellExtension);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->availability(), FrontmostAvailability::NeedsGnomeExtension);

    std::string error;
    ASSERT_TRUE(enableGnomeExtension(TOCKO_SOURCE_DIR "/resources/gnome-shell", error)) << error;
    const fs::path installed =
        fs::path(getenv("XDG_DATA_HOME")) / "gnome-shell/extensions/tocko-focus@pollix.com";
    EXPECT_NE(tocko::test::readText(installed / "metadata.json").find("\"46\""), std::string::npos)
        << "GNOME 46 needs the ES module copy";
    EXPECT_TRUE(fs::exists(installed / "extension.js"));
    EXPECT_EQ(source->availability(), FrontmostAvailability::Available);

    // A copy installed for every user (as the package does) only needs
    // enabling; the earlier user copy goes, since the Shell would prefer it.
    // One that does not declare this Shell (46) is passed over.
    const fs::path system = fs::path(getenv("XDG_DATA_HOME")).parent_path() / "system-data";
    const fs::path systemCopy = system / "gnome-shell/extensions/tocko-focus@pollix.com";
    fs::create_directories(systemCopy);
    const fs::path variants = TOCKO_SOURCE_DIR "/resources/gnome-shell";
    auto installVariant = [&](const fs::path& from) {
        for (const char* name : {"metadata.json", "extension.js"})
            fs::copy_file(from / name, systemCopy / name, fs::copy_options::overwrite_existing);
    };
    installVariant(variants / "45/tocko-focus@pollix.com");
    tocko::test::ScopedEnv dataDirs("XDG_DATA_DIRS", system.c_str());
    ASSERT_TRUE(enableGnomeExtension(variants.string(), error)) << error;
    EXPECT_FALSE(fs::exists(installed)) << "a user copy would hide the system-wide one";
    installVariant(variants / "tocko-focus@pollix.com");
    ASSERT_TRUE(enableGnomeExtension(variants.string(), error)) << error;
    EXPECT_TRUE(fs::exists(installed / "extension.js")) << "GNOME 46 cannot load the script copy";
    QStringList enabled;
    QMetaObject::invokeMethod(
        extensions, [&] { enabled = extensions->enabled; }, Qt::BlockingQueuedConnection);
    EXPECT_EQ(enabled.count("tocko-focus@pollix.com"), 3);

    source.reset();
    QMetaObject::invokeMethod(
        extensions, [] { QDBusConnection::disconnectFromBus("gnome-shell"); }, Qt::BlockingQueuedConnection);
    shellThread.quit();
    shellThread.wait();
    delete extensions;
    delete version;
}

#include "dbus_focus_test.moc"
