#include <gtest/gtest.h>

#include "audio/pack.h"

using namespace tocko;

TEST(Catalogue, DecodingIsExactOrFallsBackToSoftAndEveryPackRoundTrips) {
    for (const char* other : {"Soft", "SOFT", "woodblock", "", " soft"}) {
        EXPECT_EQ(decodePack(other), PackID::soft) << other;
        EXPECT_FALSE(packFromRaw(other).has_value()) << other;
    }
    ASSERT_EQ(allPacks().size(), kPackCount);
    for (PackID p : allPacks()) {
        EXPECT_EQ(decodePack(rawValue(p)), p);
        EXPECT_FALSE(isUserPack(p));
    }
    EXPECT_EQ(sampleFileName(PackID::tock), "pack-tock.wav");
    EXPECT_EQ(displayName(PackID::typewriter), "Typewriter");
    // Style titles are matched exactly.
    EXPECT_EQ(categoryFromRaw("ASMR"), PackCategory::asmr);
    EXPECT_FALSE(categoryFromRaw("asmr").has_value());
}

TEST(Catalogue, StylesPartitionThePacksInOrder) {
    std::vector<PackID> joined;
    for (PackCategory c : allCategories()) {
        const auto ps = packs(c);
        EXPECT_FALSE(ps.empty());
        for (PackID p : ps) EXPECT_EQ(category(p), c);
        joined.insert(joined.end(), ps.begin(), ps.end());
    }
    EXPECT_EQ(joined, std::vector<PackID>(allPacks().begin(), allPacks().end()));
}

TEST(Catalogue, UserPackSlotsKeepTheirStoredIdWhetherInstalledOrNot) {
    for (const char* bad : {"soft", "user-", "user-../x", "user-Caps"})
        EXPECT_FALSE(userPackSlot(bad).has_value()) << bad;
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
}
