#include "context/context_engine.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <limits>

#include "context/mouse_sound.h"
#include "support/format.h"
#include "tests/common/fake_sink.h"
#include "tests/common/test_support.h"

using namespace tocko;
using namespace std::chrono_literals;
using tocko::test::FakeSink;
using tocko::test::LogCapture;
namespace fs = std::filesystem;

namespace {

class ContextEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(ProfileStore::supportDirectory());
        QSettings("Pollix", "Tocko").clear();
    }
    std::unique_ptr<ContextEngine> make(ProfileStore store = ProfileStore::emptyStore()) {
        auto e = std::make_unique<ContextEngine>(sink, std::move(store));
        e->setClockForTesting([this] { return clock; });
        return e;
    }
    std::unique_ptr<ContextEngine> makeEnabled(ProfileStore store = ProfileStore::emptyStore()) {
        auto e = make(std::move(store));
        e->setGlobalEnabled(true);
        e->applyEffective();
        return e;
    }
    Playback playback() { return sink->state().get(); }
    std::vector<std::string> effectiveLines(const LogCapture& logs) {
        std::vector<std::string> out;
        for (const std::string& m : logs.messages("ContextEngine"))
            if (m.rfind("Effective: ", 0) == 0) out.push_back(m);
        return out;
    }

    std::shared_ptr<FakeSink> sink = std::make_shared<FakeSink>();
    ContextEngine::Clock::time_point clock =
        ContextEngine::Clock::time_point(std::chrono::seconds(1'800'000'000));
};

AppProfile rule(const std::string& id, PackID pack, double volume, bool muted = false) {
    return {id, id + " app", pack, volume, muted};
}

}  // namespace

TEST_F(ContextEngineTest, StartsOffWithoutSavingAndSilenceFollowsTheFixedPrecedence) {
    LogCapture logs;
    auto e = make();
    EXPECT_TRUE(e->autoMuteOnCalls());
    EXPECT_TRUE(playback().muted);
    EXPECT_EQ(logs.traces(), std::vector<std::string>{"[Tocko] Effective: SILENT: disabled (master off)"});
    EXPECT_FALSE(fs::exists(ProfileStore::fileURL()));
    EXPECT_FALSE(QSettings("Pollix", "Tocko").contains("autoMuteOnCalls"));
    e->setMicActive(true);
    e->snooze(10);
    e->setSecureInput(true, "Passwords");
    EXPECT_EQ(e->silenceReason(), "disabled (master off)");
    e->setGlobalEnabled(true);
    e->applyEffective();
    EXPECT_EQ(e->silenceReason(), "secure input (Passwords)");
    EXPECT_TRUE(playback().muted);
    e->setSecureInput(true, std::nullopt);  // the holder is not known
    EXPECT_EQ(e->effectiveDescription(), "SILENT: secure input (an app)");
    e->setSecureInput(false, std::nullopt);  // re-applies at once
    EXPECT_EQ(e->silenceReason(), "auto-muted (mic in use / call)");
    e->setAutoMuteOnCalls(false);  // the microphone alone never silences
    EXPECT_EQ(e->silenceReason(), "snoozed (600s left)");
    clock += 1500ms;
    EXPECT_EQ(e->silenceReason(), "snoozed (598s left)");
    EXPECT_EQ(e->effectiveDescription(), "SILENT: snoozed (598s left)");
    EXPECT_FALSE(e->resolve());
    clock += 600s;  // past its end the snooze no longer counts, timer or not
    EXPECT_EQ(e->resolve(), (ContextEngine::Decision{PackID::soft, 0.05}));
    EXPECT_EQ(e->silenceReason(), std::nullopt);
    e->applyEffective();
    EXPECT_FALSE(playback().muted);

    // A secret mutes every press: still counted, never played.
    e->setSecureInput(true, "Passwords");
    e->setSecureInput(true, "Passwords");  // a repeat changes nothing
    playMouseClick(*sink, MouseSound::sameAsKeyboard());
    EXPECT_TRUE(sink->plays.empty());
    EXPECT_EQ(playback().playInvocations, 1);
    const std::vector<std::string> lines = effectiveLines(logs);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Effective: SILENT: secure input (Passwords)"), 2);
}

