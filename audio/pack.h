#pragma once
// The closed catalogue of sound packs and the five styles they belong to.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tocko {

enum class PackID : uint8_t {
    clicky, blue, tactile, brown, creamy, marble, slime,
    pillow, chocolate, bite, marshmallow, felt,
    typewriter, vintage, mallet, snappy, soft,
    drip, chiclet, crunch, apple, carrot,
    tock, crystal, droplet, bubble, ice, chips,
};

enum class PackCategory : uint8_t { mechanical, asmr, vintage, sharp, fun };

inline constexpr size_t kPackCount = 28;
inline constexpr PackID kDefaultPack = PackID::soft;

// All packs in declaration order (the order of loading, reports and lists).
const std::array<PackID, kPackCount>& allPacks();
const std::array<PackCategory, 5>& allCategories();

std::string_view rawValue(PackID pack);
// Exact, case-sensitive match of a raw id; anything else gives no pack.
std::optional<PackID> packFromRaw(std::string_view raw);
// Decoding as stored in files: any text that is not a raw id yields soft.
PackID decodePack(std::string_view raw);

PackCategory category(PackID pack);
std::string_view rawValue(PackCategory style);  // also the section title
std::optional<PackCategory> categoryFromRaw(std::string_view raw);
std::vector<PackID> packs(PackCategory style);

// The raw id with its first letter upper-cased (Clicky, Tock).
std::string displayName(PackID pack);
// "pack-" + raw id + ".wav"
std::string sampleFileName(PackID pack);

// A pack's press sound comes in several takes: take 0 is sampleFileName(),
// take k > 0 is "pack-<id>-<k+1>.wav". Its key-up sound is "pack-<id>-release.wav".
inline constexpr int kMaxTakes = 8;
std::string takeFileName(PackID pack, int take);
std::string releaseFileName(PackID pack);

}  // namespace tocko
