// The application in front as a compositor-side reporter tells it over the
// session bus: a KWin script (KDE Plasma) or Tocko's GNOME Shell extension
// calls Activated on /com/pollix/Tocko/Focus. Only the connection that owns
// the compositor's well-known name may report; anyone else is ignored.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QStandardPaths>

#include "platform/linux/desktop_entries.h"
#include "platform/linux/frontmost_sources.h"

namespace tocko {

namespace {

constexpr const char* kBusName = "com.pollix.Tocko";
constexpr const char* kFocusPath = "/com/pollix/Tocko/Focus";

// The one place that claims Tocko's bus name: whoever registers first in
// this process owns it, and a second claim is a no-op.
bool ensureBusName(QDBusConnection& bus) {
    QDBusConnectionInterface* iface = bus.interface();
    if (!iface) return false;
    if (iface->serviceOwner(kBusName).value() == bus.baseService()) return true;
    return bus.registerService(kBusName);
}

class DBusFrontmostAppSource final : public QObject, public FrontmostAppSource, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.pollix.Tocko.Focus")
public:
    DBusFrontmostAppSource(QDBusConnection bus, FocusReporter reporter)
        : bus_(std::move(bus)),
          reporter_(reporter),
          compositorName_(reporter == FocusReporter::KWinScript ? "org.kde.KWin" : "org.gnome.Shell"),
          watcher_(compositorName_, bus_, QDBusServiceWatcher::WatchForOwnerChange) {
        compositorOwner_ = bus_.interface()->serviceOwner(compositorName_).value();
        QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                         [this](const QString&, const QString&, const QString& newOwner) {
                             compositorOwner_ = newOwner;
                             // A restarted KWin has forgotten the script.
                             if (!newOwner.isEmpty() && reporter_ == FocusReporter::KWinScript)
                                 loadKWinScript();
                         });
    }

    bool start() {
        if (!bus_.registerObject(kFocusPath, this, QDBusConnection::ExportScriptableSlots)) return false;
        ensureBusName(bus_);
        if (reporter_ == FocusReporter::KWinScript && !compositorOwner_.isEmpty()) loadKWinScript();
        return true;
    }

    FrontmostApp frontmost() override { return current_; }
    void observe(Handler onActivate) override { handler_ = std::move(onActivate); }

    FrontmostAvailability availability() override {
        if (reporter_ != FocusReporter::GnomeShellExtension || heardFromReporter_)
            return FrontmostAvailability::Available;
        // Asked when a view shows the status, not on every focus change.
        QDBusMessage m =
            QDBusMessage::createMethodCall("org.gnome.Shell.Extensions", "/org/gnome/Shell/Extensions",
                                           "org.gnome.Shell.Extensions", "GetExtensionInfo");
        m << QString(WorkspaceMonitor::kGnomeExtensionUUID);
        const QDBusMessage reply = bus_.call(m, QDBus::Block, 500);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            const QVariantMap info = qdbus_cast<QVariantMap>(reply.arguments().first());
            if (info.value("state").toDouble() == 1.0) return FrontmostAvailability::Available;  // ENABLED
        }
        return FrontmostAvailability::NeedsGnomeExtension;
    }

public slots:
    // appID: desktop file id (KWin's desktopFileName, GNOME's app id without
    // ".desktop"); resourceClass: the X11-style class; caption: the window
    // title (unused); pid: decimal process id. Empty texts are absent.
    Q_SCRIPTABLE void Activated(const QString& appID, const QString& resourceClass, const QString& caption,
                                const QString& pid) {
        Q_UNUSED(caption);
        if (!calledFromDBus()) return;
        // A compositor that has just taken its name may report before the
        // bus's owner-change signal has reached the watcher: ask the bus.
        if (message().service() != compositorOwner_)
            compositorOwner_ = bus_.interface()->serviceOwner(compositorName_).value();
        if (compositorOwner_.isEmpty() || message().service() != compositorOwner_) {
            log_.info("Ignored a focus report from {}, not from {}",
                      {pub(message().service().toStdString()), pub(compositorName_.toStdString())});
            return;
        }
        auto text = [](const QString& s) {
            return s.isEmpty() ? std::nullopt : std::optional<std::string>(s.toStdString());
        };
        FrontmostApp app;
        if (!appID.isEmpty() || !resourceClass.isEmpty())
            app = identifyAppID(text(appID), entries_, text(resourceClass));
        bool ok = false;
        const qlonglong number = pid.toLongLong(&ok);
        if (ok && number > 0) app.pid = number;
        current_ = app;
        heardFromReporter_ = true;
        if (handler_) handler_(app);
    }

