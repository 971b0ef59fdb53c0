// The Linux secure-input probe on real services: real GTK and Qt windows with
// a password entry on the accessibility bus of at-spi2-core (in a private
// session), and stand-ins for logind and the screensavers on a private bus.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariantMap>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "context/secure_input_monitor.h"
#include "desktop_session.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/secure_input_linux.h"
#include "tests/common/test_support.h"

using namespace std::chrono_literals;
using Opt = std::optional<std::string>;

namespace tocko {
namespace {

struct Reports {
    std::vector<std::pair<bool, Opt>> seen;
    SecureInputMonitor::OnChange callback() {
        return [this](bool active, const Opt& holder) { seen.emplace_back(active, holder); };
    }
    bool last(bool active, const Opt& holder) const {
        return !seen.empty() && seen.back() == std::pair<bool, Opt>(active, holder);
    }
};

std::string describe(const Reports& r) {
    std::string out = "reports:";
    for (const auto& [active, holder] : r.seen)
        out += std::string(" ") + (active ? "on/" : "off/") + holder.value_or("-");
    return out;
}

// logind's session object as far as the probe uses it; logind also shows
// it as "auto" to a caller outside any session whose display session it is.
class LoginSessionStandIn : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Session")
    Q_PROPERTY(bool LockedHint READ lockedHint)
    Q_PROPERTY(QString Id READ id)
public:
    static constexpr const char* kPath = "/org/freedesktop/login1/session/c1";
    explicit LoginSessionStandIn(QDBusConnection bus) : bus_(std::move(bus)) {
        bus_.registerService("org.freedesktop.login1");
        bus_.registerObject(kPath, this, QDBusConnection::ExportAllProperties);
        bus_.registerObject("/org/freedesktop/login1/session/auto", this,
                            QDBusConnection::ExportAllProperties);
    }
    ~LoginSessionStandIn() override {
        bus_.unregisterObject(kPath);
        bus_.unregisterObject("/org/freedesktop/login1/session/auto");
    }
    bool lockedHint() const { return locked_; }
    QString id() const { return "c1"; }
    void setLocked(bool locked) {
        locked_ = locked;
        QDBusMessage m =
            QDBusMessage::createSignal(kPath, "org.freedesktop.DBus.Properties", "PropertiesChanged");
        m << QString("org.freedesktop.login1.Session") << QVariantMap{{"LockedHint", locked}}
          << QStringList{};
        bus_.send(m);
    }

private:
    QDBusConnection bus_;
    bool locked_ = false;
};

// logind's manager, which knows session c1 only and no process of ours.
class LoginManagerStandIn : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    explicit LoginManagerStandIn(QDBusConnection bus) : bus_(std::move(bus)) {
        bus_.registerObject("/org/freedesktop/login1", this, QDBusConnection::ExportAllSlots);
    }
    ~LoginManagerStandIn() override { bus_.unregisterObject("/org/freedesktop/login1"); }
    QStringList asked;

public slots:
    QDBusObjectPath GetSession(const QString& id) {
        asked << "GetSession " + id;
        if (id == "c1") return QDBusObjectPath(LoginSessionStandIn::kPath);
        sendErrorReply("org.freedesktop.login1.NoSuchSession", "No session '" + id + "' known");
        return {};
    }
    QDBusObjectPath GetSessionByPID(uint pid) {
        asked << "GetSessionByPID " + QString::number(pid);
        sendErrorReply("org.freedesktop.login1.NoSessionForPID", "PID does not belong to any known session");
        return {};
    }

private:
    QDBusConnection bus_;
};

void screenSaverActive(QDBusConnection& bus, const QString& path, const QString& iface, bool active) {
    QDBusMessage m = QDBusMessage::createSignal(path, iface, "ActiveChanged");
    m << active;
    bus.send(m);
}

class SecureInputDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "no X display (run scripts/services.sh)";
        if (!session.ok()) GTEST_SKIP() << "no dbus-daemon or at-spi-bus-launcher";
    }
    // Sends focus commands until the monitor reports what is expected; the
    // first focus may come before the window has learned that we listen.
    bool focusUntil(desktop::Child& window, const char* command, bool active, const Opt& holder) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            window.send(command);
            if (window.waitForLine("ok").isEmpty()) return false;
            if (desktop::spinUntil([&] { return reports.last(active, holder); }, 2s)) return true;
            window.send(active ? "plain" : "secret");  // move away and try again
            window.waitForLine("ok");
        }
        return false;
    }

    void checkPasswordEntry(const QString& program, const std::string& name, bool qt = false);

    // The buses of the private session; the system bus is the session bus, so
    // logind is a stand-in or missing.
    SecureInputBuses buses(bool accessibility = true) const {
        SecureInputBuses b;
        if (!accessibility) b.accessibility = "";
        b.session = session.address();
        b.system = session.address();
        return b;
    }
    std::unique_ptr<SecureInputMonitor> monitor(Reports& to, bool accessibility = true) const {
        auto m = std::make_unique<SecureInputMonitor>(to.callback(),
                                                      makeLinuxSecureInputProbe(buses(accessibility)));
        m->start();
        return m;
    }
    // How many of the monitor's lines start with `start`.
    static int said(const test::LogCapture& logs, const char* start) {
        int n = 0;
        for (const std::string& m : logs.messages("SecureInputMonitor")) n += m.starts_with(start);
        return n;
    }

    desktop::Session session;
    Reports reports;
};

}  // namespace

