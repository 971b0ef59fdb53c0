// The diagnostics text and the self-tests the launch runs on request: the
// audio check, the enable/disable toggle test and the localization check.

#include <QTimer>
#include <cmath>

#include "app/app_state.h"
#include "app/self_test_support.h"
#include "context/context_engine.h"
#include "input/key_tap.h"
#include "support/format.h"
#include "support/serial_queue.h"

namespace tocko {

namespace {

std::string level(float v) { return fixedText(v, 4); }

// Stand-ins for the system's shared queues: the pauses of the audio check run
// on the default one; the foreign sound, which blocks until its process has
// ended, on the utility one. They live as long as the process.
SerialQueue& defaultGlobalQueue() {
    static SerialQueue* queue = new SerialQueue("com.tocko.global");
    return *queue;
}
SerialQueue& utilityGlobalQueue() {
    static SerialQueue* queue = new SerialQueue("com.tocko.utility");
    return *queue;
}

template <class Rep, class Period>
SerialQueue::Clock::duration after(std::chrono::duration<Rep, Period> d) {
    return std::chrono::duration_cast<SerialQueue::Clock::duration>(d);
}

// The state the audio check carries from step to step.
struct AudioCheckRun {
    std::shared_ptr<SoundEngine> engine;
    ForeignSoundPlayer foreignSound;
    float r1 = 0, r2 = 0, r3 = 0;
};

void audioCheckPostBeep(const std::shared_ptr<AudioCheckRun>& run) {
    run->engine->measure(kMeasuringWindow, [run](float p4, float r4) {
        trace("AudioCheck",
              "post-beep mixer peak=" + level(p4) + " rms=" + level(r4) + " " + verdict(rmsPasses(r4)));
        const bool all = rmsPasses(run->r1) && rmsPasses(run->r2) && rmsPasses(run->r3) && rmsPasses(r4);
        trace("AudioCheck", "mixer RMS=" + level(r4) + " " + verdict(all));
    });
}

void audioCheckAfterReconfigure(const std::shared_ptr<AudioCheckRun>& run) {
    run->engine->reconfigure("audiocheck-forced");
    run->engine->measure(kMeasuringWindow, [run](float p3, float r3) {
        trace("AudioCheck", "after-reconfigure mixer peak=" + level(p3) + " rms=" + level(r3));
        run->r3 = r3;
        run->engine->logGraph("post-reconfigure");
        utilityGlobalQueue().async([run] {
            if (run->foreignSound) run->foreignSound();
            defaultGlobalQueue().asyncAfter(after(kPauseAfterForeignSound),
                                            [run] { audioCheckPostBeep(run); });
        });
    });
}

void audioCheckAfterIdle(const std::shared_ptr<AudioCheckRun>& run) {
    run->engine->measure(kMeasuringWindow, [run](float p2, float r2) {
        trace("AudioCheck", "after-idle mixer peak=" + level(p2) + " rms=" + level(r2));
        run->r2 = r2;
        audioCheckAfterReconfigure(run);
    });
}

}  // namespace

bool rmsPasses(float rms) { return rms > kPassThreshold; }
const char* verdict(bool pass) { return pass ? "PASS" : "FAIL"; }

std::string diagnosticsTail(const std::string& contextSummary, bool listening, bool osEnabled,
                            bool secureActive, const std::optional<std::string>& holder) {
    return contextSummary + "\nKeyTap: listening=" + boolText(listening) +
           " osEnabled=" + boolText(osEnabled) + "\nSecureInput: active=" + boolText(secureActive) +
           " holder=" + holder.value_or("none");
}

std::string localizationCheckLine(double widthEn, double widthDe, const std::string& germanTranslation) {
    const bool live = widthEn > 0 && widthEn != widthDe;
    auto whole = [](double w) { return std::to_string((long long)std::trunc(w)); };
    return std::string("env-locale lookup live=") + boolText(live) + " (en=" + whole(widthEn) +
           " de=" + whole(widthDe) + ") tr(de-bundle)=" + germanTranslation;
}

void AppState::collectDiagnostics(std::function<void(std::string)> completion) {
    soundEngine_->logGraph("menu-diagnostics");
    std::weak_ptr<AppState*> weak = self_;
    soundEngine_->diagnosticsText([weak, completion = std::move(completion)](std::string engineText) {
        auto self = weak.lock();
        if (!self) return;
        AppState& s = **self;
        const bool listening = s.keyTap_ && s.keyTap_->isListening();
        const bool osEnabled = s.keyTap_ && s.keyTap_->isTapEnabled();
        completion(engineText + "\n" +
                   diagnosticsTail(s.context_->contextSummary(), listening, osEnabled, s.secureInputActive_,
                                   s.secureInputHolder_));
    });
}

void AppState::requestDiagnostics() {
    std::weak_ptr<AppState*> weak = self_;
    collectDiagnostics([weak](std::string text) {
        if (auto self = weak.lock()) emit(*self)->diagnosticsReady(QString::fromStdString(text));
    });
}

void AppState::runAudioCheck() {
    auto run = std::make_shared<AudioCheckRun>();
    run->engine = soundEngine_;
    run->foreignSound = deps_.platform.foreignSound;
    for (const BufferStat& s : run->engine->bufferStats())
        trace("AudioCheck",
              "buffer " + std::string(rawValue(s.pack)) + " peak=" + level(s.peak) + " rms=" + level(s.rms));
    run->engine->logGraph("pre");
    run->engine->measure(kMeasuringWindow, [run](float p1, float r1) {
        trace("AudioCheck", "first-play mixer peak=" + level(p1) + " rms=" + level(r1));
        run->r1 = r1;
        run->engine->stop();
        defaultGlobalQueue().asyncAfter(after(kAudioCheckIdlePause), [run] { audioCheckAfterIdle(run); });
    });
}

void AppState::runToggleTest() {
    setIsEnabled(false);
    // Timers owned by this object: they never fire once it is gone, which
    // ends the test without output.
    QTimer::singleShot(kTogglePause, this, [this] {
        setIsEnabled(true);
        QTimer::singleShot(kTogglePause, this, [this] {
            soundEngine_->measure(kMeasuringWindow, [](float p, float r) {
                trace("ToggleTest", "after-toggle mixer peak=" + level(p) + " rms=" + level(r) + " " +
                                        verdict(rmsPasses(r)));
            });
        });
    });
}

void AppState::runLocalizationCheck() {
    const std::string key = kLocalizationKey;
    const double widthEn = deps_.localization->renderedWidth("en", key);
    const double widthDe = deps_.localization->renderedWidth("de", key);
    trace("L10n self-check",
          localizationCheckLine(widthEn, widthDe, deps_.localization->germanTranslation(key)));
}

}  // namespace tocko
