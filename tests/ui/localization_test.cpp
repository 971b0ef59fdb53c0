#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "ui/l10n/localization_store.h"
#include "ui/ui_core.h"

using namespace tocko;

namespace {
struct StoreFixture : ::testing::Test {
    QTemporaryDir dir;
    std::shared_ptr<QSettings> settings =
        std::make_shared<QSettings>(dir.filePath("Tocko.conf"), QSettings::IniFormat);
    QStringList preferred{"en-US"};

    std::unique_ptr<LocalizationStore> makeStore() {
        LocalizationStore::Options options;
        options.settings = settings;
        options.preferredLanguages = [this] { return preferred; };
        return std::make_unique<LocalizationStore>(options);
    }
};

std::string s(const QString& q) { return q.toStdString(); }
}  // namespace

TEST(AppLanguage, BestMatchPrefersExactThenRegionThenBaseLanguage) {
    const std::vector<std::pair<QStringList, std::string>> cases{
        {{"pt-BR"}, "pt-BR"},   {{"pt_PT.UTF-8"}, "pt-PT"},
        {{"pt-AO"}, "pt-PT"},   {{"pt"}, "pt-BR"},
        {{"es-MX"}, "es-419"},  {{"es_ES"}, "es"},
        {{"zh-CN"}, "zh-Hans"}, {{"de-AT"}, "de"},
        {{"de_CH@euro"}, "de"}, {{"sv-SE", "fi", "ko-KR", "de"}, "ko"},  // the first that matches wins
        {{"sv-SE", "C"}, "en"}, {{}, "en"}};                             // nothing supported: English
    for (const auto& [preferred, expected] : cases)
        EXPECT_EQ(s(bestMatchingIdentifier(preferred)), expected) << s(preferred.join(','));
}

TEST_F(StoreFixture, ChoosingALanguagePersistsItAndSystemRemovesThePlatformList) {
    auto store = makeStore();
    EXPECT_EQ(store->language(), AppLanguage::system);
    EXPECT_TRUE(settings->allKeys().isEmpty()) << "start-up writes nothing";
    int published = 0;
    QObject::connect(store.get(), &LocalizationStore::languageChanged, [&] { ++published; });
    store->setLanguage(AppLanguage::system);
    EXPECT_EQ(published, 1);
    EXPECT_TRUE(settings->allKeys().isEmpty()) << "the same value writes nothing";

    store->setLanguage(AppLanguage::ptBR);
    EXPECT_EQ(s(settings->value("appLanguage").toString()), "pt-BR");
    EXPECT_EQ(settings->value("AppleLanguages").toStringList(), QStringList{"pt-BR"});
    EXPECT_EQ(s(store->localeIdentifier()), "pt-BR");

    store->setLanguage(AppLanguage::system);
    EXPECT_EQ(s(settings->value("appLanguage").toString()), "system");
    EXPECT_FALSE(settings->contains("AppleLanguages"));

    // The choice survives a restart; an unknown stored value starts as the system's.
    store->setLanguage(AppLanguage::ko);
    store.reset();
    EXPECT_EQ(makeStore()->language(), AppLanguage::ko);
    settings->setValue("appLanguage", "sv");
    EXPECT_EQ(makeStore()->language(), AppLanguage::system);
}

TEST_F(StoreFixture, SystemChoiceResolvesThroughPreferredLanguagesAndLookUpsFollowTheChoice) {
    preferred = {"fi-FI", "sv"};
    auto store = makeStore();
    EXPECT_EQ(s(store->localeIdentifier()), "en");
    EXPECT_EQ(s(store->systemDefaultName()), "English");
    preferred = {"fr-CA"};
    EXPECT_EQ(s(store->localeIdentifier()), "fr");
    EXPECT_EQ(s(store->systemDefaultName()), "Français");

    // Look-ups use the chosen table and fall back to the key.
    store->setLanguage(AppLanguage::de);
    EXPECT_EQ(s(store->translate("Enable Tocko")), "Tocko aktivieren");
    EXPECT_EQ(s(QCoreApplication::translate(kTranslationContext, "Enable Tocko")), "Tocko aktivieren");
    EXPECT_EQ(s(store->translate("Enable Tocko", "ja")), "Tocko を有効にする");
    EXPECT_EQ(s(store->translate("Enable Tocko", "xx")), "Enable Tocko");
    EXPECT_EQ(s(store->translate("not a key")), "not a key");
    store->setLanguage(AppLanguage::en);
    EXPECT_EQ(s(QCoreApplication::translate(kTranslationContext, "Enable Tocko")), "Enable Tocko");
}

TEST(LocalizationQml, SingletonExposesLanguageAndWritesThrough) {
    QQmlEngine engine;
    prepareQmlEngine(engine);
    QQmlComponent c(&engine);
    c.setData(
        "import QtQuick\nimport Tocko.Theme\n"
        "Item { property string lang: Localization.language; property int count: "
        "Localization.languages.length;"
        " property string label: qsTranslate(\"Tocko\", \"Language\");"
        " function choose(v) { Localization.language = v } }",
        QUrl("qrc:/single.qml"));
    std::unique_ptr<QObject> o(c.create());
    ASSERT_TRUE(o) << s(c.errorString());
    EXPECT_EQ(o->property("count").toInt(), 21);
    QMetaObject::invokeMethod(o.get(), "choose", Q_ARG(QVariant, QVariant("fr")));
    EXPECT_EQ(s(o->property("lang").toString()), "fr");
    EXPECT_EQ(s(o->property("label").toString()), "Langue");  // open views render again
    EXPECT_EQ(s(engine.uiLanguage()), "fr");
    EXPECT_EQ(LocalizationStore::shared().language(), AppLanguage::fr);
    EXPECT_EQ(s(LocalizationStore::localizedString("Cancel")), "Annuler");
    LocalizationStore::shared().setLanguage(AppLanguage::system);
    EXPECT_EQ(s(LocalizationStore::localizedString("Cancel")), "Cancel");
}
