#include "context/context_engine.h"

#include <QTimer>
#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

#include "support/format.h"
#include "support/user_settings.h"

namespace tocko {

namespace {

constexpr const char* kAutoMuteKey = "autoMuteOnCalls";

bool readAutoMuteDefault() {
    const QVariant v = userSettings()->value(kAutoMuteKey);
    if (v.typeId() == QMetaType::Bool) return v.toBool();
    // The INI backend hands stored booleans back as their text.
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString();
        if (s == "false") return false;
    }
    return true;
}

// Clamped as a double: a volume outside float's range has no float value.
float clampedVolume(double volume) {
    if (std::isnan(volume)) return 0.0f;
    return static_cast<float>(std::clamp(volume, 0.0, 1.0));
}

// "%.2f" without the C locale's say: QCoreApplication adopts the user's
// locale, which may write a decimal comma.
std::string twoDecimals(double value) { return fixedText(value, 2); }

}  // namespace

long long wholeSecondsLeft(std::chrono::system_clock::time_point until,
                           std::chrono::system_clock::time_point now) {
    return std::chrono::duration_cast<std::chrono::seconds>(until - now).count();
}

ContextEngine::ContextEngine(std::shared_ptr<PlaybackSink> soundEngine, ProfileStore store, QObject* parent)
    : QObject(parent),
      soundEngine_(std::move(soundEngine)),
      store_(std::move(store)),
      autoMuteOnCalls_(readAutoMuteDefault()) {
    applyEffective();
}

ContextEngine::~ContextEngine() = default;

ContextEngine::CaseResult ContextEngine::evaluateCase(
    bool globalEnabled, bool autoMuteOnCalls, bool micActive, const std::optional<std::string>& bundleID,
    const ProfileStore& store, std::optional<Clock::time_point> snoozeUntil, Clock::time_point now,
    const std::optional<SecureInput>& secureInput) {
    if (!globalEnabled) return {std::nullopt, "disabled (master off)"};
    // Keystroke sounds can give a password away, so a secret is never heard.
    if (secureInput) return {std::nullopt, "secure input (" + secureInput->holder.value_or("an app") + ")"};
    if (autoMuteOnCalls && micActive) return {std::nullopt, "auto-muted (mic in use / call)"};
    if (snoozeUntil && now < *snoozeUntil)
        return {std::nullopt, "snoozed (" + std::to_string(wholeSecondsLeft(*snoozeUntil, now)) + "s left)"};
    const AppProfile& profile = store.profileFor(bundleID);
    if (profile.muted) return {std::nullopt, "per-app rule muted (" + bundleID.value_or("default") + ")"};
    return {Decision{profile.pack, profile.volume}, std::nullopt};
}

std::optional<ContextEngine::Decision> ContextEngine::resolve() const {
    return evaluateCase(globalEnabled_, autoMuteOnCalls_, micActive_, currentBundleID_, store_, snoozeUntil_,
                        now(), secureInput_)
        .decision;
}

std::optional<std::string> ContextEngine::silenceReason() const {
    return evaluateCase(globalEnabled_, autoMuteOnCalls_, micActive_, currentBundleID_, store_, snoozeUntil_,
                        now(), secureInput_)
        .silenceReason;
}

std::string ContextEngine::effectiveDescription() const {
    if (std::optional<Decision> d = resolve())
        return "PLAY " + std::string(rawValue(d->pack)) + "@" + twoDecimals(d->volume);
    if (std::optional<std::string> reason = silenceReason()) return "SILENT: " + *reason;
    return "SILENT: unknown (resolve()/silenceReason() disagree \u2014 bug)";
}

void ContextEngine::applyEffective() {
    const std::optional<Decision> decision = resolve();
    bool newMuted = true;
    if (decision) {
        soundEngine_->setActivePack(decision->pack);
        const float volume = clampedVolume(decision->volume);
        soundEngine_->state().with([&](Playback& p) { p.masterVolume = volume; });
        newMuted = false;
    }
    soundEngine_->state().with([&](Playback& p) { p.muted = newMuted; });

    std::string text = effectiveDescription();
    if (lastLoggedEffective_ == text) return;
    lastLoggedEffective_ = text;
    log_.info("Effective: {}", {pub(text)});
    trace("Effective", text);
}

std::string ContextEngine::contextSummary() const {
    std::string snooze = "none";
    if (snoozeUntil_ && *snoozeUntil_ > now())
        snooze = std::to_string(wholeSecondsLeft(*snoozeUntil_, now())) + "s left";
    return std::string("Context: globalEnabled=") + boolText(globalEnabled_) +
           " autoMuteOnCalls=" + boolText(autoMuteOnCalls_) + " micActive=" + boolText(micActive_) +
           " currentApp=\"" + currentAppName_.value_or("\u2014") +
           "\" bundleID=" + currentBundleID_.value_or("nil") + " snoozeUntil=" + snooze +
           " effective=" + effectiveDescription();
}

