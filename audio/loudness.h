#pragma once
// Loudness as a listener perceives typing: ITU-R BS.1770 K-weighting and
// integrated loudness, and the level of a typing train (presses at a steady
// rate, each followed by its release) built from a pack's takes.

#include <cstddef>
#include <vector>

namespace tocko {

// Steady typing used to measure and normalise packs: 8 presses a second, each
// released 80 ms after it went down.
inline constexpr double kTypingPressesPerSecond = 8.0;
inline constexpr double kTypingReleaseDelaySeconds = 0.080;

// The signal through the two BS.1770 K-weighting stages.
std::vector<double> kWeighted(const float* samples, size_t frames, double rate);
// Sum of squares of the K-weighted signal.
double kWeightedEnergy(const float* samples, size_t frames, double rate);

// K-weighted RMS of steady typing: the mean energy of one press take plus the
// release's energy, spread over one press period. Overlapping sounds add their
// energies, so this predicts the train's loudness without rendering it.
// `takes` holds the K-weighted energies of the press takes (at least one);
// releaseEnergy is 0 for a pack without release sound.
double typingLevel(const std::vector<double>& takeEnergies, double releaseEnergy, double rate);

// Loudness in LUFS of a K-weighted RMS level.
double loudnessOfLevel(double level);

// BS.1770 integrated loudness (LUFS) of a mono signal: 400 ms blocks with 75 %
// overlap, absolute gate -70 LUFS, relative gate -10 LU. -inf if all gated out.
double integratedLoudness(const std::vector<float>& samples, double rate);

// Fourth-order Butterworth high-pass at `hz`: a small laptop speaker.
void highPass(std::vector<float>& samples, double rate, double hz = 200.0);

}  // namespace tocko
