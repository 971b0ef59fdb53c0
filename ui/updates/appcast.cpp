#include "ui/updates/appcast.h"

#include <QXmlStreamReader>

namespace tocko {

namespace {
enum class PartType { number, string, period };

PartType typeOf(QChar c) {
    if (c.isDigit()) return PartType::number;
    if (c == QLatin1Char('.')) return PartType::period;
    return PartType::string;
}

struct Part {
    PartType type;
    QString text;
};

std::vector<Part> splitVersion(const QString& v) {
    std::vector<Part> parts;
    for (QChar c : v) {
        const PartType t = typeOf(c);
        // Periods stand alone; digits and other characters gather in runs.
        if (!parts.empty() && parts.back().type == t && t != PartType::period) {
            parts.back().text.append(c);
        } else {
            parts.push_back({t, QString(c)});
        }
    }
    return parts;
}

int compareNumbers(const QString& a, const QString& b) {
    // Leading zeros do not count; longer digit runs are larger.
    QString x = a, y = b;
    while (x.size() > 1 && x.startsWith(QLatin1Char('0'))) x.remove(0, 1);
    while (y.size() > 1 && y.startsWith(QLatin1Char('0'))) y.remove(0, 1);
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    return QString::compare(x, y);
}

int sign(int v) { return (v > 0) - (v < 0); }

QString sparkleValue(const QXmlStreamAttributes& attrs, const char* name) {
    return attrs.value(QLatin1String(kSparkleNamespace), QLatin1String(name)).toString();
}
}  // namespace

int compareVersions(const QString& a, const QString& b) {
    const std::vector<Part> pa = splitVersion(a), pb = splitVersion(b);
    const std::size_t n = std::min(pa.size(), pb.size());
    for (std::size_t i = 0; i < n; ++i) {
        const Part& x = pa[i];
        const Part& y = pb[i];
        if (x.type == y.type) {
            int r = 0;
            if (x.type == PartType::number) r = compareNumbers(x.text, y.text);
            if (x.type == PartType::string) r = QString::compare(x.text, y.text);
            if (r != 0) return sign(r);
            continue;
        }
        // A number or a period is newer than letters; a number is newer than a period.
        if (x.type != PartType::string && y.type == PartType::string) return 1;
        if (x.type == PartType::string && y.type != PartType::string) return -1;
        return x.type == PartType::number ? 1 : -1;
    }
    if (pa.size() == pb.size()) return 0;
    const bool aLonger = pa.size() > pb.size();
    const Part& extra = aLonger ? pa[n] : pb[n];
    // An extra letter part marks a pre-release of the shorter version.
    const bool longerIsNewer = extra.type != PartType::string;
    return (aLonger == longerIsNewer) ? 1 : -1;
}

bool isWebUrl(const QUrl& url) {
    return url.isValid() &&
           (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")) &&
           !url.host().isEmpty();
}

std::optional<std::vector<AppcastItem>> parseAppcast(const QByteArray& data) {
    QXmlStreamReader xml(data);
    std::vector<AppcastItem> items;
    bool sawRss = false;
    std::optional<AppcastItem> current;
    QString link;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            const bool sparkle = xml.namespaceUri() == QLatin1String(kSparkleNamespace);
            if (!sawRss) {
                if (name != QLatin1String("rss")) return std::nullopt;
                sawRss = true;
            } else if (!sparkle && name == QLatin1String("item")) {
                current = AppcastItem{};
                link.clear();
            } else if (current && !sparkle && name == QLatin1String("title")) {
                current->title = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            } else if (current && !sparkle && name == QLatin1String("link")) {
                link = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            } else if (current && sparkle && name == QLatin1String("version")) {
                current->version = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            } else if (current && sparkle && name == QLatin1String("shortVersionString")) {
                current->shortVersionString =
                    xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            } else if (current && sparkle && name == QLatin1String("releaseNotesLink")) {
                current->releaseNotesUrl =
                    QUrl(xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed());
            } else if (current && !sparkle && name == QLatin1String("enclosure")) {
                const QXmlStreamAttributes attrs = xml.attributes();
                current->downloadUrl = QUrl(attrs.value(QLatin1String("url")).toString().trimmed());
                current->length = attrs.value(QLatin1String("length")).toLongLong();
                current->os = sparkleValue(attrs, "os");
                // Older feeds put the versions on the enclosure.
                if (current->version.isEmpty()) current->version = sparkleValue(attrs, "version");
                if (current->shortVersionString.isEmpty()) {
                    current->shortVersionString = sparkleValue(attrs, "shortVersionString");
                }
            }
        } else if (xml.isEndElement() && current && xml.name() == QLatin1String("item") &&
                   xml.namespaceUri().isEmpty()) {
            // Anything but a web address (file:, ssh:, a custom scheme) would be
            // opened by whatever the desktop associates with it.
            if (!isWebUrl(current->downloadUrl)) current->downloadUrl = QUrl(link);
            if (!current->version.isEmpty() && isWebUrl(current->downloadUrl)) items.push_back(*current);
            current.reset();
        }
    }
    if (xml.hasError() || !sawRss) return std::nullopt;
    return items;
}

std::optional<AppcastItem> newestUpdate(const std::vector<AppcastItem>& items,
                                        const QString& currentVersion) {
    std::optional<AppcastItem> best;
    for (const AppcastItem& item : items) {
        if (!item.os.isEmpty() && item.os != QLatin1String("linux")) continue;
        if (compareVersions(item.version, currentVersion) <= 0) continue;
        if (!best || compareVersions(item.version, best->version) > 0) best = item;
    }
    return best;
}

}  // namespace tocko
