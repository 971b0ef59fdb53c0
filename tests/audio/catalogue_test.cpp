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
