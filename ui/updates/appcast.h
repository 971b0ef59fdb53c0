#pragma once
// Appcast feeds: RSS 2.0 whose items carry Sparkle-style enclosures
// (sparkle:version, sparkle:shortVersionString, sparkle:os), and the
// version ordering such feeds are read with.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

namespace tocko {

inline constexpr const char* kSparkleNamespace = "http://www.andymatuschak.org/xml-namespaces/sparkle";

struct AppcastItem {
    QString title;
    QString version;             // sparkle:version, compared with the running version
    QString shortVersionString;  // sparkle:shortVersionString, shown to the user
    QUrl downloadUrl;            // the enclosure's url, else the item's link
    qint64 length = 0;           // the enclosure's length in bytes, 0 when not given
    QUrl releaseNotesUrl;        // sparkle:releaseNotesLink
    QString os;                  // sparkle:os of the enclosure, empty when not given

    // The version as the user reads it.
    QString displayVersion() const { return shortVersionString.isEmpty() ? version : shortVersionString; }
};

// Feeds are small; a longer body is refused unread.
inline constexpr qint64 kMaxAppcastBytes = 1024 * 1024;

// An http or https address with a host: the only kind of link from a feed
// that is handed to the desktop.
bool isWebUrl(const QUrl& url);

// Every item with a version and a web address to download from (the
// enclosure's url, else the item's link), in feed order. Absent when the
// data is not a well-formed RSS document.
std::optional<std::vector<AppcastItem>> parseAppcast(const QByteArray& data);

// Orders versions the way Sparkle does: split into runs of digits, runs of
// other characters and periods; numbers compare numerically and beat
// letters ("1.0" > "1.0b2"), and an extra numeric part makes a version newer
// ("1.0.1" > "1.0") while an extra letter part makes it older.
// Negative when a < b, 0 when equal, positive when a > b.
int compareVersions(const QString& a, const QString& b);

// The newest item for this platform (sparkle:os empty or "linux") that is
// newer than `currentVersion`; absent when there is none.
std::optional<AppcastItem> newestUpdate(const std::vector<AppcastItem>& items, const QString& currentVersion);

}  // namespace tocko
