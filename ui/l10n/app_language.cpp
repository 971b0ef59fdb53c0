#include "ui/l10n/app_language.h"

#include <QRegularExpression>
#include <QSet>

namespace tocko {

namespace {
struct LanguageInfo {
    AppLanguage language;
    const char* raw;
    const char* name;  // UTF-8
};
constexpr LanguageInfo kLanguages[kAppLanguageCount] = {
    {AppLanguage::system, "system", "System"},
    {AppLanguage::en, "en", "English"},
    {AppLanguage::es, "es", "Español (España)"},
    {AppLanguage::esLatAm, "es-419", "Español (Latinoamérica)"},
    {AppLanguage::ptBR, "pt-BR", "Português (Brasil)"},
    {AppLanguage::ptPT, "pt-PT", "Português (Portugal)"},
    {AppLanguage::de, "de", "Deutsch"},
    {AppLanguage::fr, "fr", "Français"},
    {AppLanguage::it, "it", "Italiano"},
    {AppLanguage::nl, "nl", "Nederlands"},
    {AppLanguage::pl, "pl", "Polski"},
    {AppLanguage::cs, "cs", "Čeština"},
    {AppLanguage::el, "el", "Ελληνικά"},
    {AppLanguage::ro, "ro", "Română"},
    {AppLanguage::hu, "hu", "Magyar"},
    {AppLanguage::hr, "hr", "Hrvatski"},
    {AppLanguage::tr, "tr", "Türkçe"},
    {AppLanguage::id, "id", "Bahasa Indonesia"},
    {AppLanguage::vi, "vi", "Tiếng Việt"},
    {AppLanguage::ja, "ja", "日本語"},
    {AppLanguage::ko, "ko", "한국어"},
    {AppLanguage::zhHans, "zh-Hans", "简体中文"},
};

const LanguageInfo& info(AppLanguage language) { return kLanguages[static_cast<std::size_t>(language)]; }

// Spanish-speaking countries of the Americas (and the United States), whose
// users get the Latin American table.
bool isLatinAmericanRegion(const QString& region) {
    static const QSet<QString> regions{
        QStringLiteral("419"), QStringLiteral("AR"), QStringLiteral("BO"), QStringLiteral("CL"),
        QStringLiteral("CO"),  QStringLiteral("CR"), QStringLiteral("CU"), QStringLiteral("DO"),
        QStringLiteral("EC"),  QStringLiteral("GT"), QStringLiteral("HN"), QStringLiteral("MX"),
        QStringLiteral("NI"),  QStringLiteral("PA"), QStringLiteral("PE"), QStringLiteral("PR"),
        QStringLiteral("PY"),  QStringLiteral("SV"), QStringLiteral("US"), QStringLiteral("UY"),
        QStringLiteral("VE"),  QStringLiteral("BZ")};
    return regions.contains(region);
}

struct Tag {
    QString language;  // lower case
    QString script;    // title case, may be empty
    QString region;    // upper case, may be empty
};

Tag parseTag(QString text) {
    const int cut = text.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0) text.truncate(cut);
    text.replace(QLatin1Char('_'), QLatin1Char('-'));
    const QStringList parts = text.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    Tag tag;
    if (parts.isEmpty()) return tag;
    tag.language = parts[0].toLower();
    for (int i = 1; i < parts.size(); ++i) {
        const QString& p = parts[i];
        if (p.size() == 4 && tag.script.isEmpty() && tag.region.isEmpty()) {
            tag.script = p.left(1).toUpper() + p.mid(1).toLower();
        } else if ((p.size() == 2 || p.size() == 3) && tag.region.isEmpty()) {
            tag.region = p.toUpper();
        }
    }
    return tag;
}

// The identifier one preferred language selects, or empty.
QString matchOne(const QString& preferred) {
    const Tag tag = parseTag(preferred);
    if (tag.language.isEmpty()) return {};
    // Exact identifier (case-insensitive).
    for (const LanguageInfo& l : kLanguages) {
        if (l.language != AppLanguage::system &&
            QString::compare(QLatin1String(l.raw), QString(preferred).replace('_', '-'),
                             Qt::CaseInsensitive) == 0) {
            return QString::fromLatin1(l.raw);
        }
    }
    // Regional variants.
    if (tag.language == QLatin1String("es")) {
        return isLatinAmericanRegion(tag.region) ? QStringLiteral("es-419") : QStringLiteral("es");
    }
    if (tag.language == QLatin1String("pt")) {
        return tag.region.isEmpty() || tag.region == QLatin1String("BR") ? QStringLiteral("pt-BR")
                                                                         : QStringLiteral("pt-PT");
    }
    if (tag.language == QLatin1String("zh")) return QStringLiteral("zh-Hans");
    // Same base language.
    for (const LanguageInfo& l : kLanguages) {
        if (l.language == AppLanguage::system) continue;
        const QString raw = QString::fromLatin1(l.raw);
        if (raw.section(QLatin1Char('-'), 0, 0) == tag.language) return raw;
    }
    return {};
}
}  // namespace

const std::array<AppLanguage, kAppLanguageCount>& allAppLanguages() {
    static const std::array<AppLanguage, kAppLanguageCount> all = [] {
        std::array<AppLanguage, kAppLanguageCount> a{};
        for (std::size_t i = 0; i < kAppLanguageCount; ++i) a[i] = kLanguages[i].language;
        return a;
    }();
    return all;
}

QString rawValue(AppLanguage language) { return QString::fromLatin1(info(language).raw); }
QString displayName(AppLanguage language) { return QString::fromUtf8(info(language).name); }

std::optional<AppLanguage> appLanguageFromRawValue(const QString& raw) {
    for (const LanguageInfo& l : kLanguages) {
        if (raw == QLatin1String(l.raw)) return l.language;
    }
    return std::nullopt;
}

QString bestMatchingIdentifier(const QStringList& preferredLanguages) {
    for (const QString& preferred : preferredLanguages) {
        const QString id = matchOne(preferred);
        if (!id.isEmpty()) return id;
    }
    return QStringLiteral("en");
}

QString translationFileName(const QString& identifier) {
    return QStringLiteral("tocko_") + QString(identifier).replace(QLatin1Char('-'), QLatin1Char('_'));
}

}  // namespace tocko