// Focus on the window's password entry, away and back, then the window goes.
// The window starts after the monitor, as applications do after Tocko.
void SecureInputDesktop::checkPasswordEntry(const QString& program, const std::string& name, bool qt) {
    test::LogCapture logs;
    auto monitor = this->monitor(reports);
    EXPECT_FALSE(monitor->isPolling());
    ASSERT_TRUE(test::waitUntil([&] { return said(logs, "Watching password fields"); }))
        << "never connected to the accessibility bus";
    // Applications are asked to expose themselves before any starts.
    ASSERT_TRUE(test::waitUntil([&] { return said(logs, "Turned on accessibility for applications"); }));
    EXPECT_EQ(session.accessibilityEnabled(), true);

    std::unique_ptr<desktop::Child> window = session.openWindow(program, qt);
    ASSERT_TRUE(window) << "the window did not open";
    EXPECT_TRUE(focusUntil(*window, "secret", true, name)) << describe(reports);
    EXPECT_TRUE(monitor->isActive());
    EXPECT_EQ(monitor->holderName(), name);
    EXPECT_TRUE(focusUntil(*window, "plain", false, std::nullopt));
    EXPECT_TRUE(focusUntil(*window, "secret", true, name));
    window.reset();
    EXPECT_TRUE(desktop::spinUntil([&] { return reports.last(false, std::nullopt); }, 5s));

    // The desktop is left as it was found.
    monitor.reset();
    EXPECT_EQ(session.accessibilityEnabled(), false);
}

TEST_F(SecureInputDesktop, GtkPasswordEntryHoldsSecureInput) {
    checkPasswordEntry(GTK_WINDOW, "tocko-gtk-secure-window");
}

TEST_F(SecureInputDesktop, QtPasswordEntryHoldsSecureInput) {
    checkPasswordEntry(QT_WINDOW, "Tocko Qt Window", true);
}

// A web page's password field in Chromium, started after the monitor. Web
// pages reach the accessibility bus only with renderer accessibility on.
// Skipped where chromium is not installed.
TEST_F(SecureInputDesktop, ChromiumPasswordFieldHoldsSecureInput) {
    const QString chromium = QStandardPaths::findExecutable("chromium");
    if (chromium.isEmpty()) GTEST_SKIP() << "chromium is not installed";
    test::LogCapture logs;
    auto monitor = this->monitor(reports);
    ASSERT_TRUE(test::waitUntil([&] { return said(logs, "Turned on accessibility for applications"); }));

    // The page moves the focus between its two fields by itself.
    QTemporaryDir profile;
    ASSERT_TRUE(profile.isValid());
    test::writeText(profile.filePath("page.html").toStdString(),
                    "<!doctype html><title>Sign in</title><input id=plain><input id=secret type=password>"
                    "<script>let n = 0; setInterval(() => document.getElementById(++n % 2 ? 'secret' : "
                    "'plain').focus(), 700);</script>");
    QStringList args{"--user-data-dir=" + profile.filePath("profile"),
                     "--no-first-run",
                     "--no-default-browser-check",
                     "--password-store=basic",
                     "--disable-gpu",
                     "--force-renderer-accessibility",
                     "file://" + profile.filePath("page.html")};
    if (geteuid() == 0) args.prepend("--no-sandbox");  // Chromium will not run as root otherwise
    desktop::Child browser("sh", QStringList{"-c", "exec \"$0\" \"$@\" >/dev/null 2>&1", chromium} + args,
                           session.environment());
    ASSERT_TRUE(browser.running());

    size_t on = 0;
    ASSERT_TRUE(desktop::spinUntil(
        [&] {
            for (; on < reports.seen.size(); ++on)
                if (reports.seen[on].first) return true;
            return false;
        },
        30s))
        << describe(reports);
    const Opt holder = reports.seen[on].second;
    EXPECT_EQ(holder, "Chromium");
    EXPECT_TRUE(desktop::spinUntil([&] { return reports.last(false, std::nullopt); }, 5s))
        << describe(reports);
    EXPECT_TRUE(desktop::spinUntil([&] { return reports.last(true, holder); }, 5s)) << describe(reports);
    browser.interrupt();
    EXPECT_TRUE(desktop::spinUntil([&] { return reports.last(false, std::nullopt); }, 5s))
        << describe(reports);
}

