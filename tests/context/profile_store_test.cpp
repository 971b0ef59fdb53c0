#include "context/profile_store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>

#include "tests/common/test_support.h"

using namespace tocko;
using tocko::test::LogCapture;
using tocko::test::readText;
using tocko::test::writeText;
namespace fs = std::filesystem;

namespace {

QJsonObject readJson(const std::string& path) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(readText(path))).object();
}

class ProfileStoreFile : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(ProfileStore::supportDirectory());
        fs::create_directories(ProfileStore::supportDirectory());
    }
    const std::string& file() { return ProfileStore::fileURL(); }
    const std::string& backup() { return ProfileStore::backupURL(); }
    void expectDefaultsWritten() {
        std::optional<ProfileStore> onDisk =
            ProfileStore::decode(QByteArray::fromStdString(readText(file())));
        ASSERT_TRUE(onDisk);
        EXPECT_EQ(*onDisk, ProfileStore::emptyStore());
    }
};

}  // namespace

TEST_F(ProfileStoreFile, FirstStartCreatesDefaultsAndSecondStartLoadsThem) {
    fs::remove_all(ProfileStore::supportDirectory());
    EXPECT_EQ(file(), tocko::test::isolatedHome() + "/data/Pollix/profiles.json");
    EXPECT_EQ(backup(), tocko::test::isolatedHome() + "/data/Pollix/profiles.corrupt.json");
    LogCapture logs;
    EXPECT_EQ(ProfileStore::load(), ProfileStore::emptyStore());
    EXPECT_EQ(readJson(file()),
              QJsonDocument::fromJson(R"({"defaultProfile": {"bundleID": "*default", "displayName": "Default",
                  "muted": false, "pack": "soft", "volume": 0.05}, "rules": {}})")
                  .object());
    EXPECT_EQ(ProfileStore::load(), ProfileStore::emptyStore());
    EXPECT_EQ(logs.messages("ProfileStore"), (std::vector<std::string>{"Created default store at " + file(),
                                                                       "Loaded 0 rule(s) from " + file()}));
    EXPECT_FALSE(fs::exists(backup()));
}

TEST_F(ProfileStoreFile, WritesIndentedTextThatReadsBackExactly) {
    ProfileStore store;
    store.rules.emplace("org.third", AppProfile{"org.third", "Third", PackID::ice, 1.0 / 3.0, true});
    store.save();
    EXPECT_NE(readText(file()).find("\n    \"defaultProfile\": {\n"), std::string::npos);  // for hand editing
    EXPECT_EQ(ProfileStore::load(), store);
}

TEST_F(ProfileStoreFile, DamagedFilesAreQuarantinedButStoresThatOnlyLookEmptyAreNot) {
    const std::string builtIn =
        R"({"defaultProfile":{"bundleID":"*default","displayName":"Default","muted":false,"pack":"soft","volume":0.05},"rules":{}})";
    // Only a regular file of sensible size is read.
    const std::string big = R"({"rules": {}, "pad": ")" + std::string(4 * 1024 * 1024, 'x') + "\"}";
    // What is wrong with each file; nothing: it loads as it stands.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"<link to /dev/zero>", "unreadable"},
        {"<FIFO>", "unreadable"},
        {big, "unreadable"},
        {"[1, 2]", "unreadable"},
        {"42", "unreadable"},
        {"not json at all", "unreadable"},
        {"", "unreadable"},
        {"{\"rules\": {", "unreadable"},
        {"{}", "wrong shape"},
        {R"({"profiles": [], "version": 2})", "wrong shape"},
        {R"({"rules": {}})", ""},
        {builtIn, ""},
        {R"({"defaultProfile": 5})", ""},
        {R"({"rules": [1]})", ""},
    };
    for (const auto& [text, problem] : cases) {
        SCOPED_TRACE("file: " + text.substr(0, 80));
        SetUp();
        if (text == "<link to /dev/zero>")
            fs::create_symlink("/dev/zero", file());
        else if (text == "<FIFO>")
            ASSERT_EQ(mkfifo(file().c_str(), 0600), 0);
        else
            writeText(file(), text);
        LogCapture logs;
        EXPECT_EQ(ProfileStore::load(), ProfileStore::emptyStore());
        if (problem.empty()) {
            EXPECT_EQ(readText(file()), text);
            EXPECT_FALSE(fs::exists(backup()));
            EXPECT_EQ(logs.messages("ProfileStore"),
                      std::vector<std::string>{"Loaded 0 rule(s) from " + file()});
            continue;
        }
        if (text.starts_with("<"))
            EXPECT_TRUE(fs::is_symlink(backup()) || fs::exists(backup()));
        else
            EXPECT_EQ(readText(backup()), text);  // the newest quarantine keeps the plain name
        expectDefaultsWritten();
        EXPECT_EQ(logs.messages("ProfileStore"),
                  (std::vector<std::string>{
                      "profiles.json " + problem + "; backed up to " + backup() + ", using defaults",
                      "Created default store at " + file()}));
        EXPECT_EQ(logs.records().front().level, LogLevel::Error);
        if (problem == "wrong shape") {
            EXPECT_EQ(logs.traces(),
                      std::vector<std::string>{
                          "[Tocko] ProfileStore: wrong-shape file quarantined to profiles.corrupt.json"});
        }
    }
}

