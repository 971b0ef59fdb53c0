#pragma once
// Constants and line builders of the diagnostics text and the self-tests.

#include <chrono>
#include <optional>
#include <string>

namespace tocko {

inline constexpr double kMeasuringWindow = 0.5;  // seconds
inline constexpr std::chrono::milliseconds kAudioCheckIdlePause{1000};
inline constexpr std::chrono::milliseconds kPauseAfterForeignSound{1500};
inline constexpr std::chrono::milliseconds kTogglePause{1000};
inline constexpr float kPassThreshold = 0.0005f;
inline constexpr const char* kLocalizationKey = "Enable Tocko";

// RMS strictly above the threshold; NaN fails.
bool rmsPasses(float rms);
const char* verdict(bool pass);  // "PASS" / "FAIL"

// Lines 8 to 10 of the diagnostics text (context, tap, secure input).
std::string diagnosticsTail(const std::string& contextSummary, bool listening, bool osEnabled,
                            bool secureActive, const std::optional<std::string>& holder);

// The text after "[Tocko] L10n self-check: ".
std::string localizationCheckLine(double widthEn, double widthDe, const std::string& germanTranslation);

}  // namespace tocko