// A new instance starts before the old one quits (a relaunch): the old one
// turns accessibility for applications off as it goes, the new one on again,
// and off at its own end.
TEST_F(SecureInputDesktop, AccessibilityStaysOnWhileAnInstanceRuns) {
    test::LogCapture logs;
    auto old = monitor(reports);
    ASSERT_TRUE(test::waitUntil([&] { return said(logs, "Turned on accessibility for applications") == 1; }));
    Reports newReports;
    auto relaunched = monitor(newReports);
    ASSERT_TRUE(test::waitUntil([&] { return said(logs, "Watching password fields") == 2; }));
    desktop::spinUntil([] { return false; }, 300ms);  // the new one has looked
    EXPECT_EQ(said(logs, "Turned on accessibility for applications"), 1) << "it was on already";

    old.reset();
    EXPECT_TRUE(
        test::waitUntil([&] { return said(logs, "Accessibility for applications was turned off") == 1; }));
    EXPECT_TRUE(test::waitUntil([&] { return session.accessibilityEnabled() == true; }));
    relaunched.reset();
    EXPECT_EQ(session.accessibilityEnabled(), false);
}

TEST_F(SecureInputDesktop, LockScreenAndPromptsHoldSecureInputWithoutAccessibility) {
    test::LogCapture logs;
    QDBusConnection standIns =
        QDBusConnection::connectToBus(QString::fromStdString(session.address()), "stand-ins");
    ASSERT_TRUE(standIns.isConnected());
    {
        LoginSessionStandIn login(standIns);
        LoginManagerStandIn manager(standIns);
        // Our session is found as logind names it: by XDG_SESSION_ID, else by
        // our process, else as the user's display session; the lock is
        // followed on the session's own object, where logind announces LockedHint.
        const QString byPID = "GetSessionByPID " + QString::number(QCoreApplication::applicationPid());
        for (const auto& [id, asked] : {std::pair{"c1", QStringList{"GetSession c1"}},
                                        std::pair{"", QStringList{byPID, "GetSession c1"}},
                                        std::pair{"c7", QStringList{"GetSession c7", "GetSession c1"}}}) {
            SCOPED_TRACE(std::string("XDG_SESSION_ID=") + id);
            test::ScopedEnv sessionID("XDG_SESSION_ID", *id ? id : nullptr);
            manager.asked.clear();
            login.setLocked(true);
            Reports seen;
            auto monitor = this->monitor(seen, false);
            EXPECT_TRUE(test::waitUntil([&] { return seen.last(true, kLockScreenHolder); }))
                << describe(seen);
            login.setLocked(false);
            EXPECT_TRUE(test::waitUntil([&] { return seen.last(false, std::nullopt); })) << describe(seen);
            EXPECT_EQ(manager.asked, asked);
        }

        // A session given by its object, locked before we look.
        login.setLocked(true);
        SecureInputBuses withLogin = buses(false);
        withLogin.loginSession = LoginSessionStandIn::kPath;
        SecureInputMonitor monitor(reports.callback(), makeLinuxSecureInputProbe(withLogin));
        monitor.start();
        ASSERT_TRUE(test::waitUntil([&] { return reports.last(true, kLockScreenHolder); }));
        login.setLocked(false);
        ASSERT_TRUE(test::waitUntil([&] { return reports.last(false, std::nullopt); }));

        // Either screensaver interface; the lock outranks a prompt in front.
        monitor.setFrontmostApp("pinentry-gtk-2", std::nullopt);
        ASSERT_TRUE(test::waitUntil([&] { return reports.last(true, "pinentry-gtk-2"); }));
        screenSaverActive(standIns, "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver", true);
        ASSERT_TRUE(test::waitUntil([&] { return reports.last(true, kLockScreenHolder); }));
        screenSaverActive(standIns, "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver", false);
        ASSERT_TRUE(test::waitUntil([&] { return reports.last(true, "pinentry-gtk-2"); }));
        monitor.setFrontmostApp("org.gnome.Terminal", "Terminal");
        ASSERT_TRUE(test::waitUntil([&] { return reports.last(false, std::nullopt); }));
        screenSaverActive(standIns, "/ScreenSaver", "org.freedesktop.ScreenSaver", true);
        ASSERT_TRUE(test::waitUntil([&] { return reports.last(true, kLockScreenHolder); }));
    }
    QDBusConnection::disconnectFromBus("stand-ins");

    // Said once by each of the four monitors.
    const std::vector<std::string> traces = logs.traces();
    EXPECT_EQ(std::count(traces.begin(), traces.end(),
                         "[Tocko] SecureInput: no accessibility bus; password fields are not watched"),
              4);
}

// Known prompts match whatever form their id takes; anything else does not.
TEST(SecretPrompts, AreKnownByTheirIdOrName) {
    for (const char* id : {"pinentry", "org.gnupg.pinentry-qt",
                           "org.kde.polkit-kde-authentication-agent-1.desktop", "org.kde.kwalletd6"})
        EXPECT_TRUE(isSecretPrompt(std::string(id), std::nullopt)) << id;
    EXPECT_TRUE(isSecretPrompt(std::nullopt, std::string("Pinentry")));
    for (const char* id : {"org.gnome.Terminal", "org.kde.kwalletmanager5", "polkit-explorer", "pin"})
        EXPECT_FALSE(isSecretPrompt(std::string(id), std::nullopt)) << id;
    EXPECT_FALSE(isSecretPrompt(std::nullopt, std::nullopt));
}

}  // namespace tocko

#include "secure_input_desktop_test.moc"
