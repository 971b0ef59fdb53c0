// soundreport: measures the committed key sounds as a listener would hear them, renders them for
// listening and looking, and checks them against their targets.
//
//   soundreport [--sounds DIR] [--out DIR] [--check]
//
// Prints, per pack and take (and release): audible length (until 40 dB under the peak), peak
// after the engine's gain, spectral centroid, spectral flatness (100 Hz-16 kHz), the share of the
// tail's energy (after 15 ms) in its three strongest partials; per pack the BS.1770 integrated
// loudness of 4 s of steady typing (8 presses a second, each released 80 ms later, with the
// engine's gains) full-range and through a 200 Hz fourth-order high-pass (a small laptop
// speaker), and the smallest spectral distance between two of its takes; then the spreads.
// --out writes typing-<id>.wav (a typed sentence at a natural rhythm, with releases) per pack and
// spectrograms.png (every pack's takes and release on one sheet).
// --check exits 1 when a target is missed.

#include <sndfile.h>

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "audio/loudness.h"
#include "audio/null_output.h"
#include "audio/pack.h"
#include "audio/sample.h"
#include "audio/sound_engine.h"
#include "tools/spectrum.h"

namespace tocko {
namespace {

constexpr double kRate = 48000.0;

// Targets.
constexpr double kMinAudibleMs = 60, kMaxAudibleMs = 350;
constexpr double kMinFlatness = 0.01;
constexpr double kMaxPartialShare = 0.80;
constexpr double kMaxSpreadLu = 1.0, kMaxHighPassSpreadLu = 3.0;
// Takes of one pack must differ by at least this much (RMS over a band/time grid of
// level-normalised energies, dB): a change a listener hears as another key, not a copy.
constexpr double kMinTakeDistanceDb = 2.0;

bool tonalByName(PackID p) {
    return p == PackID::crystal || p == PackID::ice || p == PackID::marble || p == PackID::drip ||
           p == PackID::droplet || p == PackID::bubble;
}

// ---- spectra

std::vector<double> powerAt(const std::vector<float>& x, long start, size_t n) {
    return spectrum::hannPower(x, start, n);
}

// Averaged power spectrum of x[from, to) with half-overlapping frames of n.
std::vector<double> meanSpectrum(const std::vector<float>& x, size_t from, size_t to, size_t n) {
    std::vector<double> sum(n / 2, 0.0);
    for (size_t s = from; s < std::max(to, from + 1); s += n / 2) {
        const std::vector<double> p = powerAt(x, long(s), n);
        for (size_t k = 0; k < sum.size(); ++k) sum[k] += p[k];
    }
    return sum;
}

// ---- measures

struct Measures {
    double audibleMs = 0, peakDb = 0, centroidHz = 0, flatness = 0, partialShare = 0, strongestHz = 0;
};

double audibleMs(const std::vector<float>& x) {
    const size_t win = 48;
    std::vector<double> env;
    for (size_t i = 0; i + win <= x.size(); i += win) {
        double s = 0;
        for (size_t k = 0; k < win; ++k) s += double(x[i + k]) * double(x[i + k]);
        env.push_back(std::sqrt(s / win));
    }
    if (env.empty()) return 0;
    const double top = *std::max_element(env.begin(), env.end());
    size_t last = 0;
    for (size_t i = 0; i < env.size(); ++i)
        if (env[i] > top * 0.01) last = i;
    return double(last + 1) * 1000.0 * win / kRate;
}

Measures measure(const std::vector<float>& x, float gain) {
    Measures m;
    m.audibleMs = audibleMs(x);
    float peak = 0;
    for (float v : x) peak = std::max(peak, std::fabs(v * gain));
    m.peakDb = 20.0 * std::log10(std::max(peak, 1e-9f));
    const size_t end = std::min(x.size(), size_t(m.audibleMs * kRate / 1000.0) + 1);
    const size_t n = 1024;
    const std::vector<double> all = meanSpectrum(x, 0, end, n);
    const double binHz = kRate / double(n);
    double weighted = 0, total = 0, logSum = 0;
    size_t bins = 0;
    double inBand = 0;
    for (size_t k = 1; k < all.size(); ++k) {
        weighted += double(k) * binHz * all[k];
        total += all[k];
        const double hz = double(k) * binHz;
        if (hz >= 100 && hz <= 16000) {
            logSum += std::log(all[k] + 1e-30);
            inBand += all[k];
            ++bins;
        }
    }
    m.centroidHz = total > 0 ? weighted / total : 0;
    m.flatness = bins > 0 && inBand > 0 ? std::exp(logSum / double(bins)) / (inBand / double(bins)) : 0;

    // Tail after 15 ms at ~12 Hz resolution; a partial is a local maximum and the main lobe
    // around it (+-2 bins of the Hann window).
    const size_t tailFrom = size_t(0.015 * kRate), tn = 4096;
    if (end > tailFrom) {
        const std::vector<double> tail = meanSpectrum(x, tailFrom, end, tn);
        double tailTotal = 0;
        for (size_t k = 1; k < tail.size(); ++k) tailTotal += tail[k];
        std::vector<bool> used(tail.size(), false);
        double inPartials = 0;
        for (int p = 0; p < 3; ++p) {
            size_t best = 0;
            for (size_t k = 2; k + 2 < tail.size(); ++k)
                if (!used[k] && tail[k] >= tail[k - 1] && tail[k] >= tail[k + 1] &&
                    (best == 0 || tail[k] > tail[best]))
                    best = k;
            if (best == 0) break;
            if (p == 0) m.strongestHz = double(best) * kRate / double(tn);
            for (size_t k = best - 2; k <= best + 2; ++k)
                if (!used[k]) {
                    used[k] = true;
                    inPartials += tail[k];
                }
        }
        m.partialShare = tailTotal > 0 ? inPartials / tailTotal : 0;
    }
    return m;
}

// Energies in 12 bands over 6 time slotCount, in dB under the loudest cell (floored at -60).
std::vector<double> gridFeatures(const std::vector<float>& x) {
    const double bandEdges[] = {0, 150, 300, 500, 800, 1200, 1800, 2700, 4000, 6000, 9000, 13500, 24001};
    const double slotEdgesMs[] = {0, 5, 10, 20, 40, 80, 1e9};
    std::vector<double> cells(12 * 6, 1e-20);
    const size_t n = 1024, hop = 240;
    for (size_t c = 0; c < x.size(); c += hop) {
        const double ms = double(c) * 1000.0 / kRate;
        const size_t slot = size_t(std::upper_bound(std::begin(slotEdgesMs), std::end(slotEdgesMs), ms) -
                                   std::begin(slotEdgesMs) - 1);
        const std::vector<double> p = powerAt(x, long(c) - long(n / 2), n);
        for (size_t k = 0; k < p.size(); ++k) {
            const double hz = double(k) * kRate / double(n);
            const size_t band = size_t(std::upper_bound(std::begin(bandEdges), std::end(bandEdges), hz) -
                                       std::begin(bandEdges) - 1);
            cells[slot * 12 + band] += p[k];
        }
    }
    const double top = *std::max_element(cells.begin(), cells.end());
    for (double& v : cells) v = std::max(10.0 * std::log10(v / top), -60.0);
    return cells;
}

double distanceDb(const std::vector<double>& a, const std::vector<double>& b) {
    double s = 0;
    for (size_t i = 0; i < a.size(); ++i) s += (a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(s / double(a.size()));
}

// ---- typing

struct Pack {
    PackID id;
    std::vector<std::vector<float>> takes;
    std::vector<float> release;
    float gain = 1;
};

void addAt(std::vector<float>& out, const std::vector<float>& x, size_t at, float gain) {
    if (out.size() < at + x.size()) out.resize(at + x.size(), 0.0f);
    for (size_t i = 0; i < x.size(); ++i) out[at + i] += x[i] * gain;
}

// Small deterministic generator for the rhythm and take choice of renders.
struct Lcg {
    uint64_t s;
    double uniform() {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return double(s >> 11) * 0x1.0p-53;
    }
};

// A take other than the previous one, as the engine picks them.
size_t pickTake(const Pack& p, size_t& last, Lcg& rng) {
    if (p.takes.size() < 2) return 0;
    size_t pick = size_t(rng.uniform() * double(p.takes.size() - 1));
    if (pick >= last) ++pick;
    return last = pick;
}

// 4 s of steady typing: 8 presses a second, each released 80 ms later.
std::vector<float> typingTrain(const Pack& p) {
    std::vector<float> out(size_t(4.0 * kRate), 0.0f);
    Lcg rng{7};
    size_t last = 0;
    for (int k = 0; k < 32; ++k) {
        const size_t at = size_t(double(k) * kRate / kTypingPressesPerSecond);
        addAt(out, p.takes[pickTake(p, last, rng)], at, p.gain);
        if (!p.release.empty())
            addAt(out, p.release, at + size_t(kTypingReleaseDelaySeconds * kRate), p.gain);
    }
    out.resize(size_t(4.0 * kRate));
    return out;
}

// A typed sentence at a natural rhythm: keys about 170 ms apart, longer after words and
// sentences, each held 60-120 ms.
std::vector<float> typedSentence(const Pack& p) {
    const std::string text = "The quick brown fox jumps over the lazy dog. Pack my box with five dozen jugs!";
    std::vector<float> out;
    Lcg rng{42};
    size_t last = 0;
    double t = 0.3;
    for (char c : text) {
        const size_t at = size_t(t * kRate);
        const float level = float(0.9 * std::pow(10.0, (rng.uniform() * 3.0 - 1.5) / 20.0));
        addAt(out, p.takes[pickTake(p, last, rng)], at, p.gain * level);
        const double hold = 0.06 + 0.06 * rng.uniform();
        if (!p.release.empty()) addAt(out, p.release, at + size_t(hold * kRate), p.gain * level);
        t += 0.12 + 0.10 * rng.uniform() + (c == ' ' ? 0.08 : 0.0) + (c == '.' || c == '!' ? 0.45 : 0.0);
    }
    out.resize(out.size() + size_t(0.4 * kRate), 0.0f);
    return out;
}

bool writeWav(const std::filesystem::path& file, const std::vector<float>& x) {
    SF_INFO info{};
    info.samplerate = int(kRate);
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(file.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    const bool ok = sf_writef_float(f, x.data(), sf_count_t(x.size())) == sf_count_t(x.size());
    sf_close(f);
    return ok;
}

// ---- spectrogram sheet

QRgb heat(double v) {  // 0..1: black, purple, orange, yellow, white
    v = std::clamp(v, 0.0, 1.0);
    const double r = std::clamp(1.6 * v, 0.0, 1.0), g = std::clamp(1.8 * v - 0.6, 0.0, 1.0),
                 b = std::clamp(v < 0.4 ? 1.2 * v : (v < 0.75 ? 0.48 - 1.2 * (v - 0.4) : 2.4 * (v - 0.75)),
                                0.0, 1.0);
    return qRgb(int(255 * r), int(255 * g), int(255 * b));
}

// One panel per pack: its five takes and its release, 200 ms each, 0-16 kHz.
void drawSheet(const std::vector<Pack>& packs, const std::filesystem::path& file) {
    const int slotCount = 6, slotPx = 80, panelW = slotCount * slotPx, panelH = 110, label = 16, cols = 4;
    const int rows = int((packs.size() + cols - 1) / cols);
    QImage img(cols * (panelW + 8) + 8, rows * (panelH + label + 8) + 8, QImage::Format_RGB32);
    img.fill(qRgb(24, 24, 28));
    QPainter painter(&img);
    QFont font;
    font.setPixelSize(12);
    painter.setFont(font);
    const size_t n = 512, slotSamples = size_t(0.2 * kRate);
    for (size_t i = 0; i < packs.size(); ++i) {
        const int left = 8 + int(i % cols) * (panelW + 8), top = 8 + int(i / cols) * (panelH + label + 8);
        painter.setPen(QColor(230, 230, 230));
        painter.drawText(
            left, top + 12,
            QString::fromStdString(std::string(rawValue(packs[i].id)) + "  (takes 1-5, release)"));
        for (int s = 0; s < slotCount; ++s) {
            const std::vector<float>& x =
                s < 5 && size_t(s) < packs[i].takes.size() ? packs[i].takes[size_t(s)] : packs[i].release;
            for (int px = 0; px < slotPx; ++px) {
                const long start = long(size_t(px) * slotSamples / size_t(slotPx)) - long(n / 2);
                const std::vector<double> p = powerAt(x, start, n);
                for (int py = 0; py < panelH; ++py) {
                    const double hz = 16000.0 * double(panelH - py) / panelH;
                    const size_t k = std::min(p.size() - 1, size_t(hz / (kRate / double(n))));
                    const double db = 10.0 * std::log10(p[k] + 1e-20);
                    img.setPixel(left + s * slotPx + px, top + label + py, heat((db + 40.0) / 80.0));
                }
            }
            painter.setPen(QColor(60, 60, 70));
            painter.drawLine(left + s * slotPx, top + label, left + s * slotPx, top + label + panelH - 1);
        }
    }
    painter.end();
    img.save(QString::fromStdString(file.string()));
    // A half-size copy with a small palette, light enough to keep in the docs.
    std::filesystem::path small = file;
    small.replace_filename(file.stem().string() + "-small.png");
    img.scaledToWidth(img.width() / 2, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
        .save(QString::fromStdString(small.string()));
}

std::vector<float> firstChannel(const SampleBuffer& b) {
    std::vector<float> x(b.frames);
    for (uint32_t i = 0; i < b.frames; ++i) x[i] = b.at(i, 0);
    return x;
}

}  // namespace
}  // namespace tocko

int main(int argc, char** argv) {
    using namespace tocko;
    std::string soundsDir = TOCKO_SOUNDS_DIR, outDir;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--sounds" && i + 1 < argc)
            soundsDir = argv[++i];
        else if (a == "--out" && i + 1 < argc)
            outDir = argv[++i];
        else if (a == "--check")
            check = true;
        else {
            std::fprintf(stderr, "usage: soundreport [--sounds DIR] [--out DIR] [--check]\n");
            return 2;
        }
    }

    // The engine's own gains, from an engine that never plays.
    auto engine = SoundEngine::create({soundsDir, std::make_unique<NullOutput>(), {}});

    std::vector<Pack> packs;
    std::vector<std::string> failures;
    auto fail = [&](const std::string& what) { failures.push_back(what); };
    for (PackID id : allPacks()) {
        Pack p{id, {}, {}, engine->baseGain(id).value_or(0.0f)};
        std::string reason;
        for (int k = 0; k < kMaxTakes; ++k) {
            auto b = loadSample(soundsDir + "/" + takeFileName(id, k), reason);
            if (!b) break;
            p.takes.push_back(firstChannel(*b));
        }
        if (auto r = loadSample(soundsDir + "/" + releaseFileName(id), reason)) p.release = firstChannel(*r);
        if (p.takes.empty()) {
            fail(std::string(rawValue(id)) + ": no sample");
            continue;
        }
        packs.push_back(std::move(p));
    }

    std::printf("%-12s %-8s %7s %7s %8s %8s %8s %8s\n", "pack", "take", "len_ms", "peak_dB", "centroid",
                "flatness", "partials", "top_hz");
    std::map<PackID, double> lufs, lufsHp, takeDistance;
    for (const Pack& p : packs) {
        const std::string id(rawValue(p.id));
        for (size_t k = 0; k <= p.takes.size(); ++k) {
            const bool isRelease = k == p.takes.size();
            if (isRelease && p.release.empty()) break;
            const Measures m = measure(isRelease ? p.release : p.takes[k], p.gain);
            std::printf("%-12s %-8s %7.0f %7.1f %8.0f %8.4f %8.2f %8.0f\n", id.c_str(),
                        isRelease ? "release" : std::to_string(k + 1).c_str(), m.audibleMs, m.peakDb,
                        m.centroidHz, m.flatness, m.partialShare, m.strongestHz);
            const std::string name = id + (isRelease ? " release" : " take " + std::to_string(k + 1));
            if (!isRelease && (m.audibleMs < kMinAudibleMs || m.audibleMs > kMaxAudibleMs))
                fail(name + ": audible length " + std::to_string(m.audibleMs) + " ms");
            if (isRelease && m.audibleMs > kMaxAudibleMs) fail(name + ": audible length");
            if (m.peakDb > 0.0) fail(name + ": peak over 0 dBFS");
            if (!tonalByName(p.id) && !isRelease && m.flatness < kMinFlatness) fail(name + ": flatness");
            if (!tonalByName(p.id) && !isRelease && m.partialShare > kMaxPartialShare)
                fail(name + ": partials");
        }
        std::vector<float> train = typingTrain(p);
        float trainPeak = 0;
        for (float v : train) trainPeak = std::max(trainPeak, std::fabs(v));
        if (trainPeak > 1.0f) fail(id + ": typing clips");
        lufs[p.id] = integratedLoudness(train, kRate);
        highPass(train, kRate, 200.0);
        lufsHp[p.id] = integratedLoudness(train, kRate);
        double closest = 1e9;
        std::vector<std::vector<double>> f;
        for (const auto& t : p.takes) f.push_back(gridFeatures(t));
        for (size_t a = 0; a < f.size(); ++a)
            for (size_t b = a + 1; b < f.size(); ++b) closest = std::min(closest, distanceDb(f[a], f[b]));
        takeDistance[p.id] = closest;
        if (p.takes.size() < 5) fail(id + ": fewer than 5 takes");
        if (p.release.empty()) fail(id + ": no release");
        if (p.takes.size() > 1 && closest < kMinTakeDistanceDb) fail(id + ": takes too alike");
    }

    std::printf("\n%-12s %7s %8s %9s %9s %8s\n", "pack", "gain", "LUFS", "LUFS_hp", "hp_loss", "take_dist");
    double lo = 1e9, hi = -1e9, loHp = 1e9, hiHp = -1e9;
    for (const Pack& p : packs) {
        std::printf("%-12s %7.3f %8.2f %9.2f %9.2f %8.1f\n", std::string(rawValue(p.id)).c_str(), p.gain,
                    lufs[p.id], lufsHp[p.id], lufs[p.id] - lufsHp[p.id], takeDistance[p.id]);
        lo = std::min(lo, lufs[p.id]);
        hi = std::max(hi, lufs[p.id]);
        loHp = std::min(loHp, lufsHp[p.id]);
        hiHp = std::max(hiHp, lufsHp[p.id]);
    }
    std::printf(
        "\nspread: %.2f LU full-range (target <= %.1f), %.2f LU through the 200 Hz high-pass (target <= "
        "%.1f)\n",
        hi - lo, kMaxSpreadLu, hiHp - loHp, kMaxHighPassSpreadLu);
    std::printf(
        "targets: audible %g-%g ms per press; flatness >= %g and partials <= %.0f %% except crystal, ice, "
        "marble, drip, droplet, bubble; takes >= %g dB apart\n",
        kMinAudibleMs, kMaxAudibleMs, kMinFlatness, 100 * kMaxPartialShare, kMinTakeDistanceDb);
    if (hi - lo > kMaxSpreadLu) fail("loudness spread");
    if (hiHp - loHp > kMaxHighPassSpreadLu) fail("high-pass loudness spread");

    if (!outDir.empty()) {
        std::filesystem::create_directories(outDir);
        for (const Pack& p : packs) {
            const auto file =
                std::filesystem::path(outDir) / ("typing-" + std::string(rawValue(p.id)) + ".wav");
            if (!writeWav(file, typedSentence(p))) fail("cannot write " + file.string());
        }
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        int qargc = 1;
        QGuiApplication app(qargc, argv);
        drawSheet(packs, std::filesystem::path(outDir) / "spectrograms.png");
        std::printf("renders in %s\n", outDir.c_str());
    }

    for (const std::string& f : failures) std::printf("MISSED: %s\n", f.c_str());
    if (failures.empty()) std::printf("all targets met\n");
    return check && !failures.empty() ? 1 : 0;
}
