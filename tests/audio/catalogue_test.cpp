#include <gtest/gtest.h>

#include "audio/pack.h"

using namespace tocko;

TEST(Catalogue, DecodingIsExactOrFallsBackToSoft) {
    EXPECT_EQ(decodePack("soft"), PackID::soft);
    EXPECT_EQ(decodePack("tock"), PackID::tock);
    EXPECT_EQ(decodePack("ice"), PackID::ice);
    for (const char* other : {"Soft", "SOFT", "woodblock", "", " soft"}) {
        EXPECT_EQ(decodePack(other), PackID::soft) << other;
        EXPECT_FALSE(packFromRaw(other).has_value()) << other;
    }
}

TEST(Catalogue, EveryPackRoundTripsAndHasItsFileName) {
    ASSERT_EQ(allPacks().size(), 28u);
    for (PackID p : allPacks()) {
        EXPECT_EQ(decodePack(rawValue(p)), p);
        EXPECT_EQ(sampleFileName(p), "pack-" + std::string(rawValue(p)) + ".wav");
    }
    EXPECT_EQ(rawValue(allPacks().front()), "clicky");
    EXPECT_EQ(rawValue(allPacks().back()), "chips");
    EXPECT_EQ(displayName(PackID::typewriter), "Typewriter");
    EXPECT_EQ(displayName(PackID::tock), "Tock");
}

TEST(Catalogue, StylesPartitionThePacksInOrder) {
    std::vector<PackID> joined;
    std::vector<size_t> sizes;
    for (PackCategory c : allCategories()) {
        auto ps = packs(c);
        sizes.push_back(ps.size());
        joined.insert(joined.end(), ps.begin(), ps.end());
    }
    EXPECT_EQ(joined, std::vector<PackID>(allPacks().begin(), allPacks().end()));
    EXPECT_EQ(sizes, (std::vector<size_t>{7, 5, 5, 5, 6}));
    EXPECT_EQ(packs(PackCategory::asmr), (std::vector<PackID>{PackID::pillow, PackID::chocolate, PackID::bite,
                                                              PackID::marshmallow, PackID::felt}));
    EXPECT_EQ(category(PackID::vintage), PackCategory::vintage);
}

TEST(Catalogue, StyleTitlesMatchExactly) {
    EXPECT_EQ(categoryFromRaw("ASMR"), PackCategory::asmr);
    EXPECT_FALSE(categoryFromRaw("asmr").has_value());
    EXPECT_FALSE(categoryFromRaw("mechanical").has_value());
    EXPECT_EQ(rawValue(PackCategory::mechanical), "Mechanical");
    EXPECT_EQ(rawValue(PackCategory::fun), "Fun");
}

TEST(Catalogue, UserPackSlotsKeepTheirStoredIdWhetherInstalledOrNot) {
    EXPECT_FALSE(userPackSlot("soft").has_value());
    EXPECT_FALSE(userPackSlot("user-").has_value());
    EXPECT_FALSE(userPackSlot("user-../x").has_value());
    EXPECT_FALSE(userPackSlot("user-Caps").has_value());
    const PackID gone = decodePack("user-gone");  // a rule naming a pack that is not installed
    EXPECT_TRUE(isUserPack(gone));
    EXPECT_FALSE(isInstalled(gone));
    EXPECT_EQ(rawValue(gone), "user-gone");  // written back unchanged
    EXPECT_EQ(decodePack("user-gone"), gone);
    EXPECT_EQ(category(gone), PackCategory::user);
    EXPECT_TRUE(packs(PackCategory::user).empty());

    setUserPackInstalled(gone, true, "Gone Again");
    EXPECT_EQ(displayName(gone), "Gone Again");
    EXPECT_EQ(packs(PackCategory::user), std::vector<PackID>{gone});
    setUserPackInstalled(gone, false);
    EXPECT_TRUE(installedUserPacks().empty());
    for (PackID p : allPacks()) EXPECT_FALSE(isUserPack(p));
    EXPECT_EQ(allCategories().size(), 5u);
}
