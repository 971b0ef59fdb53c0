#include "userpacks/user_packs.h"

#include <archive.h>
#include <archive_entry.h>
#include <sndfile.h>
#include <soxr.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "userpacks/pack_config.h"

namespace tocko::userpacks {

namespace {

constexpr qint64 kMaxSourceFileBytes = 64LL * 1024 * 1024;  // one audio or config file
constexpr qint64 kMaxArchiveBytes = 256LL * 1024 * 1024;    // everything a zip unpacks to
constexpr int kMaxArchiveEntries = 4096;
constexpr qint64 kMaxConfigBytes = 1024 * 1024;
constexpr const char* kManifest = "manifest.json";

struct Failure {
    PackProblem problem;
};

void report(const ImportOptions& options, int percent, const QString& step) {
    if (options.progress) options.progress(percent, step);
}

// `shownName` is how the user knows the file: its name inside the pack.
bool isRegularFile(const QString& path, qint64 maxBytes, PackProblem& error, QString shownName = {}) {
    if (shownName.isEmpty()) shownName = QFileInfo(path).fileName();
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &st) != 0) {
        error = {PackError::fileMissing, {shownName.left(80)}};
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = {PackError::fileNotRegular, {shownName.left(80)}};
        return false;
    }
    if (st.st_size > maxBytes) {
        error = {PackError::fileTooLarge, {shownName.left(80)}};
        return false;
    }
    return true;
}

// A relative name inside the pack: no absolute paths, no "..", no empty parts.
bool isSafeRelativeName(const QString& name) {
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QChar(0)))
        return false;
    for (const QString& part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        if (part == QLatin1String("..") || part == QLatin1String(".")) return false;
    return true;
}

// ---- unpacking a .zip ----------------------------------------------------

void unpackZip(const QString& zipPath, const QString& into) {
    PackProblem error;
    if (!isRegularFile(zipPath, kMaxArchiveBytes, error)) throw Failure{error};
    archive* reader = archive_read_new();
    archive_read_support_format_zip(reader);
    struct Closer {
        archive* a;
        ~Closer() { archive_read_free(a); }
    } closer{reader};
    if (archive_read_open_filename(reader, QFile::encodeName(zipPath).constData(), 64 * 1024) != ARCHIVE_OK)
        throw Failure{{PackError::zipUnreadable,
                       {QFileInfo(zipPath).fileName()},
                       QString::fromUtf8(archive_error_string(reader))}};
    qint64 total = 0;
    int entries = 0;
    archive_entry* entry = nullptr;
    std::vector<char> chunk(64 * 1024);
    while (true) {
        const int status = archive_read_next_header(reader, &entry);
        if (status == ARCHIVE_EOF) break;
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN)
            throw Failure{{PackError::zipDamaged, {}, QString::fromUtf8(archive_error_string(reader))}};
        if (++entries > kMaxArchiveEntries) throw Failure{{PackError::zipTooManyFiles}};
        const char* rawName = archive_entry_pathname(entry);
        const QString name = rawName ? QString::fromUtf8(rawName) : QString();
        const mode_t type = archive_entry_filetype(entry);
        if (archive_entry_symlink(entry) != nullptr || archive_entry_hardlink(entry) != nullptr ||
            type == AE_IFLNK)
            throw Failure{{PackError::zipLink, {name.left(80)}}};
        if (!isSafeRelativeName(name)) throw Failure{{PackError::zipUnsafePath, {name.left(80)}}};
        const QString target = QDir(into).filePath(name);
        if (type == AE_IFDIR) {
            if (!QDir().mkpath(target)) throw Failure{{PackError::zipUnpackFailed}};
            continue;
        }
        if (type != AE_IFREG) throw Failure{{PackError::zipSpecialFile, {name.left(80)}}};
        QDir().mkpath(QFileInfo(target).path());
        QFile out(target);
        if (out.exists()) throw Failure{{PackError::zipDuplicate, {name.left(80)}}};
        if (!out.open(QIODevice::WriteOnly))
            throw Failure{{PackError::zipUnpackFailed, {}, out.errorString()}};
        // Count what is really unpacked, not what the headers claim.
        while (true) {
            const la_ssize_t got = archive_read_data(reader, chunk.data(), chunk.size());
            if (got < 0)
                throw Failure{{PackError::zipDamaged, {}, QString::fromUtf8(archive_error_string(reader))}};
            if (got == 0) break;
            total += got;
            if (out.size() + got > kMaxSourceFileBytes || total > kMaxArchiveBytes)
                throw Failure{{PackError::zipTooLarge}};
            if (out.write(chunk.data(), got) != got)
                throw Failure{{PackError::zipUnpackFailed, {}, out.errorString()}};
        }
        if (!out.flush()) throw Failure{{PackError::zipUnpackFailed, {}, out.errorString()}};
    }
}

