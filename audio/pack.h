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
    clicky,
    blue,
    tactile,
    brown,
    creamy,
    marble,
    slime,
    pillow,
    chocolate,
    bite,
    marshmallow,
    felt,
    typewriter,
    vintage,
    mallet,
    snappy,
    soft,
    drip,
    chiclet,
    crunch,
    apple,
    carrot,
    tock,
    crystal,
    droplet,
    bubble,
    ice,
    chips,
};

// The five styles of the built-in packs, and a sixth for packs the user imports.
enum class PackCategory : uint8_t { mechanical, asmr, vintage, sharp, fun, user };

inline constexpr size_t kPackCount = 28;
inline constexpr PackID kDefaultPack = PackID::soft;

// All built-in packs in declaration order (the order of loading, reports and lists).
const std::array<PackID, kPackCount>& allPacks();
// The five built-in styles (the user's own style is not among them).
const std::array<PackCategory, 5>& allCategories();

// Imported packs take PackID values past the built-in ones, one per stored id
// ("user-…") seen in this process. A slot lives for the whole process so that
// a rule naming a pack that is not installed keeps its stored id; it plays
// soft until the pack is installed again.
bool isUserPackRaw(std::string_view raw);
bool isUserPack(PackID pack);
// The slot for a user pack id (created on first use), or none when `raw` is
// not a user pack id or all slots are taken.
std::optional<PackID> userPackSlot(std::string_view raw);
// Marks a user pack installed (with its display name) or not installed.
void setUserPackInstalled(PackID pack, bool installed, std::string displayName = {});
bool isInstalled(PackID pack);
// Installed user packs, in the order they were marked installed.
std::vector<PackID> installedUserPacks();

std::string_view rawValue(PackID pack);
// Exact, case-sensitive match of a raw id (a user pack id gives its slot);
// anything else gives no pack.
std::optional<PackID> packFromRaw(std::string_view raw);
// Decoding as stored in files: any text that is not a raw id yields soft.
// A user pack id yields its slot even when that pack is not installed.
PackID decodePack(std::string_view raw);

PackCategory category(PackID pack);
std::string_view rawValue(PackCategory style);  // also the section title
std::optional<PackCategory> categoryFromRaw(std::string_view raw);
std::vector<PackID> packs(PackCategory style);

// The raw id with its first letter upper-cased (Clicky, Tock); a user pack's
// own name.
std::string displayName(PackID pack);
// "pack-" + raw id + ".wav"
std::string sampleFileName(PackID pack);

// A pack's press sound comes in several takes: take 0 is sampleFileName(),
// take k > 0 is "pack-<id>-<k+1>.wav". Its key-up sound is "pack-<id>-release.wav".
inline constexpr int kMaxTakes = 8;
std::string takeFileName(PackID pack, int take);
std::string releaseFileName(PackID pack);

}  // namespace tocko