TEST_F(ProfileStoreFile, BadRulesAreDroppedOneByOneAndTheNextSaveForgetsThem) {
    writeText(file(), R"({
      "defaultProfile": {"bundleID": "*default", "displayName": "Default", "pack": "soft", "volume": 0.05},
      "rules": {
        "com.a": {"bundleID": "com.b", "displayName": "A", "muted": false, "pack": "tactile", "volume": 0.8},
        "com.nomuted": {"bundleID": "com.nomuted", "displayName": "M", "pack": "ice", "volume": 0.5},
        "com.case": {"bundleID": "com.case", "displayName": "C", "muted": true, "pack": "Tactile", "volume": 0.3},
        "com.loud": {"bundleID": "com.loud", "displayName": "L", "muted": false, "pack": "ice", "volume": 1.5,
                     "colour": "red"},
        "com.string": "tactile"
      },
      "comment": "kept by nobody"
    })");
    LogCapture logs;
    const ProfileStore store = ProfileStore::load();
    EXPECT_FALSE(fs::exists(backup()));
    EXPECT_EQ(logs.messages("ProfileStore"), std::vector<std::string>{"Loaded 3 rule(s) from " + file()});
    // The default lacked "muted", so the built-in default stands in.
    EXPECT_EQ(store.defaultProfile, AppProfile::builtInDefault());
    ASSERT_EQ(store.rules.size(), 3u);
    // The member name is the key, whatever the profile's own bundleID says.
    EXPECT_EQ(store.profileFor("com.a").displayName, "A");
    EXPECT_EQ(store.profileFor("com.a").bundleID, "com.b");
    EXPECT_EQ(store.profileFor(std::string("com.b")), store.defaultProfile);
    EXPECT_EQ(store.rules.at("com.case").pack, PackID::soft);
    EXPECT_EQ(store.rules.at("com.loud").volume, 1.5);

    store.save();
    const QJsonObject rules = readJson(file()).value("rules").toObject();
    EXPECT_EQ(rules.keys(), (QStringList{"com.a", "com.case", "com.loud"}));
    EXPECT_EQ(rules.value("com.case").toObject().value("pack").toString(), "soft");
    EXPECT_EQ(rules.value("com.loud").toObject().value("volume").toDouble(), 1.5);
    EXPECT_FALSE(rules.value("com.loud").toObject().contains("colour"));
}

TEST(ProfileDecoding, EachMemberMustHaveItsJsonType) {
    const QJsonObject good =
        QJsonDocument::fromJson(
            QByteArray::fromStdString(
                R"({"bundleID":"a","displayName":"A","muted":false,"pack":"ice","volume":1})"))
            .object();
    ASSERT_TRUE(AppProfile::fromJson(good));
    EXPECT_EQ(AppProfile::fromJson(good)->volume, 1.0);
    for (const char* member : {"bundleID", "displayName", "muted", "pack", "volume"}) {
        QJsonObject missing = good, wrong = good;
        missing.remove(member);
        wrong.insert(member, QJsonValue(QJsonArray()));
        EXPECT_FALSE(AppProfile::fromJson(missing)) << member;
        EXPECT_FALSE(AppProfile::fromJson(wrong)) << member;
        EXPECT_FALSE(FailableProfile::fromJson(wrong).value) << member;
    }
    QJsonObject numericMuted = good;
    numericMuted.insert("muted", 0);
    EXPECT_FALSE(AppProfile::fromJson(numericMuted));
}