// The folder holding config.json (or the sound files): the source itself, or
// its only subfolder, as zips often wrap a pack in one folder.
QString packRoot(const QString& dir) {
    QDir d(dir);
    const QStringList files = d.entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden);
    const QStringList dirs = d.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    if (!files.contains(QLatin1String("config.json")) && dirs.size() == 1 &&
        std::none_of(files.begin(), files.end(),
                     [](const QString& f) { return !f.startsWith(QLatin1Char('.')); }))
        return packRoot(d.filePath(dirs.front()));
    return dir;
}

// ---- audio ---------------------------------------------------------------

std::vector<float> resample(const std::vector<float>& in, double fromRate, int toRate) {
    if (std::fabs(fromRate - toRate) < 0.5 || in.empty()) return in;
    const double ratio = toRate / fromRate;
    std::vector<float> out(size_t(std::ceil(double(in.size()) * ratio)) + 16);
    size_t done = 0;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_error_t err = soxr_oneshot(fromRate, toRate, 1, in.data(), in.size(), nullptr, out.data(),
                                          out.size(), &done, &io, &quality, nullptr);
    if (err) throw Failure{{PackError::resampleFailed, {}, QString::fromUtf8(err)}};
    out.resize(done);
    return out;
}

class Decoder {
public:
    Decoder(QString root, const ImportOptions& options) : root_(std::move(root)), options_(options) {}

    // The whole file, mono, at the engine's rate. Each file is decoded once.
    const std::vector<float>& file(const QString& name) {
        auto found = cache_.find(name);
        if (found != cache_.end()) return found->second;
        if (!isSafeRelativeName(name)) throw Failure{{PackError::fileOutsidePack, {name.left(80)}}};
        const QString path = QDir(root_).filePath(name);
        PackProblem error;
        if (!isRegularFile(path, kMaxSourceFileBytes, error, name)) throw Failure{error};
        SF_INFO info{};
        SNDFILE* snd = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        if (snd == nullptr)
            throw Failure{
                {PackError::fileNotAudio, {name.left(80)}, QString::fromUtf8(sf_strerror(nullptr))}};
        std::vector<float> mono;
        if (info.channels > 0 && info.channels <= 8 && info.samplerate >= 8000 && info.samplerate <= 384000 &&
            info.frames > 0 && info.frames <= kMaxSourceFileBytes) {
            // Read in blocks: a header's frame count is not trusted for the size.
            std::vector<float> block(size_t(4096) * size_t(info.channels));
            while (true) {
                const sf_count_t got = sf_readf_float(snd, block.data(), 4096);
                if (got <= 0) break;
                for (sf_count_t f = 0; f < got; ++f) {
                    float sum = 0;
                    for (int c = 0; c < info.channels; ++c)
                        sum += block[size_t(f) * size_t(info.channels) + size_t(c)];
                    mono.push_back(sum / float(info.channels));
                }
                charge(qint64(got) * 4);
            }
        }
        sf_close(snd);
        if (mono.empty()) throw Failure{{PackError::fileNoAudio, {name.left(80)}}};
        for (float& s : mono)
            if (!std::isfinite(s)) s = 0;
        std::vector<float> out = resample(mono, info.samplerate, options_.sampleRate);
        charge(qint64(out.size()) * 4);
        return cache_.emplace(name, std::move(out)).first->second;
    }

    std::vector<float> slice(const QString& name, const Slice& s) {
        const std::vector<float>& whole = file(name);
        const double rate = options_.sampleRate;
        const auto start = size_t(std::llround(s.startMs * rate / 1000.0));
        const auto length = size_t(std::llround(s.lengthMs * rate / 1000.0));
        // Real packs often end their last slice a few milliseconds past the file.
        if (start >= whole.size() || length == 0 || start + length > whole.size() + size_t(rate / 100))
            throw Failure{{PackError::sliceOutsideFile, {name.left(80)}}};
        const size_t end = std::min(whole.size(), start + length);
        charge(qint64(end - start) * 4);
        return {whole.begin() + long(start), whole.begin() + long(end)};
    }

private:
    void charge(qint64 bytes) {
        decoded_ += bytes;
        if (decoded_ > options_.maxDecodedBytes)
            throw Failure{
                {PackError::decodedTooLarge, {QString::number(options_.maxDecodedBytes / (1024 * 1024))}}};
    }

