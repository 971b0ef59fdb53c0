#pragma once
// Decides, for the present moment, whether keyboard sounds play and with which
// pack and volume, and pushes that decision into the sound engine's playback
// state whenever one of its inputs changes. Lives on the main thread.

#include <QObject>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "audio/pack.h"
#include "context/playback_sink.h"
#include "context/profile_store.h"
#include "support/log.h"

class QTimer;

namespace tocko {

class ContextEngine : public QObject {
    Q_OBJECT

public:
    using Clock = std::chrono::system_clock;

    struct Decision {
        PackID pack;
        double volume;
        friend bool operator==(const Decision&, const Decision&) = default;
    };
    struct CaseResult {
        std::optional<Decision> decision;
        std::optional<std::string> silenceReason;
    };

    // Reads "autoMuteOnCalls" (true unless stored as false), starts with the
    // master switch off and applies the decision once. Does not save.
    ContextEngine(std::shared_ptr<PlaybackSink> soundEngine, ProfileStore store, QObject* parent = nullptr);
    ~ContextEngine() override;

    // The decision: a (pack, volume) that plays, or silence.
    std::optional<Decision> resolve() const;
    std::optional<std::string> silenceReason() const;
    // "PLAY soft@0.05" or "SILENT: " + the reason.
    std::string effectiveDescription() const;
    // Pushes the decision into the sound engine; logs "Effective:" on change.
    void applyEffective();
    // One diagnostic line beginning "Context: globalEnabled=".
    std::string contextSummary() const;

    // While a secret is typed: who asks for it (absent when not known).
    struct SecureInput {
        std::optional<std::string> holder;
    };

    // The decision rules on explicit inputs, as resolve() and silenceReason().
    static CaseResult evaluateCase(bool globalEnabled, bool autoMuteOnCalls, bool micActive,
                                   const std::optional<std::string>& bundleID, const ProfileStore& store,
                                   std::optional<Clock::time_point> snoozeUntil, Clock::time_point now,
                                   const std::optional<SecureInput>& secureInput = std::nullopt);
    // Start-up check of the decision rules on fixed inputs; writes
    // "[Tocko] SelfTest: " lines only and touches no state.
    void runSelfTest() const;

    // Microphone monitor's report; repeats of the current value do nothing.
    void setMicActive(bool active);
    void setDefaultProfile(const AppProfile& profile);
    // Stores the profile under its own bundleID.
    void upsertRule(const AppProfile& profile);
    void removeRule(const std::string& bundleID);
    void snooze(int minutes);
    void cancelSnooze();

    // Every assignment saves the store and re-applies the decision.
    const ProfileStore& store() const { return store_; }
    void setStore(ProfileStore store);

    // Every assignment writes the user default and re-applies the decision.
    bool autoMuteOnCalls() const { return autoMuteOnCalls_; }
    void setAutoMuteOnCalls(bool on);

    bool micActive() const { return micActive_; }

    // The secure-input monitor's report: while active nothing sounds, right
    // after the master switch. Re-applies the decision when it changes.
    void setSecureInput(bool active, const std::optional<std::string>& holder);
    bool secureInputActive() const { return secureInput_.has_value(); }

    // Plain assignments: the caller re-applies with applyEffective().
    bool globalEnabled() const { return globalEnabled_; }
    void setGlobalEnabled(bool on);
    const std::optional<std::string>& currentBundleID() const { return currentBundleID_; }
    const std::optional<std::string>& currentAppName() const { return currentAppName_; }
    void setCurrentApp(std::optional<std::string> bundleID, std::optional<std::string> name);
    std::optional<Clock::time_point> snoozeUntil() const { return snoozeUntil_; }
    void setSnoozeUntil(std::optional<Clock::time_point> until);

    bool isSnoozed() const { return snoozeUntil_ && now() < *snoozeUntil_; }
    const std::optional<std::string>& lastLoggedEffective() const { return lastLoggedEffective_; }

    // Tests: a replacement for the wall clock.
    void setClockForTesting(std::function<Clock::time_point()> clock) { clock_ = std::move(clock); }
    bool hasSnoozeTimerForTesting() const { return snoozeTimer_ != nullptr; }

signals:
    void storeChanged();
    void autoMuteOnCallsChanged();
    void micActiveChanged();
    void currentAppChanged();
    void snoozeUntilChanged();
    void globalEnabledChanged();

private:
    Clock::time_point now() const { return clock_ ? clock_() : Clock::now(); }
    void storeDidChange();
    void armSnoozeTimer(std::chrono::milliseconds delay);
    void snoozeTimerFired();
    void dropSnoozeTimer();

    std::shared_ptr<PlaybackSink> soundEngine_;
    ProfileStore store_;
    bool autoMuteOnCalls_ = true;
    bool micActive_ = false;
    std::optional<std::string> currentBundleID_;
    std::optional<std::string> currentAppName_;
    std::optional<Clock::time_point> snoozeUntil_;
    std::optional<SecureInput> secureInput_;
    QTimer* snoozeTimer_ = nullptr;
    bool snoozeTimerCut_ = false;  // the period was longer than one timer interval
    bool globalEnabled_ = false;
    std::optional<std::string> lastLoggedEffective_;
    std::function<Clock::time_point()> clock_;
    Logger log_{"ContextEngine"};
};

// Seconds left until `until`, truncated toward zero (negative once passed).
long long wholeSecondsLeft(std::chrono::system_clock::time_point until,
                           std::chrono::system_clock::time_point now);

}  // namespace tocko
