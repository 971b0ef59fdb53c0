#include "platform/linux/secure_input_linux.h"

#include <unistd.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <algorithm>
#include <atomic>
#include <map>

#include "platform/linux/proc_names.h"
#include "support/log.h"

namespace tocko {

namespace {

constexpr int kCallTimeoutMs = 3000;
constexpr int kRestoreTimeoutMs = 1000;     // on the way out
constexpr uint32_t kRolePasswordText = 40;  // ATSPI_ROLE_PASSWORD_TEXT

const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kLoginSession = QStringLiteral("org.freedesktop.login1.Session");
const QString kFreedesktopSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kGnomeSaver = QStringLiteral("org.gnome.ScreenSaver");
const QString kA11yBus = QStringLiteral("org.a11y.Bus");
const QString kA11yBusPath = QStringLiteral("/org/a11y/bus");
const QString kA11yStatus = QStringLiteral("org.a11y.Status");

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }
bool contains(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }

bool isPromptWord(const std::string& w) {
    if (w.empty()) return false;
    if (startsWith(w, "pinentry")) return true;  // pinentry, -gtk-2, -qt, -gnome3, -curses in a terminal
    if (startsWith(w, "gcr-prompter") || w == "gnome-keyring-prompt" || w == "systemprompter") return true;
    if (contains(w, "askpass")) return true;  // ssh-askpass, ksshaskpass, x11-/gnome-ssh-askpass
    if (startsWith(w, "kwalletd")) return true;
    if (contains(w, "polkit") &&
        (contains(w, "agent") || w == "lxpolkit" || w == "xfce-polkit" || w == "mate-polkit"))
        return true;
    return contains(w, "policykit-agent") || w == "soteria";
}

QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& args = {}) {
    QDBusMessage m = QDBusMessage::createMethodCall(service, path, interface, method);
    m.setArguments(args);
    return m;
}

QString uniqueConnectionName(const char* what) {
    static std::atomic<int> counter{0};
    return QStringLiteral("tocko-secure-%1-%2").arg(what).arg(++counter);
}

class LinuxSecureInputProbe final : public QObject, public SecureInputProbe {
    Q_OBJECT
public:
    explicit LinuxSecureInputProbe(SecureInputBuses buses) : buses_(std::move(buses)) {}
    ~LinuxSecureInputProbe() override {
        restoreToolkitAccessibility();
        for (const QString& name : privateConnections_) QDBusConnection::disconnectFromBus(name);
    }

    bool isSecureInputEnabled() override {
        return isLocked() || prompt_.has_value() || password_.has_value();
    }
    std::optional<int32_t> holderPID() override { return std::nullopt; }
    std::optional<std::string> applicationName(int32_t pid) override { return processName(pid); }

    std::optional<std::string> holderName() override {
        if (isLocked()) return std::string(kLockScreenHolder);
        if (prompt_) return prompt_;
        if (password_) return password_->appName;
        return std::nullopt;
    }

    bool watch(std::function<void()> changed) override {
        changed_ = std::move(changed);
        watchAccessibility();
        watchScreenSavers();
        watchLogin();
        return true;
    }