    QString root_;
    const ImportOptions& options_;
    std::map<QString, std::vector<float>> cache_;
    qint64 decoded_ = 0;
};

// Sounds of one direction (press or release), shared between keys when equal.
struct SoundSet {
    std::vector<std::vector<float>> sounds;
    std::map<int, int> keys;
    std::map<QString, int> byOrigin;

    int add(const QString& origin, const std::function<std::vector<float>()>& make) {
        auto found = byOrigin.find(origin);
        if (found != byOrigin.end()) return found->second;
        sounds.push_back(make());
        return byOrigin[origin] = int(sounds.size() - 1);
    }
};

void collectFromConfig(const QString& root, Decoder& decoder, SoundSet& press, SoundSet& release,
                       QString& name, const ImportOptions& options) {
    const QString configPath = QDir(root).filePath(QStringLiteral("config.json"));
    PackProblem error;
    if (!isRegularFile(configPath, kMaxConfigBytes, error)) throw Failure{error};
    QFile file(configPath);
    if (!file.open(QIODevice::ReadOnly)) throw Failure{{PackError::configUnreadable, {}, file.errorString()}};
    const std::optional<PackConfig> config = parsePackConfig(file.read(kMaxConfigBytes), error);
    if (!config) throw Failure{error};
    name = config->name;
    auto origin = [](const QString& fileName, const KeySound& s) {
        return s.slice ? QStringLiteral("%1@%2+%3").arg(fileName).arg(s.slice->startMs).arg(s.slice->lengthMs)
                       : s.file;
    };
    auto collect = [&](const std::map<int, KeySound>& defs, const QString& sliced, SoundSet& into, int from,
                       int to) {
        size_t done = 0;
        for (const auto& entry : defs) {
            const KeySound& sound = entry.second;
            into.keys[entry.first] = into.add(origin(sliced, sound), [&] {
                return sound.slice ? decoder.slice(sliced, *sound.slice) : decoder.file(sound.file);
            });
            report(options, from + int((to - from) * double(++done) / double(defs.size())),
                   QStringLiteral("decoding"));
        }
    };
    collect(config->press, config->soundFile, press, 10, 70);
    const QString upFile = config->releaseSoundFile.isEmpty() ? config->soundFile : config->releaseSoundFile;
    collect(config->release, upFile, release, 70, 85);
}

// A folder without config.json: every sound file is a press take, except
// key-up sounds: those in a folder named "release", "up" or "keyup", and
// those named so ("release.wav", "up-2.wav", "30-up.wav", "release_30.wav").
// Likewise "press" and "down" mark press takes. A name that is a number, once
// such a word is taken off, is the evdev code of the key it sounds for.
void collectFromFolder(const QString& root, Decoder& decoder, SoundSet& press, SoundSet& release,
                       QString& name) {
    name = QFileInfo(root).fileName();
    static const QStringList kAudio = {"wav", "ogg", "oga", "opus", "flac", "mp3", "aif", "aiff"};
    // Sound files of formats libsndfile cannot read: refused, not left out.
    static const QStringList kOtherAudio = {"m4a", "aac", "wma", "mp4", "ape", "wv", "caf", "mka"};
    static const QStringList kUpWords = {"release", "released", "up", "keyup"};
    static const QStringList kDownWords = {"press", "pressed", "down", "keydown"};
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (kOtherAudio.contains(suffix))
            throw Failure{{PackError::fileNotAudio, {QDir(root).relativeFilePath(path).left(80)}}};
        if (kAudio.contains(suffix)) files << QDir(root).relativeFilePath(path);
    }
    files.sort();
    if (files.isEmpty()) throw Failure{{PackError::folderNoSounds}};
    for (const QString& file : files) {
        QString base = QFileInfo(file).completeBaseName().toLower();
        bool isUp = false;
        for (const QString& folder : QFileInfo(file).path().toLower().split(QLatin1Char('/')))
            if (kUpWords.contains(folder)) isUp = true;
        // A direction word alone, or before or after the rest of the name.
        bool named = false;
        for (const QStringList* words : {&kUpWords, &kDownWords}) {
            for (const QString& w : *words) {
                if (base == w) {
                    base.clear();
                } else if (base.startsWith(w + QLatin1Char('-')) || base.startsWith(w + QLatin1Char('_'))) {
                    base = base.mid(w.size() + 1);
                } else if (base.endsWith(QLatin1Char('-') + w) || base.endsWith(QLatin1Char('_') + w)) {
                    base.chop(w.size() + 1);
                } else {
                    continue;
                }
                isUp = words == &kUpWords;
                named = true;
                break;
            }
            if (named) break;
        }
        SoundSet& set = isUp ? release : press;
        const int index = set.add(file, [&] { return decoder.file(file); });
        bool numeric = false;
        const int code = base.toInt(&numeric);
        if (numeric && code > 0 && code < 768) set.keys[code] = index;
    }
    if (press.sounds.empty()) throw Failure{{PackError::folderOnlyRelease}};
}