private:
    void loadKWinScript() {
        // KWin loads scripts from files; ours is written where the session
        // keeps per-user runtime files.
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty()) dir = QDir::tempPath();
        const QString path = dir + "/tocko-kwin-focus.js";
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
        file.write(kwinFocusScript());
        file.close();
        const QString plugin = "tocko-focus";
        // Asynchronous: KWin may be busy, and start-up must not wait for it.
        // Calls on one connection arrive in order, so the old copy goes first.
        auto call = [this](const QString& objectPath, const QString& iface, const QString& method,
                           const QVariantList& args) {
            QDBusMessage m = QDBusMessage::createMethodCall(compositorName_, objectPath, iface, method);
            m.setArguments(args);
            return bus_.asyncCall(m, 5000);
        };
        call("/Scripting", "org.kde.kwin.Scripting", "unloadScript", {plugin});
        auto* loaded = new QDBusPendingCallWatcher(
            call("/Scripting", "org.kde.kwin.Scripting", "loadScript", {path, plugin}), this);
        QObject::connect(
            loaded, &QDBusPendingCallWatcher::finished, this, [this, call](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusMessage reply = w->reply();
                if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                    log_.error("KWin did not load the focus script: {}",
                               {pub(reply.errorMessage().toStdString())});
                    return;
                }
                const int id = reply.arguments().first().toInt();
                // KWin 5.22 and later publish each script at /Scripting/Script<id>;
                // Scripting.start() runs every loaded script on any version.
                auto* ran = new QDBusPendingCallWatcher(
                    call("/Scripting/Script" + QString::number(id), "org.kde.kwin.Script", "run", {}), this);
                QObject::connect(ran, &QDBusPendingCallWatcher::finished, this,
                                 [call](QDBusPendingCallWatcher* r) {
                                     r->deleteLater();
                                     if (r->isError())
                                         call("/Scripting", "org.kde.kwin.Scripting", "start", {});
                                 });
            });
    }

    QDBusConnection bus_;
    FocusReporter reporter_;
    QString compositorName_;
    QString compositorOwner_;  // unique name allowed to report; empty while the compositor is away
    QDBusServiceWatcher watcher_;
    FrontmostApp current_;
    bool heardFromReporter_ = false;
    Handler handler_;
    DesktopEntries entries_;
    Logger log_{"WorkspaceMonitor"};
};

}  // namespace

QByteArray kwinFocusScript() {
    // KWin 6 names it windowActivated/activeWindow, KWin 5 clientActivated/activeClient.
    return R"JS(// Tocko: tells Tocko which application is in front.
function report(w) {
    if (!w) {
        callDBus("com.pollix.Tocko", "/com/pollix/Tocko/Focus", "com.pollix.Tocko.Focus", "Activated", "", "", "", "");
        return;
    }
    callDBus("com.pollix.Tocko", "/com/pollix/Tocko/Focus", "com.pollix.Tocko.Focus", "Activated",
             String(w.desktopFileName || ""), String(w.resourceClass || ""), String(w.caption || ""),
             String(w.pid || ""));
}
(workspace.windowActivated || workspace.clientActivated).connect(report);
report(workspace.activeWindow || workspace.activeClient);
)JS";
}