    void frontmostChanged(const std::optional<std::string>& appID,
                          const std::optional<std::string>& name) override {
        std::optional<std::string> prompt;
        if (isSecretPrompt(appID, name)) prompt = name && !name->empty() ? name : appID;
        if (prompt == prompt_) return;
        prompt_ = std::move(prompt);
        notify();
    }

private slots:
    void onFocusStateChanged(const QDBusMessage& m) {
        const QVariantList args = m.arguments();
        if (args.size() < 2) return;
        if (args.at(1).toInt() != 0) return focused(m.service(), m.path());
        // Focus left: the password field is no longer typed into.
        ++focusSerial_;
        if (password_ && password_->sender == m.service() && password_->path == m.path()) clearPassword();
    }
    void onFocusEvent(const QDBusMessage& m) { focused(m.service(), m.path()); }
    void onWindowDeactivated(const QDBusMessage& m) {
        if (password_ && password_->sender == m.service()) {
            ++focusSerial_;
            clearPassword();
        }
    }
    void onAccessibleNameOwnerChanged(const QString& name, const QString&, const QString& newOwner) {
        if (!newOwner.isEmpty()) return;
        appNames_.erase(name);
        if (password_ && password_->sender == name) clearPassword();
    }
    void onLoginPropertiesChanged(const QDBusMessage& m) {
        const QVariantList args = m.arguments();
        if (args.size() < 3 || args.at(0).toString() != kLoginSession) return;
        const QVariantMap changed = qdbus_cast<QVariantMap>(args.at(1));
        if (auto it = changed.find(QStringLiteral("LockedHint")); it != changed.end())
            setLockedHint(it->toBool());
        else if (args.at(2).toStringList().contains(QStringLiteral("LockedHint")))
            readLockedHint();
    }
    void onAccessibilityStatusChanged(const QDBusMessage& m) {
        const QVariantList args = m.arguments();
        if (args.size() < 2 || args.at(0).toString() != kA11yStatus) return;
        const QVariantMap changed = qdbus_cast<QVariantMap>(args.at(1));
        if (auto it = changed.find(QStringLiteral("IsEnabled")); it != changed.end() && !it->toBool())
            keepToolkitAccessibilityOn(true);
    }
    void onScreenSaverActiveChanged(const QDBusMessage& m) {
        const QVariantList args = m.arguments();
        if (args.isEmpty()) return;
        setSaverActive(m.interface(), args.at(0).toBool());
    }

private:
    struct PasswordFocus {
        QString sender;
        QString path;
        std::optional<std::string> appName;
    };

    void notify() {
        if (changed_) changed_();
    }
    bool isLocked() const {
        return lockedHint_ || std::any_of(saverActive_.begin(), saverActive_.end(),
                                          [](const auto& entry) { return entry.second; });
    }

