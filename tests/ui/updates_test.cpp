#include <gtest/gtest.h>

#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "ui/updates/appcast.h"
#include "ui/updates/updater_service.h"

using namespace tocko;

namespace {
const QByteArray kFeed = R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
  <channel>
    <title>Tocko</title>
    <item>
      <title>Version 0.3.0</title>
      <sparkle:version>0.3.0</sparkle:version>
      <sparkle:shortVersionString>0.3</sparkle:shortVersionString>
      <sparkle:releaseNotesLink>https://example.com/notes/0.3.html</sparkle:releaseNotesLink>
      <enclosure url="https://example.com/tocko-0.3.0.tar.gz" length="1234" type="application/octet-stream"/>
    </item>
    <item>
      <title>Version 0.9 for the other platform</title>
      <enclosure url="https://example.com/tocko-0.9.dmg" sparkle:version="0.9.0" sparkle:os="macos" length="1"/>
    </item>
    <item>
      <title>Version 0.2.0</title>
      <enclosure url="https://example.com/tocko-0.2.0.tar.gz" sparkle:version="0.2.0"
                 sparkle:shortVersionString="0.2" sparkle:os="linux" length="99"/>
    </item>
    <item><title>No version, skipped</title><enclosure url="https://example.com/x"/></item>
  </channel>
</rss>)";

// Answers every request with one canned HTTP response, counting requests.
class FeedServer {
public:
    QByteArray status = "200 OK";
    QByteArray body = kFeed;
    int requests = 0;
    FeedServer() {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n")) return;
                    ++requests;
                    socket->write("HTTP/1.1 " + status +
                                  "\r\nContent-Type: application/rss+xml\r\nContent-Length: " +
                                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/appcast.xml").arg(server_.serverPort()));
    }

private:
    QTcpServer server_;
};

// Records what would be shown; the test decides when the user dismisses it.
struct RecordingDriver : UpdateUserDriver {
    QString shown;
    std::optional<AppcastItem> update;
    std::function<void()> dismiss;
    void record(const QString& what, std::function<void()> done) {
        shown = what;
        dismiss = std::move(done);
    }
    void showUpToDate(const QString& v, std::function<void()> done) override {
        record("upToDate " + v, done);
    }
    void showUpdateFound(const AppcastItem& u, const QString& v, std::function<void()> done) override {
        update = u;
        record("update " + u.displayVersion() + " over " + v, done);
    }
    void showError(const QString&, std::function<void()> done) override { record("error", done); }
};

struct UpdaterFixture : ::testing::Test {
    FeedServer server;
    std::shared_ptr<RecordingDriver> driver = std::make_shared<RecordingDriver>();
    std::unique_ptr<UpdaterService> make(const QString& version, QUrl feed = {}) {
        UpdaterService::Options options;
        options.feedUrl = feed.isEmpty() ? server.url() : feed;
        options.currentVersion = version;
        options.userDriver = driver;
        options.timeoutMs = 5000;
        return std::make_unique<UpdaterService>(options);
    }
    bool waitShown() {
        return QTest::qWaitFor([&] { return !driver->shown.isEmpty(); }, 5000);
    }
};
}  // namespace

TEST(Appcast, VersionOrderingFollowsSparkle) {
    // Each pair in ascending order; "1.01" and "1.1" are equal.
    const std::pair<const char*, const char*> ascending[] = {
        {"1.0", "1.1"},     {"1.9", "1.10"},     {"1.0", "1.0.1"}, {"1.0b1", "1.0"},
        {"1.0a1", "1.0b1"}, {"1.0b2", "1.0b10"}, {"1.9.9", "2"},   {"9", "12345678901234567890"}};
    for (const auto& [lower, higher] : ascending) {
        EXPECT_LT(compareVersions(lower, higher), 0) << lower << " < " << higher;
        EXPECT_GT(compareVersions(higher, lower), 0) << higher << " > " << lower;
    }
    EXPECT_EQ(compareVersions("1.01", "1.1"), 0);
}

TEST(Appcast, ParsesItemsAndPicksTheNewestForThisPlatform) {
    const auto items = parseAppcast(kFeed);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 3u);
    EXPECT_EQ((*items)[0].version, "0.3.0");
    EXPECT_EQ((*items)[0].displayVersion(), "0.3");
    EXPECT_EQ((*items)[0].length, 1234);
    EXPECT_EQ((*items)[0].releaseNotesUrl, QUrl("https://example.com/notes/0.3.html"));
    EXPECT_EQ((*items)[2].version, "0.2.0") << "versions on the enclosure";
    EXPECT_EQ((*items)[2].os, "linux");

    EXPECT_EQ(newestUpdate(*items, "0.1.0")->version, "0.3.0") << "0.9 is for another platform";
    EXPECT_EQ(newestUpdate(*items, "0.2.5")->version, "0.3.0");
    EXPECT_FALSE(newestUpdate(*items, "0.3.0"));
    EXPECT_FALSE(newestUpdate(*items, "1.0"));

    EXPECT_FALSE(parseAppcast("<html><body>not a feed</body></html>"));
    EXPECT_FALSE(parseAppcast("<rss><channel><item>"));
    EXPECT_TRUE(parseAppcast("<rss version=\"2.0\"><channel/></rss>")->empty());
}

