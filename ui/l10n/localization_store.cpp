#include "ui/l10n/localization_store.h"

#include <QCoreApplication>
#include <QJSEngine>
#include <QLocale>
#include <QQmlEngine>
#include <QSettings>
#include <QTranslator>

#include "support/user_settings.h"

namespace tocko {

namespace {
constexpr const char* kLanguageKey = "appLanguage";
constexpr const char* kPlatformLanguagesKey = "AppleLanguages";
}  // namespace

LocalizationStore& LocalizationStore::shared() {
    static LocalizationStore* store = new LocalizationStore(Options{});
    return *store;
}

LocalizationStore* LocalizationStore::create(QQmlEngine* qmlEngine, QJSEngine*) {
    LocalizationStore* store = &shared();
    QJSEngine::setObjectOwnership(store, QJSEngine::CppOwnership);
    store->attach(qmlEngine);
    return store;
}

LocalizationStore::LocalizationStore(Options options) : options_(std::move(options)) {
    settings_ = options_.settings ? options_.settings : std::shared_ptr<QSettings>(userSettings());
    if (!options_.preferredLanguages) {
        options_.preferredLanguages = [] { return QLocale::system().uiLanguages(); };
    }
    // Start-up reads the stored choice and writes nothing.
    const QVariant stored = settings_->value(QLatin1String(kLanguageKey));
    language_ = appLanguageFromRawValue(stored.toString()).value_or(AppLanguage::system);
    apply();
}

LocalizationStore::~LocalizationStore() {
    if (installed_ != nullptr && QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(installed_);
    }
}

void LocalizationStore::setLanguage(AppLanguage language) {
    const bool changed = language != language_;
    language_ = language;
    if (changed) {
        persist();
        apply();
    }
    emit languageChanged();
}

void LocalizationStore::setLanguageRawValue(const QString& raw) {
    setLanguage(appLanguageFromRawValue(raw).value_or(AppLanguage::system));
}

void LocalizationStore::persist() {
    settings_->setValue(QLatin1String(kLanguageKey), rawValue(language_));
    if (language_ == AppLanguage::system) {
        settings_->remove(QLatin1String(kPlatformLanguagesKey));
    } else {
        settings_->setValue(QLatin1String(kPlatformLanguagesKey), QStringList{rawValue(language_)});
    }
    settings_->sync();
}

QString LocalizationStore::localeIdentifier(AppLanguage language) const {
    if (language != AppLanguage::system) return rawValue(language);
    return bestMatchingIdentifier(options_.preferredLanguages());
}

QVariantList LocalizationStore::languagesModel() const {
    QVariantList list;
    for (AppLanguage l : allAppLanguages()) {
        if (l == AppLanguage::system) continue;
        list.append(
            QVariantMap{{QStringLiteral("value"), rawValue(l)}, {QStringLiteral("name"), displayName(l)}});
    }
    return list;
}

QString LocalizationStore::systemDefaultName() const {
    const auto resolved = appLanguageFromRawValue(localeIdentifier(AppLanguage::system));
    return resolved ? displayName(*resolved) : QStringLiteral("English");
}

QTranslator* LocalizationStore::tableFor(const QString& identifier) const {
    auto it = tables_.find(identifier);
    if (it == tables_.end()) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(translationFileName(identifier), options_.tableDirectory)) translator.reset();
        it = tables_.emplace(identifier, std::move(translator)).first;
    }
    return it->second.get();
}

void LocalizationStore::apply() {
    const QString id = localeIdentifier();
    // A store made before the application existed installs its table as
    // soon as an engine is attached or the language changes.
    const bool canInstall = options_.installTranslator && QCoreApplication::instance() != nullptr;
    if (id != appliedIdentifier_ || (canInstall && !translatorApplied_)) {
        appliedIdentifier_ = id;
        if (canInstall) {
            if (installed_ != nullptr) QCoreApplication::removeTranslator(installed_);
            installed_ = tableFor(id);
            if (installed_ != nullptr) QCoreApplication::installTranslator(installed_);
            translatorApplied_ = true;
        }
        QLocale::setDefault(QLocale(id));
    }
    for (auto it = engines_.begin(); it != engines_.end();) {
        if (it->isNull()) {
            it = engines_.erase(it);
            continue;
        }
        (*it)->setUiLanguage(id);
        (*it)->retranslate();
        ++it;
    }
}

void LocalizationStore::attach(QQmlEngine* engine) {
    if (engine == nullptr) return;
    for (const auto& e : engines_) {
        if (e == engine) return;
    }
    engines_.emplace_back(engine);
    if (!translatorApplied_) {
        apply();
    } else {
        engine->setUiLanguage(localeIdentifier());
    }
}

QString LocalizationStore::translate(const char* key) const { return translate(key, localeIdentifier()); }

QString LocalizationStore::translate(const char* key, const QString& identifier) const {
    if (const QTranslator* t = tableFor(identifier)) {
        const QString text = t->translate(kTranslationContext, key);
        if (!text.isEmpty()) return text;
    }
    return QString::fromUtf8(key);
}

QString LocalizationStore::localizedString(const char* key) { return shared().translate(key); }

}  // namespace tocko