QString slugOf(const QString& name) {
    QString slug;
    for (const QChar c : name.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            slug += c;
        else if (!slug.isEmpty() && !slug.endsWith(QLatin1Char('-')))
            slug += QLatin1Char('-');
        if (slug.size() >= 40) break;
    }
    while (slug.endsWith(QLatin1Char('-'))) slug.chop(1);
    return slug.isEmpty() ? QStringLiteral("pack") : slug;
}

QJsonObject readManifest(const QString& dir) {
    const QString path = QDir(dir).filePath(QLatin1String(kManifest));
    PackProblem error;
    if (!isRegularFile(path, kMaxConfigBytes, error)) return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(f.read(kMaxConfigBytes)).object();
}

// Same name as an installed pack: the import replaces it under its id.
QString chooseId(const QString& packsDir, const QString& name) {
    const QString base = QLatin1String(kUserPackPrefix) + slugOf(name);
    for (int n = 1; n < 1000; ++n) {
        const QString id = n == 1 ? base : QStringLiteral("%1-%2").arg(base).arg(n);
        const QString dir = QDir(packsDir).filePath(id);
        if (!QFileInfo::exists(dir) || readManifest(dir).value(QLatin1String("name")).toString() == name)
            return id;
    }
    throw Failure{{PackError::tooManySameName, {name.left(80)}}};
}

void writeSound(const QString& path, const std::vector<float>& samples, int rate) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* snd = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (snd == nullptr) throw Failure{{PackError::storeFailed, {}, QString::fromUtf8(sf_strerror(nullptr))}};
    const sf_count_t wrote = sf_writef_float(snd, samples.data(), sf_count_t(samples.size()));
    const int closed = sf_close(snd);
    if (wrote != sf_count_t(samples.size()) || closed != 0)
        throw Failure{{PackError::storeFailed, {}, QString::fromUtf8(sf_strerror(nullptr))}};
}

QJsonObject keyMap(const std::map<int, int>& keys) {
    QJsonObject out;
    for (const auto& [code, index] : keys) out.insert(QString::number(code), index);
    return out;
}

std::map<int, int> readKeyMap(const QJsonObject& object, int count) {
    std::map<int, int> out;
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool ok = false;
        const int code = it.key().toInt(&ok);
        const int index = it.value().toInt(-1);
        if (ok && index >= 0 && index < count) out[code] = index;
    }
    return out;
}

// A stored sound, or empty with the reason (English, for the log).
std::vector<float> readSound(const QString& path, int rate, QString& why) {
    PackProblem missing;
    if (!isRegularFile(path, kMaxSourceFileBytes, missing)) {
        why = missing.english();
        return {};
    }
    SF_INFO info{};
    SNDFILE* snd = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (snd == nullptr) {
        why = QStringLiteral("%1 cannot be read").arg(QFileInfo(path).fileName());
        return {};
    }
    std::vector<float> samples;
    if (info.channels == 1 && info.samplerate == rate && info.frames > 0 &&
        info.frames <= kMaxSourceFileBytes / 4) {
        samples.resize(size_t(info.frames));
        samples.resize(size_t(std::max<sf_count_t>(0, sf_readf_float(snd, samples.data(), info.frames))));
    }
    sf_close(snd);
    if (samples.empty()) why = QStringLiteral("%1 is damaged").arg(QFileInfo(path).fileName());
    return samples;
}

}  // namespace

QString defaultPacksDir() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/Pollix/packs"));
}

