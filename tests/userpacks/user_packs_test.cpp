// Importing community packs that the tests build themselves: the config.json
// format (single file with slices, a file per key, key-up sounds), a folder of
// per-key press and release files, zips, and every way such input goes wrong.

#include "userpacks/user_packs.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "tests/common/test_support.h"
#include "userpacks/pack_config.h"

namespace tocko::userpacks {

// Failure messages name the error by its English sentence.
void PrintTo(PackError code, std::ostream* os) { *os << '"' << messageKey(code) << '"'; }

namespace {

// A short decaying noise burst; `seed` makes files distinguishable. False when
// this libsndfile cannot write `format`.
bool writeSound(const QString& path, double seconds, int rate, int seed = 1, int channels = 1,
                int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16) {
    SF_INFO info{0, rate, channels, format, 0, 0};
    QDir().mkpath(QFileInfo(path).path());
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f) return false;
    const int frames = int(seconds * rate);
    std::vector<float> s(size_t(frames) * size_t(channels));
    uint32_t x = uint32_t(seed) * 2654435761u;
    for (size_t i = 0; i < s.size(); ++i) {
        if (i % size_t(channels) == 0) x = x * 1664525u + 1013904223u;
        s[i] =
            (float(x >> 8) / float(1 << 24) - 0.5f) * std::exp(-float(i / size_t(channels) % 4800) / 600.0f);
    }
    sf_writef_float(f, s.data(), frames);
    sf_close(f);
    return true;
}

void writeText(const QString& path, const QByteArray& text) {
    test::writeText(path.toStdString(), text.toStdString());
}
std::string fileBytes(const QString& path) { return test::readText(path.toStdString()); }

// A zip entry: a file and its bytes, or a symbolic link to `data`.
struct ZipEntry {
    std::string name;
    std::string data;
    bool symlink = false;
};

void writeZip(const QString& path, const std::vector<ZipEntry>& entries) {
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    ASSERT_EQ(archive_write_open_filename(a, QFile::encodeName(path).constData()), ARCHIVE_OK);
    for (const ZipEntry& e : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.name.c_str());
        archive_entry_set_filetype(entry, e.symlink ? AE_IFLNK : AE_IFREG);
        archive_entry_set_perm(entry, e.symlink ? 0777 : 0644);
        if (e.symlink)
            archive_entry_set_symlink(entry, e.data.c_str());
        else
            archive_entry_set_size(entry, la_int64_t(e.data.size()));
        archive_write_header(a, entry);
        if (!e.symlink) archive_write_data(a, e.data.data(), e.data.size());
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
}

class UserPacks : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString packs() const { return tmp.filePath("data/packs"); }
    QString src(const QString& rel = {}) const { return tmp.filePath("src/" + rel); }
    ImportResult import(const QString& path) {
        return importPack(path, {packs(), 48000, kMaxDecodedBytes, {}});
    }
    // The installed pack of a successful import, as the engine would read it.
    std::optional<UserPackAudio> load(const ImportResult& r) {
        EXPECT_TRUE(r.ok) << r.error.english().toStdString();
        PackProblem error;
        auto pack = loadUserPack(packs(), r.packId, error);
        EXPECT_TRUE(pack) << error.english().toStdString();
        return pack;
    }
    // Nothing but finished packs in the packs folder, and nothing outside it.
    void expectClean(int installed) {
        const QStringList entries =
            QDir(packs()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        EXPECT_EQ(entries.size(), installed) << entries.join(",").toStdString();
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
                  2);  // data, src
    }
};

