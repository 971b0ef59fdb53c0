#include "audio/pack.h"

#include <algorithm>
#include <deque>
#include <mutex>

namespace tocko {

namespace {
struct Entry {
    std::string_view raw;
    PackCategory style;
};
constexpr std::array<Entry, kPackCount> kTable{{
    {"clicky", PackCategory::mechanical},
    {"blue", PackCategory::mechanical},
    {"tactile", PackCategory::mechanical},
    {"brown", PackCategory::mechanical},
    {"creamy", PackCategory::mechanical},
    {"marble", PackCategory::mechanical},
    {"slime", PackCategory::mechanical},
    {"pillow", PackCategory::asmr},
    {"chocolate", PackCategory::asmr},
    {"bite", PackCategory::asmr},
    {"marshmallow", PackCategory::asmr},
    {"felt", PackCategory::asmr},
    {"typewriter", PackCategory::vintage},
    {"vintage", PackCategory::vintage},
    {"mallet", PackCategory::vintage},
    {"snappy", PackCategory::vintage},
    {"soft", PackCategory::vintage},
    {"drip", PackCategory::sharp},
    {"chiclet", PackCategory::sharp},
    {"crunch", PackCategory::sharp},
    {"apple", PackCategory::sharp},
    {"carrot", PackCategory::sharp},
    {"tock", PackCategory::fun},
    {"crystal", PackCategory::fun},
    {"droplet", PackCategory::fun},
    {"bubble", PackCategory::fun},
    {"ice", PackCategory::fun},
    {"chips", PackCategory::fun},
}};
constexpr std::array<std::string_view, 6> kStyleTitles{"Mechanical", "ASMR", "Vintage",
                                                       "Sharp",      "Fun",  "My Packs"};

constexpr size_t kMaxUserPacks = 200;
constexpr std::string_view kUserPrefix = "user-";

struct UserSlot {
    std::string raw;
    std::string name;
    bool installed = false;
    uint64_t installOrder = 0;
};

// Slots are never removed, so views of their ids stay valid.
struct UserRegistry {
    std::mutex mutex;
    std::deque<UserSlot> slots;
    uint64_t installCounter = 0;
};
UserRegistry& registry() {
    static UserRegistry r;
    return r;
}
// Null when `pack` is not a user slot; the caller holds the lock.
UserSlot* slotOf(UserRegistry& r, PackID pack) {
    const size_t i = static_cast<size_t>(pack);
    if (i < kPackCount || i - kPackCount >= r.slots.size()) return nullptr;
    return &r.slots[i - kPackCount];
}
}  // namespace

bool isUserPackRaw(std::string_view raw) {
    if (raw.size() <= kUserPrefix.size() || raw.size() > 64 ||
        raw.substr(0, kUserPrefix.size()) != kUserPrefix)
        return false;
    for (char c : raw)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) return false;
    return true;
}

bool isUserPack(PackID pack) { return static_cast<size_t>(pack) >= kPackCount; }

std::optional<PackID> userPackSlot(std::string_view raw) {
    if (!isUserPackRaw(raw)) return std::nullopt;
    UserRegistry& r = registry();
    std::lock_guard lock(r.mutex);
    for (size_t i = 0; i < r.slots.size(); ++i)
        if (r.slots[i].raw == raw) return static_cast<PackID>(kPackCount + i);
    if (r.slots.size() >= kMaxUserPacks) return std::nullopt;
    r.slots.push_back({std::string(raw), {}, false, 0});
    return static_cast<PackID>(kPackCount + r.slots.size() - 1);
}

void setUserPackInstalled(PackID pack, bool installed, std::string displayName) {
    UserRegistry& r = registry();
    std::lock_guard lock(r.mutex);
    if (UserSlot* slot = slotOf(r, pack)) {
        if (installed && !slot->installed) slot->installOrder = ++r.installCounter;
        slot->installed = installed;
        if (!displayName.empty()) slot->name = std::move(displayName);
    }
}

bool isInstalled(PackID pack) {
    if (!isUserPack(pack)) return true;
    UserRegistry& r = registry();
    std::lock_guard lock(r.mutex);
    const UserSlot* slot = slotOf(r, pack);
    return slot != nullptr && slot->installed;
}

std::vector<PackID> installedUserPacks() {
    UserRegistry& r = registry();
    std::lock_guard lock(r.mutex);
    std::vector<std::pair<uint64_t, PackID>> found;
    for (size_t i = 0; i < r.slots.size(); ++i)
        if (r.slots[i].installed)
            found.emplace_back(r.slots[i].installOrder, static_cast<PackID>(kPackCount + i));
    std::sort(found.begin(), found.end());
    std::vector<PackID> out;
    for (const auto& f : found) out.push_back(f.second);
    return out;
}

const std::array<PackID, kPackCount>& allPacks() {
    static const auto packs = [] {
        std::array<PackID, kPackCount> a{};
        for (size_t i = 0; i < kPackCount; ++i) a[i] = static_cast<PackID>(i);
        return a;
    }();
    return packs;
}

const std::array<PackCategory, 5>& allCategories() {
    static const std::array<PackCategory, 5> styles{PackCategory::mechanical, PackCategory::asmr,
                                                    PackCategory::vintage, PackCategory::sharp,
                                                    PackCategory::fun};
    return styles;
}

std::string_view rawValue(PackID pack) {
    if (!isUserPack(pack)) return kTable[static_cast<size_t>(pack)].raw;
    UserRegistry& r = registry();
    std::lock_guard lock(r.mutex);
    const UserSlot* slot = slotOf(r, pack);
    return slot ? std::string_view(slot->raw) : kTable[static_cast<size_t>(kDefaultPack)].raw;
}

std::optional<PackID> packFromRaw(std::string_view raw) {
    for (size_t i = 0; i < kPackCount; ++i)
        if (kTable[i].raw == raw) return static_cast<PackID>(i);
    return userPackSlot(raw);
}

PackID decodePack(std::string_view raw) { return packFromRaw(raw).value_or(PackID::soft); }

PackCategory category(PackID pack) {
    return isUserPack(pack) ? PackCategory::user : kTable[static_cast<size_t>(pack)].style;
}

std::string_view rawValue(PackCategory style) { return kStyleTitles[static_cast<size_t>(style)]; }

std::optional<PackCategory> categoryFromRaw(std::string_view raw) {
    for (size_t i = 0; i < kStyleTitles.size(); ++i)
        if (kStyleTitles[i] == raw) return static_cast<PackCategory>(i);
    return std::nullopt;
}

std::vector<PackID> packs(PackCategory style) {
    if (style == PackCategory::user) return installedUserPacks();
    std::vector<PackID> out;
    for (PackID p : allPacks())
        if (category(p) == style) out.push_back(p);
    return out;
}

std::string displayName(PackID pack) {
    if (isUserPack(pack)) {
        UserRegistry& r = registry();
        std::lock_guard lock(r.mutex);
        const UserSlot* slot = slotOf(r, pack);
        if (slot && !slot->name.empty()) return slot->name;
    }
    std::string s(rawValue(pack));
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

std::string sampleFileName(PackID pack) { return "pack-" + std::string(rawValue(pack)) + ".wav"; }

std::string takeFileName(PackID pack, int take) {
    if (take <= 0) return sampleFileName(pack);
    return "pack-" + std::string(rawValue(pack)) + "-" + std::to_string(take + 1) + ".wav";
}

std::string releaseFileName(PackID pack) { return "pack-" + std::string(rawValue(pack)) + "-release.wav"; }

}  // namespace tocko
