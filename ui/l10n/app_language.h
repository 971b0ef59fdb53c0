#pragma once
// The interface languages the user can choose, in the order they are offered.
// The raw value is also the locale identifier; the display name is in the
// language itself and never translated.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tocko {

enum class AppLanguage {
    system,
    en,
    es,
    esLatAm,
    ptBR,
    ptPT,
    de,
    fr,
    it,
    nl,
    pl,
    cs,
    el,
    ro,
    hu,
    hr,
    tr,
    id,
    vi,
    ja,
    ko,
    zhHans
};

inline constexpr std::size_t kAppLanguageCount = 22;
const std::array<AppLanguage, kAppLanguageCount>& allAppLanguages();

QString rawValue(AppLanguage language);
QString displayName(AppLanguage language);
// The case whose raw value is exactly `raw`.
std::optional<AppLanguage> appLanguageFromRawValue(const QString& raw);

// Picks the supported identifier (every raw value except "system") that best
// matches the user's preferred languages, taken in order: an exact
// identifier first, then a regional variant of the same language (Spanish
// of the Americas to "es-419", Portuguese outside Brazil to "pt-PT", any
// Chinese to "zh-Hans"), then the same base language. "en" when nothing
// matches. Accepts "de_DE.UTF-8"-style names too.
QString bestMatchingIdentifier(const QStringList& preferredLanguages);

// Name of the translation file for an identifier: "tocko_pt_BR" for "pt-BR".
QString translationFileName(const QString& identifier);

}  // namespace tocko
