#pragma once
// A private desktop session for the secure-input tests and benchmark: its
// own session bus, the accessibility bus of at-spi2-core on it, and GTK and
// Qt windows with a password entry on the X server in DISPLAY.

#include <signal.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tocko::desktop {

// Runs the event loop until `done` holds or the time is up.
inline bool spinUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeout.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

// A child whose standard output is read line by line.
class Child {
public:
    // With `readStderr`, standard error is read as well, merged into the lines.
    Child(const QString& program, const QStringList& args, const QProcessEnvironment& env,
          bool readStderr = false) {
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(readStderr ? QProcess::MergedChannels
                                                  : QProcess::ForwardedErrorChannel);
        process_.start(program, args);
    }
    ~Child() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished(2000);
    }
    bool running() { return process_.waitForStarted(3000) && process_.state() == QProcess::Running; }
    // The next line that starts with `prefix`; empty when none came in time.
    QString waitForLine(const QString& prefix, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        QString found;
        spinUntil(
            [&] {
                while (process_.canReadLine()) {
                    const QString line = QString::fromUtf8(process_.readLine()).trimmed();
                    if (line.startsWith(prefix)) {
                        found = line;
                        return true;
                    }
                }
                return process_.state() == QProcess::NotRunning;
            },
            timeout);
        return found;
    }
    void send(const QString& line) { process_.write((line + "\n").toUtf8()); }
    // Asks the child to end as after Ctrl+C, and waits for it.
    void interrupt() {
        if (process_.state() == QProcess::NotRunning) return;
        ::kill(pid_t(process_.processId()), SIGINT);
        process_.waitForFinished(5000);
    }

private:
    QProcess process_;
};

class Session {
public:
    // Starts the private session bus and, through it, the accessibility bus;
    // `ok()` tells whether both run.
    Session() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("AT_SPI_BUS_ADDRESS");
        // The accessibility bus launcher keeps IsEnabled in GSettings: in
        // memory here, never in the user's own settings.
        env.insert("GSETTINGS_BACKEND", "memory");
        bus_ = std::make_unique<Child>("dbus-daemon",
                                       QStringList{"--session", "--nofork", "--print-address=1"}, env);
        address_ = bus_->waitForLine("unix:", std::chrono::seconds(5));
        if (address_.isEmpty()) return;
        env_ = env;
        env_.insert("DBUS_SESSION_BUS_ADDRESS", address_);
        env_.remove("NO_AT_BRIDGE");
        // Qt windows turn accessibility on as desktop applications do: when
        // org.a11y.Status says IsEnabled as they start.
        env_.remove("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
        env_.remove("QT_ACCESSIBILITY");
        env_.insert("QT_QPA_PLATFORM", "xcb");
        // The session bus starts the accessibility bus launcher on the first ask.
        // Windows are told the accessibility bus, lest they find a stale one
        // through the X server.
        QDBusConnection bus = QDBusConnection::connectToBus(address_, "desktop-session");
        for (int i = 0; i < 50 && accessibilityAddress_.isEmpty(); ++i) {
            const QDBusMessage r = bus.call(QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus",
                                                                           "org.a11y.Bus", "GetAddress"));
            if (r.type() == QDBusMessage::ReplyMessage && !r.arguments().isEmpty())
                accessibilityAddress_ = r.arguments().at(0).toString();
            else
                spinUntil([] { return false; }, std::chrono::milliseconds(100));
        }
        QDBusConnection::disconnectFromBus("desktop-session");
        if (!accessibilityAddress_.isEmpty()) env_.insert("AT_SPI_BUS_ADDRESS", accessibilityAddress_);
    }
    bool ok() const { return !accessibilityAddress_.isEmpty(); }
    std::string address() const { return address_.toStdString(); }
    const QProcessEnvironment& environment() const { return env_; }

    // Whether org.a11y.Status says IsEnabled; empty when nobody answers.
    std::optional<bool> accessibilityEnabled() const {
        QDBusConnection bus = QDBusConnection::connectToBus(address_, "desktop-session-status");
        const QDBusMessage r =
            bus.call(QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus",
                                                    "org.freedesktop.DBus.Properties", "Get")
                     << QString("org.a11y.Status") << QString("IsEnabled"));
        QDBusConnection::disconnectFromBus("desktop-session-status");
        if (r.type() != QDBusMessage::ReplyMessage || r.arguments().isEmpty()) return std::nullopt;
        return qdbus_cast<QDBusVariant>(r.arguments().at(0)).variant().toBool();
    }

    // A window program (GTK_WINDOW or QT_WINDOW) once it says it is ready.
    // Qt 6.4 leaves its bridge off when told the bus by AT_SPI_BUS_ADDRESS
    // (it says accessibility is on before its bridge listens), so Qt windows find the
    // bus through org.a11y.Bus, as on a desktop.
    std::unique_ptr<Child> openWindow(const QString& program, bool qt = false) {
        QProcessEnvironment env = env_;
        if (qt) env.remove("AT_SPI_BUS_ADDRESS");
        auto window = std::make_unique<Child>(program, QStringList{}, env);
        if (window->waitForLine("ready").isEmpty()) return nullptr;
        return window;
    }

private:
    std::unique_ptr<Child> bus_;
    QString address_;
    QString accessibilityAddress_;
    QProcessEnvironment env_;
};

}  // namespace tocko::desktop