int importFromCommandLine(const QString& source, const QString& packsDir, const Translate& translate,
                          QString* importedId) {
    const auto tr = [&](const char* key) {
        return translate ? translate(key) : QCoreApplication::translate("Tocko", key);
    };
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    ImportOptions options;
    options.packsDir = packsDir;
    qsizetype shown = 0;  // characters of the progress line, to wipe it after
    if (terminal)
        options.progress = [&](int percent, const QString&) {
            const QString line = tr(QT_TRANSLATE_NOOP("Tocko", "Importing… %1%")).arg(percent);
            shown = std::max(shown, line.size());
            std::fprintf(stderr, "\r%s", qPrintable(line));
            std::fflush(stderr);
        };
    const ImportResult result = importPack(source, options);
    // Wide characters take two columns: wipe twice the characters shown.
    if (terminal && shown > 0)
        std::fprintf(stderr, "\r%s\r", qPrintable(QString(2 * shown, QLatin1Char(' '))));
    if (!result.ok) {
        std::fprintf(stderr, "tocko: %s\n",
                     qPrintable(tr(QT_TRANSLATE_NOOP("Tocko", "Cannot import %1: %2"))
                                    .arg(source, result.error.text(translate))));
        return 1;
    }
    if (importedId) *importedId = result.packId;
    std::fprintf(stdout, "%s\n%s\n",
                 qPrintable(tr(QT_TRANSLATE_NOOP("Tocko", "Imported \"%1\"")).arg(result.name)),
                 qPrintable(result.packId));
    std::fflush(stdout);
    return 0;
}

bool isUserPackId(const QString& id) {
    return id.startsWith(QLatin1String(kUserPackPrefix)) && id.size() > int(strlen(kUserPackPrefix)) &&
           isSafeRelativeName(id) && !id.contains(QLatin1Char('/'));
}