TEST(PackConfig, MapsKeyCodesAndReadsBothDirections) {
    // Plain, extended (0x0E.. and 0xE0..) key codes; comments ignored; "-up" keys and defines_up.
    const QByteArray json = R"({"name":"Test","key_define_type":"single","sound":"s.ogg",
        "defines":{"30":[0,50],"3612":[50,40],"57416":[100,30],"30-up":[200,20],"9999":[0,10],"note":"x"},
        "defines_up":{"57":[300,25]}})";
    PackProblem error;
    const auto config = parsePackConfig(json, error);
    ASSERT_TRUE(config) << error.english().toStdString();
    EXPECT_EQ(config->press.size(), 3u);
    EXPECT_TRUE(config->press.count(30));   // A
    EXPECT_TRUE(config->press.count(96));   // keypad enter
    EXPECT_TRUE(config->press.count(103));  // up arrow
    EXPECT_EQ(config->release.size(), 2u);
    EXPECT_DOUBLE_EQ(config->release.at(30).slice->startMs, 200);
    EXPECT_DOUBLE_EQ(config->release.at(57).slice->lengthMs, 25);
    EXPECT_EQ(evdevFromPackKeyCode(0xE04B), 105);  // left arrow
    EXPECT_EQ(evdevFromPackKeyCode(0), std::nullopt);

    // Both sounds in one value, "-keyup" keys, and a key-up file without key-up slices.
    const QByteArray both = R"({"name":"Both","key_define_type":"multi",
        "defines":{"30":{"down":"a.wav","up":"a-up.wav"},"31":"b.wav","31-keyup":"b-up.wav","32":{"up":"c.wav"}}})";
    const auto multi = parsePackConfig(both, error);
    ASSERT_TRUE(multi) << error.english().toStdString();
    EXPECT_EQ(multi->press.at(30).file, "a.wav");
    EXPECT_EQ(multi->release.at(30).file, "a-up.wav");
    EXPECT_EQ(multi->release.at(31).file, "b-up.wav");
    EXPECT_EQ(multi->release.at(32).file, "c.wav");
    EXPECT_FALSE(multi->press.count(32));
    const auto mirrored = parsePackConfig(
        R"({"name":"M","sound":"down.ogg","soundup":"up.ogg","defines":{"30":[10,40],"57":[60,40]}})", error);
    ASSERT_TRUE(mirrored) << error.english().toStdString();
    EXPECT_EQ(mirrored->releaseSoundFile, "up.ogg");
    ASSERT_EQ(mirrored->release.size(), 2u);
    EXPECT_DOUBLE_EQ(mirrored->release.at(57).slice->startMs, 60);
}

TEST(PackConfig, RejectsMalformedConfigsWithAReason) {
    const std::pair<const char*, PackError> bad[] = {
        {"not json", PackError::configNotJson},
        {"[]", PackError::configNotJson},
        {R"({"defines":{"30":[0,10]},"sound":"a.wav"})", PackError::configNoName},
        {R"({"name":"x","key_define_type":"chord","defines":{}})", PackError::configUnknownType},
        {R"({"name":"x","sound":"a.wav","defines":{"30":[0]}})", PackError::configBadSlice},
        {R"({"name":"x","sound":"a.wav","defines":{"30":[-5,10]}})", PackError::configBadSlice},
        {R"({"name":"x","sound":"a.wav","defines":{"30":[0,1e400]}})", PackError::configNotJson},
        {R"({"name":"x","key_define_type":"multi","defines":{"30":5}})", PackError::configKeyNoFile},
        {R"({"name":"x","sound":"a.wav","defines":{}})", PackError::configNoKeySound},
        {R"({"name":"x","key_define_type":"single","defines":{"30":[0,10]}})", PackError::configNoSoundFile},
        // Sounds in places Tocko does not read are refused, never left out unheard.
        {R"({"name":"x","sound":"a.wav","defines":{"30":[0,10],"30-hold":[20,10]}})",
         PackError::configNotAKeyCode},
        {R"({"name":"x","key_define_type":"multi","defines":{"30":"a.wav","A":"b.ogg"}})",
         PackError::configNotAKeyCode},
        {R"({"name":"x","sound":"a.wav","defines":{"30":[0,10]},"defines_release":{"30":[20,10]}})",
         PackError::configUnknownField},
        {R"({"name":"x","key_define_type":"multi","soundup":"u.wav","defines":{"30":"a.wav"}})",
         PackError::configUnknownField},
        {R"({"name":"x","key_define_type":"multi","defines":{"30":{"down":"a.wav","hold":"b.wav"}}})",
         PackError::configKeyUnreadable},
        {R"({"name":"x","key_define_type":"multi","defines":{"30":["a.wav","b.wav"]}})",
         PackError::configKeyUnreadable},
    };
    for (const auto& [json, code] : bad) {
        PackProblem error;
        EXPECT_FALSE(parsePackConfig(json, error)) << json;
        EXPECT_EQ(error.code, code) << json << ": " << error.english().toStdString();
        EXPECT_FALSE(error.text().isEmpty()) << json;
    }
}

TEST_F(UserPacks, ImportsASingleFilePackWithKeyUpSlicesResampled) {
    writeSound(src("sound.wav"), 1.0, 44100, 1, 2);
    writeText(src("config.json"),
              R"({"id":"x","name":"Test Board","key_define_type":"single","sound":"sound.wav",
        "defines":{"30":[0,100],"31":[0,100],"57":[200,150],"30-up":[500,80]}})");
    std::vector<int> progress;
    const ImportResult r = importPack(
        src(), {packs(), 48000, kMaxDecodedBytes, [&](int p, const QString&) { progress.push_back(p); }});
    const auto pack = load(r);
    ASSERT_TRUE(pack);
    EXPECT_EQ(r.packId, "user-test-board");
    EXPECT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(pack->sampleRate, 48000);
    EXPECT_EQ(pack->press.size(), 2u);  // keys 30 and 31 share one slice
    EXPECT_EQ(pack->keyPress.at(30), pack->keyPress.at(31));
    EXPECT_NEAR(double(pack->press[size_t(pack->keyPress.at(57))].size()), 0.150 * 48000, 2);
    ASSERT_EQ(pack->release.size(), 1u);
    EXPECT_EQ(pack->keyRelease.at(30), 0);
    expectClean(1);
    EXPECT_TRUE(QFileInfo::exists(src("config.json")));  // the user's files are left as they were
}

