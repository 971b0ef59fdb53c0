#include "platform/linux/control_service.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTimer>

#include "app/app_control.h"
#include "platform/linux/session_bus_name.h"
#include "support/log.h"

namespace tocko {

ControlService::ControlService(AppControl& control, QObject* parent) : QObject(parent), control_(control) {}

bool ControlService::admitted() {
    if (!calledFromDBus()) return true;
    if (SessionBusName::senderIsThisUser(connection(), message())) return true;
    Logger("Control").error("refused a call from {} of another user",
                            {pub(message().service().toStdString())});
    sendErrorReply(QDBusError::AccessDenied, QStringLiteral("Tocko takes commands only from its own user"));
    return false;
}

QString ControlService::Toggle() { return admitted() ? control_.toggle() : QString(); }
QString ControlService::SetEnabled(bool on) { return admitted() ? control_.setEnabled(on) : QString(); }

QString ControlService::Snooze(int minutes) {
    if (!admitted()) return {};
    if (minutes < 1) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("snooze takes at least one minute"));
        return {};
    }
    return control_.snooze(minutes);
}

QString ControlService::Unsnooze() { return admitted() ? control_.unsnooze() : QString(); }
QString ControlService::Status() { return admitted() ? control_.status() : QString(); }

QString ControlService::OpenSettings() {
    if (!admitted()) return {};
    if (!control_.openSettings()) {
        sendErrorReply(QDBusError::NotSupported,
                       QStringLiteral("this Tocko runs without windows (--headless)"));
        return {};
    }
    return QStringLiteral("Settings opened");
}

QString ControlService::OpenPanel() {
    if (!admitted()) return {};
    if (!control_.openPanel()) {
        sendErrorReply(QDBusError::NotSupported,
                       QStringLiteral("this Tocko runs without windows (--headless)"));
        return {};
    }
    return QStringLiteral("Quick controls opened");
}

QString ControlService::Quit() {
    if (!admitted()) return {};
    // After the reply has left.
    QTimer::singleShot(100, this, [this] { control_.quit(); });
    return QStringLiteral("Tocko quits");
}

QString ControlService::PackImported(const QString& id) {
    return admitted() ? control_.packImported(id) : QString();
}

QString ControlService::Activate(bool background) {
    if (!admitted()) return {};
    switch (control_.anotherLaunch(background)) {
        case AppControl::Opened::Settings:
            return QStringLiteral("Tocko already runs; its Settings window is open");
        case AppControl::Opened::Panel:
            return QStringLiteral("Tocko already runs; its quick controls are open");
        case AppControl::Opened::Nothing:
            break;
    }
    return QStringLiteral("Tocko already runs");
}

}  // namespace tocko
