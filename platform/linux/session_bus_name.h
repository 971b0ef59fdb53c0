#pragma once
// The running instance's name on the D-Bus session bus. Owning it is what
// makes Tocko single-instance; the objects other programs talk to (the
// control verbs, and any other service of the running instance) are
// registered on the same connection next to it.

#include <QDBusConnection>
#include <QString>
#include <chrono>

class QDBusMessage;

namespace tocko {

class SessionBusName {
public:
    enum class Claim {
        Owned,  // this process owns the name now
        Taken,  // another process owns it: Tocko already runs
        NoBus,  // no session bus reachable
    };

    // `connection` default: the session bus.
    explicit SessionBusName(QString name, QDBusConnection connection = QDBusConnection::sessionBus());
    ~SessionBusName();
    SessionBusName(const SessionBusName&) = delete;
    SessionBusName& operator=(const SessionBusName&) = delete;

    Claim claim();
    // Claims the name once its present owner lets go (a relaunch, while the
    // old instance quits); Taken after `timeout`.
    Claim claimWhenFree(std::chrono::milliseconds timeout);
    bool owned() const { return owned_; }

    // Registers `object` at `path` with its scriptable slots, signals and
    // properties; the object stays owned by the caller and must outlive
    // this registration or unregister first.
    bool registerObject(const QString& path, QObject* object);
    void unregisterObject(const QString& path);

    const QString& name() const { return name_; }
    QDBusConnection connection() const { return connection_; }

    // Whether the sender of `message` runs as this process's user. A
    // session bus normally admits only its own user; this holds even on a
    // bus set up to admit others.
    static bool senderIsThisUser(const QDBusConnection& connection, const QDBusMessage& message);

private:
    QString name_;
    QDBusConnection connection_;
    bool owned_ = false;
};

}  // namespace tocko
