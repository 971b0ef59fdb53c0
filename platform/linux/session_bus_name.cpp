#include "platform/linux/session_bus_name.h"

#include <unistd.h>

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QThread>

namespace tocko {

SessionBusName::SessionBusName(QString name, QDBusConnection connection)
    : name_(std::move(name)), connection_(std::move(connection)) {}

SessionBusName::~SessionBusName() {
    if (owned_ && connection_.isConnected()) connection_.interface()->unregisterService(name_);
}

SessionBusName::Claim SessionBusName::claim() {
    if (owned_) return Claim::Owned;
    if (!connection_.isConnected() || connection_.interface() == nullptr) return Claim::NoBus;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        connection_.interface()->registerService(name_, QDBusConnectionInterface::DontQueueService,
                                                 QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) return Claim::NoBus;
    owned_ = reply.value() == QDBusConnectionInterface::ServiceRegistered;
    return owned_ ? Claim::Owned : Claim::Taken;
}

SessionBusName::Claim SessionBusName::claimWhenFree(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const Claim c = claim();
        if (c != Claim::Taken || std::chrono::steady_clock::now() >= end) return c;
        QThread::msleep(100);
    }
}

bool SessionBusName::registerObject(const QString& path, QObject* object) {
    return connection_.registerObject(path, object,
                                      QDBusConnection::ExportScriptableSlots |
                                          QDBusConnection::ExportScriptableSignals |
                                          QDBusConnection::ExportScriptableProperties);
}

void SessionBusName::unregisterObject(const QString& path) { connection_.unregisterObject(path); }

bool SessionBusName::senderIsThisUser(const QDBusConnection& connection, const QDBusMessage& message) {
    if (connection.interface() == nullptr) return false;
    const QDBusReply<uint> uid = connection.interface()->serviceUid(message.service());
    return uid.isValid() && uid.value() == ::getuid();
}

}  // namespace tocko