TEST_F(ContextEngineTest, RulesMatchTheExactIdentifierAndApplyClampedOrMuted) {
    ProfileStore store;
    store.defaultProfile.muted = true;
    store.rules.emplace("com.example.app", rule("com.example.app", PackID::tactile, 0.8));
    store.rules.emplace("com.loud", rule("com.loud", PackID::ice, 1.5));
    store.rules.emplace("com.quiet", rule("com.quiet", PackID::ice, -0.2));
    store.rules.emplace("com.off", rule("com.off", PackID::crunch, 0.7, true));
    auto e = makeEnabled(store);
    EXPECT_EQ(e->silenceReason(), "per-app rule muted (default)");
    for (const char* other : {"com.Example.app", "com.example.app.helper", "com.example"}) {
        e->setCurrentApp(std::string(other), "Other");
        EXPECT_EQ(e->silenceReason(), "per-app rule muted (" + std::string(other) + ")");
    }
    e->setCurrentApp(std::string("com.example.app"), "Example");
    EXPECT_EQ(e->effectiveDescription(), "PLAY tactile@0.80");

    auto apply = [&](const char* app) {
        e->setCurrentApp(std::string(app), std::nullopt);
        e->applyEffective();
        return playback();
    };
    EXPECT_EQ(apply("com.loud").masterVolume, 1.0f);
    EXPECT_EQ(playback().pack, PackID::ice);
    EXPECT_FALSE(playback().muted);
    EXPECT_EQ(apply("com.quiet").masterVolume, 0.0f);
    // Silence keeps pack and volume.
    EXPECT_TRUE(apply("com.off").muted);
    EXPECT_EQ(playback().pack, PackID::ice);
    EXPECT_EQ(playback().masterVolume, 0.0f);
    // Back to the same pack: no second pack change reaches the engine.
    EXPECT_FALSE(apply("com.loud").muted);
    EXPECT_EQ(sink->packChanges, std::vector<PackID>{PackID::ice});
}

TEST_F(ContextEngineTest, EffectiveLineIsLoggedOncePerChange) {
    auto e = makeEnabled();
    LogCapture logs;
    e->applyEffective();
    e->applyEffective();
    e->setCurrentApp(std::string("org.term"), "Terminal");  // same decision
    e->applyEffective();
    EXPECT_TRUE(effectiveLines(logs).empty());
    e->setMicActive(true);
    e->setMicActive(true);  // a report that changes nothing
    EXPECT_TRUE(playback().muted);
    e->setMicActive(false);
    EXPECT_FALSE(playback().muted);
    e->setGlobalEnabled(false);
    e->applyEffective();
    e->applyEffective();
    EXPECT_EQ(
        logs.messages("ContextEngine"),
        (std::vector<std::string>{"micActive -> true", "Effective: SILENT: auto-muted (mic in use / call)",
                                  "micActive -> false", "Effective: PLAY soft@0.05",
                                  "Effective: SILENT: disabled (master off)"}));
    EXPECT_EQ(logs.traces().size(), 3u);  // the Effective lines only
}

TEST_F(ContextEngineTest, SnoozeMutesUntilCancelledOrItsTimerEndsIt) {
    auto e = makeEnabled();
    LogCapture logs;
    e->snooze(10);
    EXPECT_TRUE(playback().muted);
    EXPECT_TRUE(e->isSnoozed());
    EXPECT_TRUE(e->hasSnoozeTimerForTesting());
    e->cancelSnooze();
    EXPECT_FALSE(playback().muted);
    EXPECT_FALSE(e->snoozeUntil());
    EXPECT_FALSE(e->hasSnoozeTimerForTesting());
    EXPECT_EQ(effectiveLines(logs), (std::vector<std::string>{"Effective: SILENT: snoozed (600s left)",
                                                              "Effective: PLAY soft@0.05"}));

    e->snooze(10);
    clock += 120s;
    e->snooze(10);  // restarts the period from now
    EXPECT_EQ(e->silenceReason(), "snoozed (600s left)");
    QTimer* timer = e->findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 600'000);
    timer->start(1);  // let the ten minutes pass at once
    ASSERT_TRUE(tocko::test::waitUntil([&] { return !e->snoozeUntil(); }));
    EXPECT_FALSE(playback().muted);
    EXPECT_EQ(e->lastLoggedEffective(), "PLAY soft@0.05");
}

TEST_F(ContextEngineTest, StoreChangesAreSavedAndApplied) {
    auto e = makeEnabled();
    e->setCurrentApp(std::string("com.test.app"), "Test");
    e->upsertRule(rule("com.test.app", PackID::tactile, 0.8));
    EXPECT_EQ(playback().pack, PackID::tactile);
    EXPECT_EQ(ProfileStore::load().rules.size(), 1u);

    e->upsertRule(rule("com.test.app", PackID::tactile, 0.8, true));
    EXPECT_TRUE(playback().muted);
    EXPECT_EQ(e->store().rules.size(), 1u);

    AppProfile quiet = AppProfile::builtInDefault();
    quiet.pack = PackID::felt;
    e->setDefaultProfile(quiet);
    e->removeRule("com.test.app");
    EXPECT_EQ(playback().pack, PackID::felt);
    EXPECT_FALSE(playback().muted);

    // Removing a rule that does not exist still rewrites the file.
    fs::remove(ProfileStore::fileURL());
    e->removeRule("com.never.there");
    ASSERT_TRUE(fs::exists(ProfileStore::fileURL()));
    EXPECT_EQ(ProfileStore::load().defaultProfile.pack, PackID::felt);

    int notified = 0;
    QObject::connect(e.get(), &ContextEngine::storeChanged, [&] { ++notified; });
    e->setStore(ProfileStore::emptyStore());
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(playback().pack, PackID::soft);
}