    // Runs `done` with the reply on the main thread, while the probe exists.
    void whenAnswered(QDBusConnection& bus, const QDBusMessage& m,
                      std::function<void(const QDBusMessage&)> done) {
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(m, kCallTimeoutMs), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [done = std::move(done)](QDBusPendingCallWatcher* w) {
                    w->deleteLater();
                    done(w->reply());
                });
    }

    QDBusConnection busAt(const std::optional<std::string>& address, const char* what,
                          QDBusConnection fallback) {
        if (!address) return fallback;
        const QString name = uniqueConnectionName(what);
        privateConnections_.push_back(name);
        return QDBusConnection::connectToBus(QString::fromStdString(*address), name);
    }

    // ---- Password fields over AT-SPI ------------------------------------------

    void watchAccessibility() {
        if (buses_.accessibility) {
            if (buses_.accessibility->empty()) return noAccessibility("none configured");
            return connectAccessibility(QString::fromStdString(*buses_.accessibility));
        }
        if (const QString env = qEnvironmentVariable("AT_SPI_BUS_ADDRESS"); !env.isEmpty())
            return connectAccessibility(env);
        session_ = busAt(buses_.session, "session", QDBusConnection::sessionBus());
        if (!session_.isConnected()) return noAccessibility("no session bus");
        whenAnswered(session_, call("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"),
                     [this](const QDBusMessage& r) {
                         if (r.type() != QDBusMessage::ReplyMessage || r.arguments().isEmpty() ||
                             r.arguments().at(0).toString().isEmpty())
                             return noAccessibility(r.errorName().toStdString());
                         connectAccessibility(r.arguments().at(0).toString());
                     });
    }

    void connectAccessibility(const QString& address) {
        const QString name = uniqueConnectionName("a11y");
        privateConnections_.push_back(name);
        a11y_ = QDBusConnection::connectToBus(address, name);
        if (!a11y_.isConnected()) return noAccessibility(a11y_.lastError().name().toStdString());
        a11y_.connect(QString(), QString(), "org.a11y.atspi.Event.Object", "StateChanged",
                      QStringList{QStringLiteral("focused")}, QString(), this,
                      SLOT(onFocusStateChanged(QDBusMessage)));
        a11y_.connect(QString(), QString(), "org.a11y.atspi.Event.Focus", "Focus", this,
                      SLOT(onFocusEvent(QDBusMessage)));
        a11y_.connect(QString(), QString(), "org.a11y.atspi.Event.Window", "Deactivate", this,
                      SLOT(onWindowDeactivated(QDBusMessage)));
        a11y_.connect("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                      "NameOwnerChanged", this,
                      SLOT(onAccessibleNameOwnerChanged(QString, QString, QString)));
        // Applications send only the events that someone has asked for.
        for (const char* event : {"object:state-changed:focused", "focus:", "window:deactivate"})
            a11y_.send(call("org.a11y.atspi.Registry", "/org/a11y/atspi/registry", "org.a11y.atspi.Registry",
                            "RegisterEvent", {QString::fromLatin1(event), QStringList{}, QString()}));
        log_.info("Watching password fields on the accessibility bus");
        turnOnToolkitAccessibility();
    }

    // Qt exposes its widgets on the accessibility bus only when
    // org.a11y.Status says IsEnabled (or a screen reader runs) at the moment
    // the application starts, and Qt 6.4 never looks again. So that the
    // password fields of Qt applications started from now on are seen, it
    // is kept on for as long as we run (also when another program, such as
    // the instance we replace, turns it off), and turned off again at the
    // end if it was off. GTK exposes its widgets regardless; Chromium only
    // with renderer accessibility, and then only when IsEnabled is on.
    void turnOnToolkitAccessibility() {
        if (!session_.isConnected())
            session_ = busAt(buses_.session, "session", QDBusConnection::sessionBus());
        if (!session_.isConnected()) return;
        session_.connect(kA11yBus, kA11yBusPath, kProperties, "PropertiesChanged", this,
                         SLOT(onAccessibilityStatusChanged(QDBusMessage)));
        QDBusMessage get =
            call(kA11yBus, kA11yBusPath, kProperties, "Get", {kA11yStatus, QStringLiteral("IsEnabled")});
        get.setAutoStartService(false);
        whenAnswered(session_, get, [this](const QDBusMessage& r) {
            if (r.type() != QDBusMessage::ReplyMessage || r.arguments().isEmpty()) return;
            if (!qdbus_cast<QDBusVariant>(r.arguments().at(0)).variant().toBool())
                keepToolkitAccessibilityOn(false);
        });
    }

    void keepToolkitAccessibilityOn(bool again) {
        // Ours from the moment it is asked for: a quit before the answer
        // still turns it off again, after it (one connection keeps order).
        turnedOnToolkitAccessibility_ = true;
        whenAnswered(session_, setToolkitAccessibility(true), [this, again](const QDBusMessage& s) {
            if (s.type() != QDBusMessage::ReplyMessage) {
                turnedOnToolkitAccessibility_ = false;
                return log_.info("Could not turn on accessibility for applications ({})",
                                 {pub(s.errorName().toStdString())});
            }
            if (again)
                log_.info(
                    "Accessibility for applications was turned off; turned on again, so that "
                    "password fields are seen");
            else
                log_.info(
                    "Turned on accessibility for applications started from now on, so that their "
                    "password fields are seen");
        });
    }

    QDBusMessage setToolkitAccessibility(bool on) {
        QDBusMessage m =
            call(kA11yBus, kA11yBusPath, kProperties, "Set",
                 {kA11yStatus, QStringLiteral("IsEnabled"), QVariant::fromValue(QDBusVariant(on))});
        m.setAutoStartService(false);
        return m;
    }

    void restoreToolkitAccessibility() {
        if (!turnedOnToolkitAccessibility_ || !session_.isConnected()) return;
        turnedOnToolkitAccessibility_ = false;
        session_.call(setToolkitAccessibility(false), QDBus::Block, kRestoreTimeoutMs);
    }

    void noAccessibility(const std::string& why) {
        if (saidNoAccessibility_) return;
        saidNoAccessibility_ = true;
        log_.info("No accessibility bus ({}); password fields are not watched", {pub(why)});
        trace("SecureInput", "no accessibility bus; password fields are not watched");
    }

    void focused(const QString& sender, const QString& path) {
        const uint64_t serial = ++focusSerial_;
        if (password_ && password_->sender == sender && password_->path == path) return;
        whenAnswered(
            a11y_, call(sender, path, kAccessible, "GetRole"), [this, serial, sender, path](auto& r) {
                if (serial != focusSerial_) return;  // a later focus decides
                const bool isPassword = r.type() == QDBusMessage::ReplyMessage && !r.arguments().isEmpty() &&
                                        r.arguments().at(0).toUInt() == kRolePasswordText;
                if (!isPassword) return clearPassword();
                if (auto it = appNames_.find(sender); it != appNames_.end())
                    return setPassword({sender, path, it->second});
                whenAnswered(a11y_,
                             call(sender, "/org/a11y/atspi/accessible/root", kProperties, "Get",
                                  {kAccessible, QStringLiteral("Name")}),
                             [this, serial, sender, path](const QDBusMessage& nr) {
                                 std::optional<std::string> name;
                                 if (nr.type() == QDBusMessage::ReplyMessage && !nr.arguments().isEmpty()) {
                                     const QString n =
                                         qdbus_cast<QDBusVariant>(nr.arguments().at(0)).variant().toString();
                                     if (!n.isEmpty()) name = n.toStdString();
                                 }
                                 appNames_[sender] = name;
                                 if (serial == focusSerial_) setPassword({sender, path, name});
                             });
            });
    }

    void setPassword(PasswordFocus focus) {
        const bool same = password_ && password_->sender == focus.sender && password_->path == focus.path &&
                          password_->appName == focus.appName;
        password_ = std::move(focus);
        if (!same) notify();
    }
    void clearPassword() {
        if (!password_) return;
        password_.reset();
        notify();
    }

    // ---- Session lock ----------------------------------------------------------

    void watchScreenSavers() {
        if (!session_.isConnected())
            session_ = busAt(buses_.session, "session", QDBusConnection::sessionBus());
        if (!session_.isConnected()) return;
        for (const QString& iface : {kFreedesktopSaver, kGnomeSaver}) {
            session_.connect(QString(), QString(), iface, "ActiveChanged", this,
                             SLOT(onScreenSaverActiveChanged(QDBusMessage)));
            const QString path =
                iface == kGnomeSaver ? "/org/gnome/ScreenSaver" : "/org/freedesktop/ScreenSaver";
            QDBusMessage m = call(iface, path, iface, "GetActive");
            m.setAutoStartService(false);  // ask a running screensaver; start none
            whenAnswered(session_, m, [this, iface](const QDBusMessage& r) {
                if (r.type() == QDBusMessage::ReplyMessage && !r.arguments().isEmpty())
                    setSaverActive(iface, r.arguments().at(0).toBool());
            });
        }
    }

    void setSaverActive(const QString& iface, bool active) {
        const bool before = isLocked();
        saverActive_[iface.toStdString()] = active;
        if (isLocked() != before) notify();
    }

    void watchLogin() {
        system_ = busAt(buses_.system, "system", QDBusConnection::systemBus());
        if (!system_.isConnected()) {
            log_.info("No system bus; the session lock is followed through screensavers only");
            return;
        }
        if (buses_.loginSession) return watchLoginSession(QString::fromStdString(*buses_.loginSession));
        const QString manager = QStringLiteral("/org/freedesktop/login1");
        const QString managerIface = QStringLiteral("org.freedesktop.login1.Manager");
        const QString id = qEnvironmentVariable("XDG_SESSION_ID");
        QDBusMessage first = id.isEmpty()
                                 ? call(kLogin, manager, managerIface, "GetSessionByPID", {uint(getpid())})
                                 : call(kLogin, manager, managerIface, "GetSession", {id});
        whenAnswered(system_, first, [this, manager, managerIface](const QDBusMessage& r) {
            if (const QString path = objectPath(r); !path.isEmpty()) return watchLoginSession(path);
            // Not inside a session (started by the user's service manager):
            // the user's display session.
            whenAnswered(
                system_,
                call(kLogin, "/org/freedesktop/login1/session/auto", kProperties, "Get",
                     {kLoginSession, QStringLiteral("Id")}),
                [this, manager, managerIface](const QDBusMessage& idReply) {
                    if (idReply.type() != QDBusMessage::ReplyMessage || idReply.arguments().isEmpty())
                        return noLoginSession(idReply.errorName());
                    const QString sid =
                        qdbus_cast<QDBusVariant>(idReply.arguments().at(0)).variant().toString();
                    whenAnswered(system_, call(kLogin, manager, managerIface, "GetSession", {sid}),
                                 [this](const QDBusMessage& s) {
                                     const QString path = objectPath(s);
                                     if (path.isEmpty()) return noLoginSession(s.errorName());
                                     watchLoginSession(path);
                                 });
                });
        });
    }

    static QString objectPath(const QDBusMessage& r) {
        if (r.type() != QDBusMessage::ReplyMessage || r.arguments().isEmpty()) return {};
        return qdbus_cast<QDBusObjectPath>(r.arguments().at(0)).path();
    }

    void noLoginSession(const QString& why) {
        log_.info("No login session ({}); the session lock is followed through screensavers only",
                  {pub(why.toStdString())});
    }

    // The session object announces LockedHint with PropertiesChanged on its
    // own path (never on the "auto" alias). Its Lock and Unlock signals are
    // requests to the screen locker, not the state: a Lock no locker answers
    // locks nothing, and an unlock at the locker sends no Unlock. Lockers
    // that do not keep LockedHint are followed through the screensavers.
    void watchLoginSession(const QString& path) {
        loginSessionPath_ = path;
        system_.connect(kLogin, path, kProperties, "PropertiesChanged", this,
                        SLOT(onLoginPropertiesChanged(QDBusMessage)));
        readLockedHint();
    }

    void readLockedHint() {
        whenAnswered(system_,
                     call(kLogin, loginSessionPath_, kProperties, "Get",
                          {kLoginSession, QStringLiteral("LockedHint")}),
                     [this](const QDBusMessage& r) {
                         if (r.type() == QDBusMessage::ReplyMessage && !r.arguments().isEmpty())
                             setLockedHint(qdbus_cast<QDBusVariant>(r.arguments().at(0)).variant().toBool());
                     });
    }

    void setLockedHint(bool locked) {
        const bool before = isLocked();
        lockedHint_ = locked;
        if (isLocked() != before) notify();
    }

    SecureInputBuses buses_;
    std::function<void()> changed_;
    std::vector<QString> privateConnections_;
    QDBusConnection a11y_{QString()};
    QDBusConnection session_{QString()};
    QDBusConnection system_{QString()};
    QString loginSessionPath_;
    bool saidNoAccessibility_ = false;
    bool turnedOnToolkitAccessibility_ = false;

    uint64_t focusSerial_ = 0;
    std::optional<PasswordFocus> password_;
    std::map<QString, std::optional<std::string>> appNames_;  // by unique bus name
    std::optional<std::string> prompt_;
    bool lockedHint_ = false;
    std::map<std::string, bool> saverActive_;
    Logger log_{"SecureInputMonitor"};
};

}  // namespace

bool isSecretPrompt(const std::optional<std::string>& appID, const std::optional<std::string>& name) {
    if (appID) {
        std::string id = lower(*appID);
        if (id.ends_with(".desktop")) id.resize(id.size() - 8);
        if (isPromptWord(id)) return true;
        if (const size_t dot = id.rfind('.'); dot != std::string::npos && isPromptWord(id.substr(dot + 1)))
            return true;
    }
    return name && isPromptWord(lower(*name));
}

std::unique_ptr<SecureInputProbe> makeLinuxSecureInputProbe(SecureInputBuses buses) {
    return std::make_unique<LinuxSecureInputProbe>(std::move(buses));
}

}  // namespace tocko

#include "secure_input_linux.moc"