TEST_F(UserPacks, ImportsAMultiFilePackOfEveryFormatFromAZipAndReplacesItOnReimport) {
    // Each format at a rate of its own; the compressed ones that this libsndfile writes.
    const std::tuple<const char*, int, int> sounds[] = {
        {"a.wav", 48000, SF_FORMAT_WAV | SF_FORMAT_PCM_16},
        {"b.flac", 22050, SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
        {"c.ogg", 44100, SF_FORMAT_OGG | SF_FORMAT_VORBIS},
        {"d.mp3", 44100, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III}};
    std::vector<ZipEntry> zip(1);
    QStringList defines;
    for (const auto& [name, rate, format] : sounds) {
        if (!writeSound(src(name), 0.1, rate, int(zip.size()), 1, format)) continue;
        defines << QString(R"("%1":"sounds/%2")").arg(29 + zip.size()).arg(name);
        zip.push_back({std::string("Zipped/sounds/") + name, fileBytes(src(name))});
    }
    ASSERT_GE(zip.size(), 3u) << "wav and flac at least";
    zip[0] = {"Zipped/config.json", QString(R"({"name":"Zipped","key_define_type":"multi","defines":{%1}})")
                                        .arg(defines.join(","))
                                        .toStdString()};
    writeZip(src("pack.zip"), zip);
    const ImportResult first = import(src("pack.zip"));
    const ImportResult again = import(src("pack.zip"));
    EXPECT_EQ(again.packId, first.packId);
    expectClean(1);
    ASSERT_EQ(listUserPacks(packs()).size(), 1u);
    EXPECT_EQ(listUserPacks(packs())[0].name, "Zipped");
    const auto pack = load(again);
    ASSERT_TRUE(pack);
    EXPECT_EQ(pack->press.size(), zip.size() - 1);
    EXPECT_NEAR(double(pack->press[size_t(pack->keyPress.at(31))].size()), 4800, 8);      // 0.1 s at 48 kHz
    for (const auto& sound : pack->press) EXPECT_NEAR(double(sound.size()), 4800, 1200);  // mp3 pads
    PackProblem error;
    EXPECT_TRUE(removeUserPack(packs(), first.packId, error));
    EXPECT_TRUE(listUserPacks(packs()).empty());
    EXPECT_FALSE(removeUserPack(packs(), "soft", error));  // built-in ids are not ours to remove
}

TEST_F(UserPacks, ImportsAFolderOfPressAndReleaseFiles) {
    writeSound(src("Folder Pack/30.wav"), 0.08, 48000, 1);
    writeSound(src("Folder Pack/30-up.wav"), 0.05, 48000, 2);
    writeSound(src("Folder Pack/press2.wav"), 0.08, 48000, 3);
    writeSound(src("Folder Pack/release.wav"), 0.05, 48000, 4);
    const ImportResult r = import(src("Folder Pack"));
    const auto pack = load(r);
    ASSERT_TRUE(pack);
    EXPECT_EQ(r.packId, "user-folder-pack");
    EXPECT_EQ(pack->press.size(), 2u);
    EXPECT_EQ(pack->release.size(), 2u);
    EXPECT_TRUE(pack->keyPress.count(30));
    EXPECT_TRUE(pack->keyRelease.count(30));

    // Press and release in folders of their own, files named by key alone;
    // "release-31" names its key after the word.
    writeSound(src("Split/press/30.wav"), 0.08, 48000, 5);
    writeSound(src("Split/release/30.wav"), 0.02, 48000, 6);
    writeSound(src("Split/release-31.wav"), 0.03, 48000, 7);
    writeSound(src("Split/31.wav"), 0.08, 48000, 8);
    const auto two = load(import(src("Split")));
    ASSERT_TRUE(two);
    ASSERT_EQ(two->press.size(), 2u);
    ASSERT_EQ(two->release.size(), 2u);
    EXPECT_NEAR(double(two->press[size_t(two->keyPress.at(30))].size()), 0.08 * 48000, 2);
    EXPECT_NEAR(double(two->release[size_t(two->keyRelease.at(30))].size()), 0.02 * 48000, 2);
    EXPECT_NEAR(double(two->release[size_t(two->keyRelease.at(31))].size()), 0.03 * 48000, 2);
}

TEST_F(UserPacks, RefusesBadInputAndLeavesNothingBehind) {
    writeSound(src("ok.wav"), 0.2, 48000);
    const std::string wav = fileBytes(src("ok.wav"));
    const std::string cfg = R"({"name":"Bad","key_define_type":"multi","defines":{"30":"ok.wav"}})";
    struct Case {
        const char* what;
        std::vector<ZipEntry> zip;
        PackError code;
    };
    const std::vector<Case> zips = {
        {"parent path", {{"config.json", cfg}, {"../ok.wav", wav}}, PackError::zipUnsafePath},
        {"absolute path", {{"config.json", cfg}, {"/tmp/ok.wav", wav}}, PackError::zipUnsafePath},
        {"symlink", {{"config.json", cfg}, {"ok.wav", "/etc/passwd", true}}, PackError::zipLink},
        {"bomb",
         {{"config.json", cfg}, {"ok.wav", wav}, {"big.bin", std::string(size_t(70) << 20, '\0')}},
         PackError::zipTooLarge},
        {"config names outside",
         {{"config.json", R"({"name":"B","key_define_type":"multi","defines":{"30":"../../x.wav"}})"}},
         PackError::fileOutsidePack},
        {"missing sound",
         {{"config.json", R"({"name":"B","key_define_type":"multi","defines":{"30":"nope.wav"}})"}},
         PackError::fileMissing},
        {"not audio",
         {{"config.json", R"({"name":"B","key_define_type":"multi","defines":{"30":"c.wav"}})"},
          {"c.wav", "hello"}},
         PackError::fileNotAudio},
        {"slice outside",
         {{"config.json", R"({"name":"B","sound":"ok.wav","defines":{"30":[5000,100]}})"}, {"ok.wav", wav}},
         PackError::sliceOutsideFile},
        {"malformed config", {{"config.json", "{"}, {"ok.wav", wav}}, PackError::configNotJson},
    };
    for (const Case& c : zips) {
        const QString zip = src(QString("case-%1.zip").arg(c.what).replace(' ', '_'));
        writeZip(zip, c.zip);
        const ImportResult r = import(zip);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_EQ(r.error.code, c.code) << c.what << ": " << r.error.english().toStdString();
        expectClean(0);
    }
    // A folder whose config names a FIFO, and a folder import through a symlinked sound.
    writeText(src("fifo/config.json"),
              R"({"name":"F","key_define_type":"multi","defines":{"30":"pipe.wav"}})");
    ASSERT_EQ(::mkfifo(QFile::encodeName(src("fifo/pipe.wav")).constData(), 0600), 0);
    EXPECT_EQ(import(src("fifo")).error.code, PackError::fileNotRegular);
    writeText(src("link/config.json"), R"({"name":"L","key_define_type":"multi","defines":{"30":"l.wav"}})");
    QFile::link(src("ok.wav"), src("link/l.wav"));
    EXPECT_EQ(import(src("link")).error.code, PackError::fileNotRegular);
    EXPECT_EQ(import(src("nowhere")).error.code, PackError::sourceMissing);
    EXPECT_EQ(import(src("ok.wav")).error.code, PackError::sourceNotPack);  // neither a folder nor a zip
    expectClean(0);

    // The decoded-size cap.
    writeText(src("big/config.json"), R"({"name":"Big","key_define_type":"multi","defines":{"30":"a.wav"}})");
    writeSound(src("big/a.wav"), 2.0, 48000);
    const ImportResult big = importPack(src("big"), {packs(), 48000, 100 * 1024, {}});
    EXPECT_FALSE(big.ok);
    EXPECT_EQ(big.error.code, PackError::decodedTooLarge);
    expectClean(0);
}

TEST_F(UserPacks, IdsNeverCollideWithBuiltInsOrEachOther) {
    for (const char* name : {"Soft", "soft", "../../evil", ""}) {
        const QString dir = src(QString("n%1/").arg(qHash(QString(name))));
        writeText(dir + "config.json", QByteArray(R"({"name":")") + name +
                                           R"(","key_define_type":"multi","defines":{"30":"a.wav"}})");
        writeSound(dir + "a.wav", 0.1, 48000);
        const ImportResult r = import(dir);
        if (!*name) {
            EXPECT_FALSE(r.ok);
            continue;
        }
        ASSERT_TRUE(r.ok) << name << r.error.english().toStdString();
        EXPECT_TRUE(r.packId.startsWith("user-"));
        EXPECT_FALSE(r.packId.contains('/'));
        EXPECT_TRUE(isUserPackId(r.packId));
    }
    EXPECT_EQ(listUserPacks(packs()).size(), 3u);  // "Soft" and "soft" are two packs with two ids
    EXPECT_FALSE(isUserPackId("soft"));
    EXPECT_FALSE(isUserPackId("user-../x"));
}

}  // namespace
}  // namespace tocko::userpacks
