#pragma once
// The user's choice of interface language. It is persisted under
// "appLanguage" (and mirrored as a one-element "AppleLanguages" list) in the
// application's settings, turned into a locale identifier, and applied by
// installing the matching Qt translator on the application and asking every
// attached QML engine to retranslate, so open windows re-render at once.
//
// Every user-interface text is looked up in the translation context "Tocko":
// qsTranslate("Tocko", "English text") in QML,
// QCoreApplication::translate("Tocko", "English text") (or localizedString)
// in C++.
//
// QML: `import Tocko.Theme` gives the singleton `Localization` with
// `language` (raw value, read/write), `localeIdentifier`, `languages`
// ([{value, name}] without "system") and `systemDefaultName`.

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/l10n/app_language.h"

class QSettings;
class QTranslator;
class QQmlEngine;
class QJSEngine;

namespace tocko {

inline constexpr const char* kTranslationContext = "Tocko";

class LocalizationStore : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Localization)
    QML_SINGLETON
    Q_PROPERTY(QString language READ languageRawValue WRITE setLanguageRawValue NOTIFY languageChanged)
    Q_PROPERTY(QString localeIdentifier READ localeIdentifier NOTIFY languageChanged)
    Q_PROPERTY(QVariantList languages READ languagesModel CONSTANT)
    Q_PROPERTY(QString systemDefaultName READ systemDefaultName NOTIFY languageChanged)

public:
    struct Options {
        // Where "appLanguage" and "AppleLanguages" live; null means the
        // user's settings (userSettings()).
        std::shared_ptr<QSettings> settings;
        // The user's preferred languages, most wanted first; null means the
        // system locale's UI languages.
        std::function<QStringList()> preferredLanguages;
        // Folder holding the compiled tables "tocko_<id>.qm".
        QString tableDirectory = QStringLiteral(":/tocko/i18n");
        // Whether the chosen table is installed on the application.
        bool installTranslator = true;
    };

    // The process-wide store, created on first use.
    static LocalizationStore& shared();
    static LocalizationStore* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);

    explicit LocalizationStore(Options options);
    ~LocalizationStore() override;

    AppLanguage language() const { return language_; }
    // A different value is persisted, applied and published; the same value
    // only publishes.
    void setLanguage(AppLanguage language);

    QString languageRawValue() const { return rawValue(language_); }
    void setLanguageRawValue(const QString& raw);

    // The locale identifier of a language; for `system` the best match of
    // the preferred languages ("en" when none matches).
    QString localeIdentifier(AppLanguage language) const;
    QString localeIdentifier() const { return localeIdentifier(language_); }

    QVariantList languagesModel() const;
    // Display name of the language the system choice resolves to, "English"
    // when it resolves to no offered language.
    QString systemDefaultName() const;

    // Retranslates `engine` on every change; the engine is held weakly.
    void attach(QQmlEngine* engine);

    // `key` translated into the current choice.
    QString translate(const char* key) const;
    // `key` translated with the table of `identifier`, without switching;
    // the key itself when that table is missing or lacks it.
    QString translate(const char* key, const QString& identifier) const;

    // The shared store's translation of `key` (the lookup for code that
    // needs a plain string: alert texts, fallback names).
    static QString localizedString(const char* key);

signals:
    void languageChanged();

private:
    void persist();
    void apply();
    QTranslator* tableFor(const QString& identifier) const;

    Options options_;
    std::shared_ptr<QSettings> settings_;
    AppLanguage language_ = AppLanguage::system;
    QString appliedIdentifier_;
    QTranslator* installed_ = nullptr;
    bool translatorApplied_ = false;
    mutable std::map<QString, std::unique_ptr<QTranslator>> tables_;
    std::vector<QPointer<QQmlEngine>> engines_;
};

}  // namespace tocko