TEST_F(UpdaterFixture, FindsTheUpdateAndStaysDisabledUntilTheUserIsDone) {
    auto updater = make("0.1.0");
    EXPECT_TRUE(updater->canCheckForUpdates());
    QSignalSpy changes(updater.get(), &UpdaterService::canCheckForUpdatesChanged);

    updater->checkForUpdates();
    EXPECT_FALSE(updater->canCheckForUpdates()) << "checking";
    updater->checkForUpdates();  // ignored while one runs
    ASSERT_TRUE(waitShown());
    EXPECT_EQ(server.requests, 1);
    EXPECT_EQ(driver->shown, "update 0.3 over 0.1.0");
    EXPECT_EQ(driver->update->downloadUrl, QUrl("https://example.com/tocko-0.3.0.tar.gz"));
    EXPECT_FALSE(updater->canCheckForUpdates()) << "its window is open";

    driver->dismiss();
    EXPECT_TRUE(updater->canCheckForUpdates());
    EXPECT_EQ(changes.count(), 2);
}

TEST(Appcast, OnlyWebAddressesAreOfferedForDownload) {
    const QByteArray feed =
        R"feed(<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
  <channel>
    <item><sparkle:version>1</sparkle:version><enclosure url="file:///etc/passwd"/></item>
    <item><sparkle:version>2</sparkle:version><enclosure url="ssh://evil.example.com/x"/></item>
    <item><sparkle:version>3</sparkle:version><enclosure url="javascript:alert(1)"/></item>
    <item><sparkle:version>4</sparkle:version><enclosure url="smb://share/tocko.tar.gz"/>
          <link>https://example.com/tocko-4.html</link></item>
    <item><sparkle:version>5</sparkle:version><enclosure url="http://example.com/tocko-5.tar.gz"/></item>
    <item><sparkle:version>6</sparkle:version><link>file:///tmp/x</link></item>
  </channel>
</rss>)feed";
    const auto items = parseAppcast(feed);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 2u);
    EXPECT_EQ((*items)[0].version, "4");
    EXPECT_EQ((*items)[0].downloadUrl, QUrl("https://example.com/tocko-4.html"));
    EXPECT_EQ((*items)[1].downloadUrl, QUrl("http://example.com/tocko-5.tar.gz"));
    EXPECT_FALSE(isWebUrl(QUrl("https://")));
}

// Up to date, a server error, a page that is no feed, a feed over one
// mebibyte (well-formed, so only its size can make it fail) and no server:
// each is shown, and the next check works again.
TEST_F(UpdaterFixture, UpToDateAndEveryFailureAreReported) {
    QByteArray padded = kFeed;
    padded.insert(padded.indexOf("<channel>") + 9,
                  "<description>" + QByteArray(int(kMaxAppcastBytes), 'x') + "</description>");
    const std::vector<std::tuple<QByteArray, QByteArray, QString>> answers{
        {"200 OK", kFeed, "upToDate 0.3.0"},
        {"404 Not Found", "missing", "error"},
        {"200 OK", "<html>captive portal</html>", "error"},
        {"200 OK", padded, "error"},
        {"200 OK", kFeed, "upToDate 0.3.0"}};
    auto updater = make("0.3.0");
    for (const auto& [status, body, shown] : answers) {
        server.status = status;
        server.body = body;
        driver->shown.clear();
        updater->checkForUpdates();
        ASSERT_TRUE(waitShown());
        EXPECT_EQ(driver->shown, shown) << status.toStdString() << " " << body.left(40).toStdString();
        driver->dismiss();
        EXPECT_TRUE(updater->canCheckForUpdates());
    }

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    driver->shown.clear();
    auto unreachable = make("0.1.0", QUrl(QStringLiteral("http://127.0.0.1:%1/appcast.xml").arg(port)));
    unreachable->checkForUpdates();
    ASSERT_TRUE(waitShown());
    EXPECT_EQ(driver->shown, "error");
}

// The feed's address comes from the settings; feeds are HTTPS except on
// this machine; without a usable one no check starts.
TEST_F(UpdaterFixture, OnlyHttpsOrLocalFeedsCanBeChecked) {
    QSettings settings(QStringLiteral("Pollix"), QStringLiteral("Tocko"));
    settings.setValue("SUFeedURL", " https://updates.example.com/tocko/appcast.xml ");
    EXPECT_EQ(UpdaterService::configuredFeedUrl(), QUrl("https://updates.example.com/tocko/appcast.xml"));
    settings.remove("SUFeedURL");
    for (const char* usable : {"https://updates.example.com/appcast.xml", "http://localhost:8080/appcast.xml",
                               "http://[::1]:8080/appcast.xml"})
        EXPECT_TRUE(make("0.1.0", QUrl(usable))->canCheckForUpdates()) << usable;
    for (const char* unusable :
         {"http://updates.example.com/appcast.xml", "ftp://updates.example.com/appcast.xml",
          "file:///tmp/appcast.xml", "not a url"})
        EXPECT_FALSE(make("0.1.0", QUrl(unusable))->canCheckForUpdates()) << unusable;
    auto updater = make("0.1.0", QUrl("not a url"));
    updater->checkForUpdates();
    QTest::qWait(50);
    EXPECT_TRUE(driver->shown.isEmpty());
    EXPECT_EQ(server.requests, 0);
}