namespace {

// Whether the extension in `dir` declares the Shell of major version `major`
// (0: unknown, taken as suiting).
bool extensionSuits(const QString& dir, int major) {
    QFile file(dir + "/metadata.json");
    if (!file.open(QIODevice::ReadOnly) || !QFile::exists(dir + "/extension.js")) return false;
    const QJsonObject metadata = QJsonDocument::fromJson(file.readAll()).object();
    if (metadata.value("uuid").toString() != QLatin1String(WorkspaceMonitor::kGnomeExtensionUUID))
        return false;
    if (major == 0) return true;
    for (const QJsonValue& v : metadata.value("shell-version").toArray())
        if (v.toString().section('.', 0, 0).toInt() == major) return true;
    return false;
}

// The copy installed for every user (by the package, under
// $XDG_DATA_DIRS/gnome-shell/extensions), if one suits this Shell.
QString systemWideExtension(int major) {
    QStringList dirs = qEnvironmentVariable("XDG_DATA_DIRS").split(':', Qt::SkipEmptyParts);
    if (dirs.isEmpty()) dirs = {"/usr/local/share", "/usr/share"};
    for (const QString& d : dirs) {
        const QString dir = d + "/gnome-shell/extensions/" + WorkspaceMonitor::kGnomeExtensionUUID;
        if (extensionSuits(dir, major)) return dir;
    }
    return {};
}

}  // namespace

bool enableGnomeExtension(const std::string& extensionsRoot, std::string& error) {
    // The Shell reads user extensions from here; a copy of Tocko's own.
    const QString uuid = WorkspaceMonitor::kGnomeExtensionUUID;
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty()) dataHome = QDir::homePath() + "/.local/share";
    const QString target = dataHome + "/gnome-shell/extensions/" + uuid;
    Logger log("WorkspaceMonitor");
    // GNOME Shell 45 and later load extensions as ES modules: another copy.
    QDBusMessage version = QDBusMessage::createMethodCall("org.gnome.Shell", "/org/gnome/Shell",
                                                          "org.freedesktop.DBus.Properties", "Get");
    version << QString("org.gnome.Shell") << QString("ShellVersion");
    const QDBusMessage versionReply = QDBusConnection::sessionBus().call(version, QDBus::Block, 1000);
    int major = 0;
    if (versionReply.type() == QDBusMessage::ReplyMessage && !versionReply.arguments().isEmpty())
        major = qvariant_cast<QDBusVariant>(versionReply.arguments().first())
                    .variant()
                    .toString()
                    .section('.', 0, 0)
                    .toInt();
    const QString root = QString::fromStdString(extensionsRoot);
    const QDir source(major >= 45 ? root + "/45/" + uuid : root + "/" + uuid);
    const QString systemWide = systemWideExtension(major);
    if (!systemWide.isEmpty()) {
        // The package's copy only needs enabling. A user copy would hide it
        // (the Shell prefers those): an earlier one of ours goes.
        log.info("GNOME Shell extension installed for all users in {}", {pub(systemWide.toStdString())});
        if (QDir(target).exists()) {
            QFile::remove(target + "/metadata.json");
            QFile::remove(target + "/extension.js");
            QDir().rmdir(target);
        }
    } else {
        if (!QDir().mkpath(target)) {
            error = "cannot create " + target.toStdString();
            return false;
        }
        for (const QString& name : {QString("metadata.json"), QString("extension.js")}) {
            QFile::remove(target + "/" + name);
            if (!QFile::copy(source.filePath(name), target + "/" + name)) {
                error = "cannot copy " + source.filePath(name).toStdString();
                return false;
            }
        }
    }
    // Same as `gnome-extensions enable tocko-focus@pollix.com`. A Shell
    // that started before the copy existed loads it at the next login.
    QDBusMessage m =
        QDBusMessage::createMethodCall("org.gnome.Shell.Extensions", "/org/gnome/Shell/Extensions",
                                       "org.gnome.Shell.Extensions", "EnableExtension");
    m << uuid;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(m, QDBus::Block, 3000);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        error = reply.errorMessage().toStdString();
        return false;
    }
    return true;
}

std::unique_ptr<FrontmostAppSource> makeDBusFrontmostAppSource(FocusReporter reporter) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return nullptr;
    auto source = std::make_unique<DBusFrontmostAppSource>(bus, reporter);
    if (!source->start()) return nullptr;
    return source;
}

}  // namespace tocko

#include "dbus_focus_source.moc"