ImportResult importPack(const QString& source, const ImportOptions& options) {
    ImportResult result;
    QDir().mkpath(options.packsDir);
    const QString staging =
        QDir(options.packsDir)
            .filePath(QStringLiteral(".import-%1")
                          .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0')));
    try {
        if (!QDir().mkpath(staging)) throw Failure{{PackError::cannotWrite, {options.packsDir}}};
        report(options, 0, QStringLiteral("reading"));
        const QFileInfo info(source);
        QString root;
        if (info.isDir()) {
            root = packRoot(source);
        } else if (info.isFile() && info.suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0) {
            const QString unpacked = QDir(staging).filePath(QStringLiteral("source"));
            QDir().mkpath(unpacked);
            unpackZip(source, unpacked);
            root = packRoot(unpacked);
        } else if (!info.exists()) {
            throw Failure{{PackError::sourceMissing, {source}}};
        } else {
            throw Failure{{PackError::sourceNotPack}};
        }
        report(options, 10, QStringLiteral("decoding"));
        Decoder decoder(root, options);
        SoundSet press, release;
        QString name;
        if (QFileInfo::exists(QDir(root).filePath(QStringLiteral("config.json"))))
            collectFromConfig(root, decoder, press, release, name, options);
        else
            collectFromFolder(root, decoder, press, release, name);
        name = name.left(64);

        report(options, 85, QStringLiteral("storing"));
        const QString out = QDir(staging).filePath(QStringLiteral("pack"));
        QDir().mkpath(out);
        QJsonArray pressFiles, releaseFiles;
        for (size_t i = 0; i < press.sounds.size(); ++i) {
            const QString f = QStringLiteral("press-%1.wav").arg(i, 3, 10, QLatin1Char('0'));
            writeSound(QDir(out).filePath(f), press.sounds[i], options.sampleRate);
            pressFiles.append(f);
        }
        for (size_t i = 0; i < release.sounds.size(); ++i) {
            const QString f = QStringLiteral("release-%1.wav").arg(i, 3, 10, QLatin1Char('0'));
            writeSound(QDir(out).filePath(f), release.sounds[i], options.sampleRate);
            releaseFiles.append(f);
        }
        const QString id = chooseId(options.packsDir, name);
        QJsonObject manifest{{"id", id},
                             {"name", name},
                             {"sampleRate", options.sampleRate},
                             {"press", pressFiles},
                             {"release", releaseFiles},
                             {"pressKeys", keyMap(press.keys)},
                             {"releaseKeys", keyMap(release.keys)}};
        QSaveFile manifestFile(QDir(out).filePath(QLatin1String(kManifest)));
        if (!manifestFile.open(QIODevice::WriteOnly) ||
            manifestFile.write(QJsonDocument(manifest).toJson()) <= 0 || !manifestFile.commit())
            throw Failure{{PackError::storeFailed, {}, manifestFile.errorString()}};

        // Swap in atomically; an older copy under the same id goes only after.
        const QString finalDir = QDir(options.packsDir).filePath(id);
        const QString old = QDir(staging).filePath(QStringLiteral("old"));
        if (QFileInfo::exists(finalDir) && !QDir().rename(finalDir, old))
            throw Failure{{PackError::replaceFailed, {name}}};
        if (!QDir().rename(out, finalDir)) {
            if (QFileInfo::exists(old)) QDir().rename(old, finalDir);
            throw Failure{{PackError::storeFailed}};
        }
        result = {true, id, name, {}};
        report(options, 100, QStringLiteral("done"));
    } catch (const Failure& failure) {
        result.ok = false;
        result.error = failure.problem;
    } catch (const std::bad_alloc&) {
        result.ok = false;
        result.error = {PackError::decodedTooLarge,
                        {QString::number(options.maxDecodedBytes / (1024 * 1024))},
                        QStringLiteral("out of memory")};
    }
    QDir(staging).removeRecursively();
    return result;
}

std::vector<UserPackInfo> listUserPacks(const QString& packsDir) {
    std::vector<UserPackInfo> out;
    for (const QString& id : QDir(packsDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        if (!isUserPackId(id)) continue;
        const QJsonObject manifest = readManifest(QDir(packsDir).filePath(id));
        const QString name = manifest.value(QLatin1String("name")).toString();
        if (!name.isEmpty()) out.push_back({id, name});
    }
    std::sort(out.begin(), out.end(), [](const UserPackInfo& a, const UserPackInfo& b) {
        return a.name.localeAwareCompare(b.name) < 0;
    });
    return out;
}

bool removeUserPack(const QString& packsDir, const QString& id, PackProblem& error) {
    if (!isUserPackId(id)) {
        error = {PackError::notImportedPack, {id.left(80)}};
        return false;
    }
    QDir dir(QDir(packsDir).filePath(id));
    if (!dir.exists()) {
        error = {PackError::notInstalled, {id}};
        return false;
    }
    if (!dir.removeRecursively()) {
        error = {PackError::removeFailed, {id}};
        return false;
    }
    return true;
}

std::optional<UserPackAudio> loadUserPack(const QString& packsDir, const QString& id, PackProblem& error) {
    if (!isUserPackId(id)) {
        error = {PackError::notImportedPack, {id.left(80)}};
        return std::nullopt;
    }
    const QString dir = QDir(packsDir).filePath(id);
    const QJsonObject manifest = readManifest(dir);
    UserPackAudio pack;
    pack.id = id;
    pack.name = manifest.value(QLatin1String("name")).toString();
    pack.sampleRate = manifest.value(QLatin1String("sampleRate")).toInt();
    if (pack.name.isEmpty() || pack.sampleRate < 8000) {
        error = {PackError::storedDamaged, {id}, QStringLiteral("no valid manifest")};
        return std::nullopt;
    }
    qint64 bytes = 0;
    auto readAll = [&](const char* key, std::vector<std::vector<float>>& into) {
        for (const QJsonValue& v : manifest.value(QLatin1String(key)).toArray()) {
            const QString f = v.toString();
            if (!isSafeRelativeName(f) || f.contains(QLatin1Char('/'))) {
                error = {PackError::storedDamaged, {id}, QStringLiteral("names a file outside its folder")};
                return false;
            }
            QString why;
            std::vector<float> s = readSound(QDir(dir).filePath(f), pack.sampleRate, why);
            if (s.empty()) {
                error = {PackError::storedDamaged, {id}, why};
                return false;
            }
            bytes += qint64(s.size()) * 4;
            if (bytes > kMaxDecodedBytes) {
                error = {PackError::decodedTooLarge, {QString::number(kMaxDecodedBytes / (1024 * 1024))}, id};
                return false;
            }
            into.push_back(std::move(s));
        }
        return true;
    };
    if (!readAll("press", pack.press) || !readAll("release", pack.release)) return std::nullopt;
    if (pack.press.empty()) {
        error = {PackError::storedDamaged, {id}, QStringLiteral("no press sound")};
        return std::nullopt;
    }
    pack.keyPress = readKeyMap(manifest.value(QLatin1String("pressKeys")).toObject(), int(pack.press.size()));
    pack.keyRelease =
        readKeyMap(manifest.value(QLatin1String("releaseKeys")).toObject(), int(pack.release.size()));
    return pack;
}

}  // namespace tocko::userpacks
