#pragma once
// The software-update service: publishes whether a user-initiated check can
// start now and runs that check against the appcast feed. The feed address
// comes from the setting "SUFeedURL" of the user's settings (userSettings()), else
// from the address compiled in (CMake cache variable TOCKO_APPCAST_URL,
// empty by default). Without a usable address the updater does not start
// and no check can be made. What the user sees of a check (up to date, an
// update with its download, an error) is the user driver's; the standard
// driver shows message boxes and opens the download in the browser.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "ui/updates/appcast.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace tocko {

// Presents a check's outcome. Each call gets `done`, to be called once the
// user has dismissed what was shown; until then no new check can start.
class UpdateUserDriver {
public:
    virtual ~UpdateUserDriver() = default;
    virtual void showUpToDate(const QString& currentVersion, std::function<void()> done) = 0;
    virtual void showUpdateFound(const AppcastItem& update, const QString& currentVersion,
                                 std::function<void()> done) = 0;
    virtual void showError(const QString& detail, std::function<void()> done) = 0;
};

// Message boxes; "Download" opens the update's address with the desktop.
std::shared_ptr<UpdateUserDriver> makeStandardUserDriver();

class UpdaterService : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates NOTIFY canCheckForUpdatesChanged)

public:
    struct Options {
        QUrl feedUrl;                                  // empty: configuredFeedUrl()
        QString currentVersion;                        // empty: the application's version
        std::shared_ptr<UpdateUserDriver> userDriver;  // null: the standard driver
        int timeoutMs = 30000;
    };

    // The process's single service, created on first use, never released.
    static UpdaterService& shared();

    explicit UpdaterService(Options options, QObject* parent = nullptr);
    ~UpdaterService() override;

    // True when a user-initiated check may start now: the updater started
    // (a usable feed address) and no check or its result window is open.
    bool canCheckForUpdates() const { return canCheckForUpdates_; }

    // Starts a user-initiated check; ignored while one cannot start.
    Q_INVOKABLE void checkForUpdates();

    QUrl feedUrl() const { return feedUrl_; }
    QString currentVersion() const { return currentVersion_; }

    static QUrl configuredFeedUrl();

signals:
    void canCheckForUpdatesChanged();

private:
    void setCanCheck(bool value);
    void finished(QNetworkReply* reply);
    void sessionEnded();

    QUrl feedUrl_;
    QString currentVersion_;
    std::shared_ptr<UpdateUserDriver> driver_;
    int timeoutMs_;
    bool started_ = false;
    bool canCheckForUpdates_ = false;
    QNetworkAccessManager* network_ = nullptr;
};

}  // namespace tocko