TEST_F(ContextEngineTest, AutoMuteSettingIsStoredAndReadBack) {
    {
        auto e = makeEnabled();
        e->setMicActive(true);
        e->setAutoMuteOnCalls(false);
        EXPECT_FALSE(playback().muted);
        EXPECT_EQ(QSettings("Pollix", "Tocko").value("autoMuteOnCalls").toString(), "false");
    }
    EXPECT_FALSE(make()->autoMuteOnCalls());
    QSettings("Pollix", "Tocko").setValue("autoMuteOnCalls", "perhaps");
    EXPECT_TRUE(make()->autoMuteOnCalls());
}

TEST_F(ContextEngineTest, ContextSummaryLine) {
    auto e = make();
    EXPECT_EQ(e->contextSummary(),
              "Context: globalEnabled=false autoMuteOnCalls=true micActive=false currentApp=\"\u2014\" "
              "bundleID=nil snoozeUntil=none effective=SILENT: disabled (master off)");
    e->setGlobalEnabled(true);
    e->setCurrentApp(std::string("org.term"), "Terminal");
    e->snooze(10);
    clock += 250ms;
    EXPECT_EQ(e->contextSummary(),
              "Context: globalEnabled=true autoMuteOnCalls=true micActive=false currentApp=\"Terminal\" "
              "bundleID=org.term snoozeUntil=599s left effective=SILENT: snoozed (599s left)");
    clock += 700s;  // a snooze past its end shows as none, timer or not
    EXPECT_TRUE(e->contextSummary().ends_with("snoozeUntil=none effective=PLAY soft@0.05"));
}

TEST_F(ContextEngineTest, SelfTestAgreesOnEveryCaseAndTouchesNothing) {
    auto e = make();
    const Playback before = playback();
    LogCapture logs;
    e->runSelfTest();
    const std::vector<std::string> decisions = {
        "(a) default -> play(pack: soft, volume: 0.05)",
        "(b) synthetic com.test.app -> play(pack: tactile, volume: 0.8)",
        "(c) synthetic com.test.app muted -> SILENT",
        "(d) mic active + auto-mute -> SILENT",
        "(e) global disabled -> SILENT",
        "(f) unknown bundleID -> play(pack: soft, volume: 0.05)",
        "(g) snooze active -> SILENT",
    };
    const std::vector<std::string> traces = logs.traces();
    ASSERT_EQ(traces.size(), 2 * decisions.size());
    for (size_t i = 0; i < decisions.size(); ++i) {
        EXPECT_EQ(traces[2 * i], "[Tocko] SelfTest: " + decisions[i]);
        const std::string name = decisions[i].substr(0, decisions[i].find(" -> "));
        EXPECT_EQ(traces[2 * i + 1], "[Tocko] SelfTest: " + name + " silenceReason-agrees=true");
    }
    EXPECT_TRUE(logs.messages("ContextEngine").empty());
    EXPECT_EQ(playback().muted, before.muted);
    EXPECT_EQ(playback().pack, before.pack);
    EXPECT_FALSE(e->globalEnabled());
    EXPECT_FALSE(fs::exists(ProfileStore::fileURL()));
}

TEST_F(ContextEngineTest, MouseClicksFollowTheKeyboardAndTheStoredChoice) {
    auto e = makeEnabled();  // keyboard: soft at 0.05
    auto click = [&] {
        playMouseClick(*sink, storedMouseSound());
        return sink->plays.back();
    };
    EXPECT_EQ(click(), (FakeSink::Play{PackID::soft, 0.05f, true}));  // nothing stored: as the keyboard
    storeMouseSound(MouseSound::pack(PackID::tactile));
    EXPECT_EQ(QSettings("Pollix", "Tocko").value("mouseSound").toString(), "tactile");
    EXPECT_EQ(click(), (FakeSink::Play{PackID::tactile, 0.05f, true}));
    for (const char* other : {"Felt", "OFF", "", "pack-soft"}) {  // names no choice: as the keyboard
        QSettings("Pollix", "Tocko").setValue("mouseSound", other);
        EXPECT_EQ(click().pack, PackID::soft) << other;
    }
    storeMouseSound(MouseSound::off());  // neither played nor counted
    playMouseClick(*sink, storedMouseSound());
    EXPECT_EQ(playback().playInvocations, 6);
    EXPECT_EQ(sink->plays.size(), 6u);
}

TEST_F(ContextEngineTest, HugeAndNonFiniteVolumesAreWrittenInFullAndClampedBeforePlaying) {
    // Volumes far outside float's range (a hand-edited file may hold any
    // double) must neither overflow the text nor the conversion to float.
    for (double volume : {1e62, 1e308, -1e300, std::numeric_limits<double>::infinity(), std::nan("")}) {
        SCOPED_TRACE(volume);
        ProfileStore store;
        store.defaultProfile.volume = volume;
        LogCapture logs;
        auto e = makeEnabled(store);
        // fixedText matches printf for any double (see the support tests).
        EXPECT_EQ(effectiveLines(logs).back(), "Effective: PLAY soft@" + fixedText(volume, 2));
        EXPECT_EQ(playback().masterVolume, std::isnan(volume) || volume < 0 ? 0.0f : 1.0f);
    }
}
