#include "audio/pack.h"

namespace tocko {

namespace {
struct Entry {
    std::string_view raw;
    PackCategory style;
};
constexpr std::array<Entry, kPackCount> kTable{{
    {"clicky", PackCategory::mechanical},  {"blue", PackCategory::mechanical},
    {"tactile", PackCategory::mechanical}, {"brown", PackCategory::mechanical},
    {"creamy", PackCategory::mechanical},  {"marble", PackCategory::mechanical},
    {"slime", PackCategory::mechanical},   {"pillow", PackCategory::asmr},
    {"chocolate", PackCategory::asmr},     {"bite", PackCategory::asmr},
    {"marshmallow", PackCategory::asmr},   {"felt", PackCategory::asmr},
    {"typewriter", PackCategory::vintage}, {"vintage", PackCategory::vintage},
    {"mallet", PackCategory::vintage},     {"snappy", PackCategory::vintage},
    {"soft", PackCategory::vintage},       {"drip", PackCategory::sharp},
    {"chiclet", PackCategory::sharp},      {"crunch", PackCategory::sharp},
    {"apple", PackCategory::sharp},        {"carrot", PackCategory::sharp},
    {"tock", PackCategory::fun},           {"crystal", PackCategory::fun},
    {"droplet", PackCategory::fun},        {"bubble", PackCategory::fun},
    {"ice", PackCategory::fun},            {"chips", PackCategory::fun},
}};
constexpr std::array<std::string_view, 5> kStyleTitles{"Mechanical", "ASMR", "Vintage", "Sharp", "Fun"};
}  // namespace

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

std::string_view rawValue(PackID pack) { return kTable[static_cast<size_t>(pack)].raw; }

std::optional<PackID> packFromRaw(std::string_view raw) {
    for (size_t i = 0; i < kPackCount; ++i)
        if (kTable[i].raw == raw) return static_cast<PackID>(i);
    return std::nullopt;
}

PackID decodePack(std::string_view raw) { return packFromRaw(raw).value_or(PackID::soft); }

PackCategory category(PackID pack) { return kTable[static_cast<size_t>(pack)].style; }

std::string_view rawValue(PackCategory style) { return kStyleTitles[static_cast<size_t>(style)]; }

std::optional<PackCategory> categoryFromRaw(std::string_view raw) {
    for (size_t i = 0; i < kStyleTitles.size(); ++i)
        if (kStyleTitles[i] == raw) return static_cast<PackCategory>(i);
    return std::nullopt;
}

std::vector<PackID> packs(PackCategory style) {
    std::vector<PackID> out;
    for (PackID p : allPacks())
        if (category(p) == style) out.push_back(p);
    return out;
}

std::string displayName(PackID pack) {
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