void ContextEngine::runSelfTest() const {
    const AppProfile synthetic{"com.test.app", "Test", PackID::tactile, 0.8, false};
    AppProfile mutedSynthetic = synthetic;
    mutedSynthetic.muted = true;
    ProfileStore none = ProfileStore::emptyStore();
    ProfileStore plain = none, muted = none;
    plain.rules.emplace(synthetic.bundleID, synthetic);
    muted.rules.emplace(mutedSynthetic.bundleID, mutedSynthetic);

    const Clock::time_point t = now();
    struct Case {
        const char* label;
        bool globalEnabled, autoMute, mic;
        std::optional<std::string> bundleID;
        const ProfileStore* store;
        std::optional<Clock::time_point> snoozeUntil;
    };
    const Case cases[] = {
        {"(a) default", true, true, false, std::nullopt, &none, std::nullopt},
        {"(b) synthetic com.test.app", true, true, false, "com.test.app", &plain, std::nullopt},
        {"(c) synthetic com.test.app muted", true, true, false, "com.test.app", &muted, std::nullopt},
        {"(d) mic active + auto-mute", true, true, true, std::nullopt, &muted, std::nullopt},
        {"(e) global disabled", false, true, false, std::nullopt, &muted, std::nullopt},
        {"(f) unknown bundleID", true, true, false, "com.never.seen", &muted, std::nullopt},
        {"(g) snooze active", true, false, false, std::nullopt, &muted, t + std::chrono::seconds(600)},
    };
    for (const Case& c : cases) {
        const CaseResult r =
            evaluateCase(c.globalEnabled, c.autoMute, c.mic, c.bundleID, *c.store, c.snoozeUntil, t);
        const std::string label(c.label);
        const std::string outcome = r.decision ? "play(pack: " + std::string(rawValue(r.decision->pack)) +
                                                     ", volume: " + shortestText(r.decision->volume) + ")"
                                               : std::string("SILENT");
        trace("SelfTest", label + " -> " + outcome);
        const bool agrees = r.decision.has_value() != r.silenceReason.has_value();
        trace("SelfTest", label + " silenceReason-agrees=" + boolText(agrees));
    }
}

void ContextEngine::setMicActive(bool active) {
    if (active == micActive_) return;
    micActive_ = active;
    emit micActiveChanged();
    log_.info("micActive -> {}", {pub(boolText(active))});
    applyEffective();
}

void ContextEngine::setSecureInput(bool active, const std::optional<std::string>& holder) {
    std::optional<SecureInput> next;
    if (active) next = SecureInput{holder};
    const bool same =
        next.has_value() == secureInput_.has_value() && (!next || next->holder == secureInput_->holder);
    if (same) return;
    secureInput_ = std::move(next);
    applyEffective();
}

void ContextEngine::setStore(ProfileStore store) {
    store_ = std::move(store);
    storeDidChange();
}

void ContextEngine::setDefaultProfile(const AppProfile& profile) {
    store_.defaultProfile = profile;
    storeDidChange();
}

void ContextEngine::upsertRule(const AppProfile& profile) {
    store_.rules.insert_or_assign(profile.bundleID, profile);
    storeDidChange();
}

void ContextEngine::removeRule(const std::string& bundleID) {
    store_.rules.erase(bundleID);
    storeDidChange();
}

void ContextEngine::storeDidChange() {
    emit storeChanged();
    store_.save();
    applyEffective();
}

void ContextEngine::setAutoMuteOnCalls(bool on) {
    const bool changed = on != autoMuteOnCalls_;
    autoMuteOnCalls_ = on;
    if (changed) emit autoMuteOnCallsChanged();
    userSettings()->setValue(kAutoMuteKey, on);
    applyEffective();
}

void ContextEngine::setGlobalEnabled(bool on) {
    if (on == globalEnabled_) return;
    globalEnabled_ = on;
    emit globalEnabledChanged();
}

void ContextEngine::setCurrentApp(std::optional<std::string> bundleID, std::optional<std::string> name) {
    const bool changed = bundleID != currentBundleID_ || name != currentAppName_;
    currentBundleID_ = std::move(bundleID);
    currentAppName_ = std::move(name);
    if (changed) emit currentAppChanged();
}

void ContextEngine::setSnoozeUntil(std::optional<Clock::time_point> until) {
    if (until == snoozeUntil_) return;
    snoozeUntil_ = until;
    emit snoozeUntilChanged();
}

void ContextEngine::snooze(int minutes) {
    const auto period = std::chrono::minutes(minutes);
    setSnoozeUntil(now() + period);
    applyEffective();
    armSnoozeTimer(std::chrono::duration_cast<std::chrono::milliseconds>(period));
}

void ContextEngine::cancelSnooze() {
    dropSnoozeTimer();
    setSnoozeUntil(std::nullopt);
    applyEffective();
}

void ContextEngine::dropSnoozeTimer() {
    if (!snoozeTimer_) return;
    snoozeTimer_->stop();
    snoozeTimer_->deleteLater();  // may be inside its own timeout signal
    snoozeTimer_ = nullptr;
}

void ContextEngine::armSnoozeTimer(std::chrono::milliseconds delay) {
    dropSnoozeTimer();
    // The timer is a child, so it can never fire into a destroyed engine.
    snoozeTimer_ = new QTimer(this);
    snoozeTimer_->setSingleShot(true);
    snoozeTimer_->setTimerType(Qt::CoarseTimer);
    snoozeTimerCut_ = delay.count() > INT_MAX;
    snoozeTimer_->setInterval(static_cast<int>(std::clamp<long long>(delay.count(), 0, INT_MAX)));
    connect(snoozeTimer_, &QTimer::timeout, this, &ContextEngine::snoozeTimerFired);
    snoozeTimer_->start();
}

void ContextEngine::snoozeTimerFired() {
    // A period longer than one timer can wait for is covered in steps.
    if (snoozeTimerCut_ && snoozeUntil_ && *snoozeUntil_ > now()) {
        armSnoozeTimer(std::chrono::duration_cast<std::chrono::milliseconds>(*snoozeUntil_ - now()));
        return;
    }
    dropSnoozeTimer();
    setSnoozeUntil(std::nullopt);
    applyEffective();
}

}  // namespace tocko
