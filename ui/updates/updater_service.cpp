#include "ui/updates/updater_service.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "support/log.h"
#include "support/user_settings.h"
#include "ui/updates/appcast.h"

#ifndef TOCKO_APPCAST_URL
#define TOCKO_APPCAST_URL ""
#endif
#ifndef TOCKO_VERSION_TEXT
#define TOCKO_VERSION_TEXT "0"
#endif

namespace tocko {

namespace {
const Logger log{"Updater"};

// https only: a feed read in the clear could offer anything to download.
// Plain http is left for a server on this machine (tests, local mirrors).
bool usableFeed(const QUrl& url) {
    if (!isWebUrl(url)) return false;
    if (url.scheme() == QLatin1String("https")) return true;
    const QString host = url.host();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}
}  // namespace

QUrl UpdaterService::configuredFeedUrl() {
    const QString configured = userSettings()->value(QStringLiteral("SUFeedURL")).toString();
    return QUrl(configured.isEmpty() ? QStringLiteral(TOCKO_APPCAST_URL) : configured.trimmed());
}

UpdaterService& UpdaterService::shared() {
    static UpdaterService* service = new UpdaterService(Options{});
    return *service;
}

UpdaterService::UpdaterService(Options options, QObject* parent)
    : QObject(parent),
      feedUrl_(options.feedUrl.isEmpty() ? configuredFeedUrl() : options.feedUrl),
      currentVersion_(options.currentVersion),
      driver_(options.userDriver ? options.userDriver : makeStandardUserDriver()),
      timeoutMs_(options.timeoutMs) {
    if (currentVersion_.isEmpty()) currentVersion_ = QCoreApplication::applicationVersion();
    if (currentVersion_.isEmpty()) currentVersion_ = QStringLiteral(TOCKO_VERSION_TEXT);
    // The updater starts with the service; without a feed it cannot.
    started_ = usableFeed(feedUrl_);
    if (!started_) {
        log.error("Updater not started: no usable feed address ({})",
                  {pub(feedUrl_.toString().toStdString())});
    }
    setCanCheck(started_);
}

UpdaterService::~UpdaterService() = default;

void UpdaterService::setCanCheck(bool value) {
    if (value == canCheckForUpdates_) return;
    canCheckForUpdates_ = value;
    emit canCheckForUpdatesChanged();
}

void UpdaterService::checkForUpdates() {
    if (!canCheckForUpdates_) return;
    setCanCheck(false);
    QNetworkRequest request(feedUrl_);
    request.setTransferTimeout(timeoutMs_);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Tocko/%1 (update check)").arg(currentVersion_));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Made at the first check: the network stack (its proxy and TLS set-up)
    // need not stay resident in a program that may never check.
    if (!network_) network_ = new QNetworkAccessManager(this);
    QNetworkReply* reply = network_->get(request);
    // The body is held in memory: a feed that is (or announces itself as)
    // larger than any appcast is cut off as soon as that shows.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > kMaxAppcastBytes || total > kMaxAppcastBytes) {
            reply->setProperty("tockoTooLarge", true);
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finished(reply); });
}

void UpdaterService::finished(QNetworkReply* reply) {
    reply->deleteLater();
    QPointer<UpdaterService> self(this);
    auto done = [self] {
        if (self) self->sessionEnded();
    };
    if (reply->property("tockoTooLarge").toBool()) {
        const QString detail = QStringLiteral("The feed is larger than 1 MiB.");
        log.error("Update check failed: {}", {pub(detail.toStdString())});
        driver_->showError(detail, done);
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || (status != 0 && status != 200)) {
        const QString detail = reply->error() != QNetworkReply::NoError
                                   ? reply->errorString()
                                   : QStringLiteral("HTTP %1").arg(status);
        log.error("Update check failed: {}", {pub(detail.toStdString())});
        driver_->showError(detail, done);
        return;
    }
    const QByteArray body = reply->read(kMaxAppcastBytes + 1);
    if (body.size() > kMaxAppcastBytes) {
        const QString detail = QStringLiteral("The feed is larger than 1 MiB.");
        log.error("Update check failed: {}", {pub(detail.toStdString())});
        driver_->showError(detail, done);
        return;
    }
    const auto items = parseAppcast(body);
    if (!items) {
        log.error("Update check failed: the feed is not a readable appcast");
        driver_->showError(QStringLiteral("The feed is not a readable appcast."), done);
        return;
    }
    if (const auto update = newestUpdate(*items, currentVersion_)) {
        log.info("Update available: {}", {pub(update->displayVersion().toStdString())});
        driver_->showUpdateFound(*update, currentVersion_, done);
    } else {
        driver_->showUpToDate(currentVersion_, done);
    }
}

void UpdaterService::sessionEnded() { setCanCheck(started_); }

}  // namespace tocko