namespace {

// Every file write of this process fails as on a full disk (EFBIG instead of
// ENOSPC) while it lives.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit none = saved_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t oldHandler_{};
};

std::vector<std::string> agedBackups() {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(ProfileStore::supportDirectory())) {
        const std::string name = e.path().filename().string();
        if (name.rfind("profiles.corrupt.", 0) == 0 && name != "profiles.corrupt.json") out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// The one line a failed write leaves: the reason follows the prefix.
void expectWriteFailure(const LogCapture& logs) {
    const auto lines = logs.messages("ProfileStore");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("Failed to write profiles.json: ", 0), 0u) << lines[0];
    EXPECT_GT(lines[0].size(), std::string("Failed to write profiles.json: ").size());
    EXPECT_EQ(logs.records().front().level, LogLevel::Error);
}

}  // namespace

TEST_F(ProfileStoreFile, SaveFailuresLeaveTheOldFileAlone) {
    ProfileStore good;
    good.rules.emplace("com.keep", AppProfile{"com.keep", "Keep", PackID::felt, 0.4, false});
    good.save();
    const std::string before = readText(file());
    ProfileStore changed = good;
    {
        // JSON cannot carry a NaN volume: nothing is written.
        changed.rules.at("com.keep").volume = std::nan("");
        LogCapture logs;
        changed.save();
        EXPECT_EQ(logs.messages("ProfileStore"), std::vector<std::string>{"Failed to encode ProfileStore"});
    }
    {
        changed.rules.at("com.keep").volume = 0.9;
        FullDisk full;
        LogCapture logs;
        changed.save();
        expectWriteFailure(logs);
    }
    EXPECT_EQ(readText(file()), before);  // byte for byte
    // No temporary file is left behind.
    EXPECT_EQ(
        std::distance(fs::directory_iterator(ProfileStore::supportDirectory()), fs::directory_iterator()), 1);

    // A folder where the file should be: the write fails too, and loading
    // falls back to the defaults in memory, the create line after the error.
    fs::remove(file());
    fs::create_directory(file());
    LogCapture logs;
    good.save();
    expectWriteFailure(logs);
    EXPECT_TRUE(fs::is_directory(file()));
    logs.clear();
    EXPECT_EQ(ProfileStore::load(), ProfileStore::emptyStore());
    const auto lines = logs.messages("ProfileStore");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("Failed to write profiles.json: ", 0), 0u);
    EXPECT_EQ(lines[1], "Created default store at " + file());
}

TEST_F(ProfileStoreFile, DamagedFileOnAFullDiskSurvivesTwoStarts) {
    writeText(file(), "{\"rules\": {\"com.mine\": ");  // cut off mid-write
    {
        FullDisk full;
        LogCapture logs;
        EXPECT_EQ(ProfileStore::load(), ProfileStore::emptyStore());
        EXPECT_EQ(ProfileStore::load(), ProfileStore::emptyStore());
        const auto lines = logs.messages("ProfileStore");
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const std::string& l) {
                                    return l.rfind("Failed to write profiles.json: ", 0) == 0;
                                }),
                  2);
    }
    EXPECT_EQ(readText(backup()), "{\"rules\": {\"com.mine\": ");
    EXPECT_FALSE(fs::exists(file()));  // never an empty store
}

TEST_F(ProfileStoreFile, EarlierQuarantinedCopiesAreKeptUnderTimestampedNames) {
    for (int i = 0; i < 8; ++i) {
        writeText(file(), "damaged " + std::to_string(i));
        ProfileStore::load();
        EXPECT_EQ(readText(backup()), "damaged " + std::to_string(i));
    }
    const std::vector<std::string> aged = agedBackups();
    ASSERT_EQ(aged.size(), 5u);  // the oldest two went
    for (size_t i = 0; i < aged.size(); ++i) {
        EXPECT_EQ(aged[i].substr(aged[i].size() - 5), ".json") << aged[i];
        EXPECT_EQ(readText(ProfileStore::supportDirectory() + "/" + aged[i]),
                  "damaged " + std::to_string(i + 2));
    }
}
