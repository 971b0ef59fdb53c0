#include "platform/linux/single_instance.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>
#include <cstdio>

#include "app/app_id.h"
#include "platform/linux/control_service.h"
#include "support/log.h"

namespace tocko {

namespace {

using namespace std::chrono_literals;

constexpr int kCallTimeoutMs = 5000;
// A relaunch waits this long for the old instance to let go of the name.
constexpr auto kReplaceTimeout = 10s;

void printLine(FILE* stream, const QString& text) {
    if (text.isEmpty()) return;
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s\n", bytes.constData());
}

QDBusMessage callInstance(const QDBusConnection& bus, const QString& method, const QVariantList& args = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(kAppId, kControlPath, kControlInterface, method);
    call.setArguments(args);
    call.setAutoStartService(false);  // a command never starts Tocko
    return bus.call(call, QDBus::Block, kCallTimeoutMs);
}

bool noInstanceError(const QDBusMessage& reply) {
    const QString name = reply.errorName();
    return name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
           name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

const char kNotRunning[] =
    "tocko: Tocko is not running. Start it first (run tocko, or open Tocko from the app grid).";

int sendVerb(const CommandLine& command) {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        printLine(stderr,
                  QStringLiteral("tocko: no D-Bus session bus, so no running Tocko can be reached (%1)")
                      .arg(bus.lastError().message()));
        return kExitNoInstance;
    }
    if (!bus.interface()->isServiceRegistered(kAppId)) {
        printLine(stderr, QString::fromLatin1(kNotRunning));
        return kExitNoInstance;
    }
    QDBusMessage reply;
    switch (command.verb) {
        case Verb::Toggle:
            reply = callInstance(bus, "Toggle");
            break;
        case Verb::On:
            reply = callInstance(bus, "SetEnabled", {true});
            break;
        case Verb::Off:
            reply = callInstance(bus, "SetEnabled", {false});
            break;
        case Verb::Snooze:
            reply = callInstance(bus, "Snooze", {command.snoozeMinutes});
            break;
        case Verb::Unsnooze:
            reply = callInstance(bus, "Unsnooze");
            break;
        case Verb::Status:
            reply = callInstance(bus, "Status");
            break;
        case Verb::Settings:
            reply = callInstance(bus, "OpenSettings");
            break;
        case Verb::Panel:
            reply = callInstance(bus, "OpenPanel");
            break;
        case Verb::Quit:
            reply = callInstance(bus, "Quit");
            break;
    }
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (noInstanceError(reply)) {
            printLine(stderr, QString::fromLatin1(kNotRunning));
        } else {
            printLine(stderr, QStringLiteral("tocko: %1").arg(reply.errorMessage()));
        }
        return kExitNoInstance;
    }
    printLine(stdout, reply.arguments().value(0).toString());
    return 0;
}

}  // namespace

int runCommand(const CommandLine& command, int argc, char** argv) {
    const QString program = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : "tocko";
    switch (command.action) {
        case CommandLine::Action::Help:
            printLine(stdout, helpText(program).chopped(1));
            return 0;
        case CommandLine::Action::Version:
            printLine(stdout, versionText());
            return 0;
        case CommandLine::Action::UsageError:
            printLine(
                stderr,
                QStringLiteral("%1: %2\nTry '%1 --help' for more information.").arg(program, command.error));
            return kExitUsage;
        case CommandLine::Action::Verb: {
            QCoreApplication app(argc, argv);
            return sendVerb(command);
        }
        case CommandLine::Action::Run:
        case CommandLine::Action::ImportPack:  // handled by the entry
            break;
    }
    return kExitUsage;
}

void announcePackImported(const QString& id, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kAppId)) return;
    callInstance(bus, "PackImported", {id});
}

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() {
    if (service_) bus_->unregisterObject(kControlPath);
}

std::optional<int> SingleInstance::start(const CommandLine& command) {
    bus_ = std::make_unique<SessionBusName>(QString::fromLatin1(kAppId));
    const SessionBusName::Claim claim =
        command.replace ? bus_->claimWhenFree(kReplaceTimeout) : bus_->claim();
    switch (claim) {
        case SessionBusName::Claim::Owned:
            trace("Instance", std::string("owns ") + kAppId + " on the session bus");
            return std::nullopt;
        case SessionBusName::Claim::NoBus:
            trace("Instance",
                  "no session bus: another Tocko cannot be detected and commands cannot reach this one");
            return std::nullopt;
        case SessionBusName::Claim::Taken:
            break;
    }
    const QDBusMessage reply = command.panel ? callInstance(bus_->connection(), "OpenPanel")
                               : command.settings
                                   ? callInstance(bus_->connection(), "OpenSettings")
                                   : callInstance(bus_->connection(), "Activate", {command.background});
    if (reply.type() == QDBusMessage::ErrorMessage) {
        // A window asked of a Tocko without windows says why it cannot open.
        const bool refused = reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NotSupported");
        printLine(stderr, refused ? QStringLiteral("tocko: %1").arg(reply.errorMessage())
                                  : QStringLiteral("tocko: Tocko already runs but did not answer: %1")
                                        .arg(reply.errorMessage()));
        return kExitNoInstance;
    }
    printLine(stdout, reply.arguments().value(0).toString());
    return 0;
}

void SingleInstance::serve(AppState& state, AppControl::Hooks hooks) {
    if (!bus_ || !bus_->owned()) return;
    control_ = std::make_unique<AppControl>(state, std::move(hooks));
    service_ = std::make_unique<ControlService>(*control_);
    if (!bus_->registerObject(kControlPath, service_.get())) {
        Logger("Instance")
            .error("could not register the control object: {}",
                   {pub(bus_->connection().lastError().message().toStdString())});
        service_.reset();
    }
}

}  // namespace tocko
