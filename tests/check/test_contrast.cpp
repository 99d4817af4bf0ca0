#include "check/contrast.h"

#include <gtest/gtest.h>

using namespace menuloom::check;

// The figures WCAG publishes: the extremes, and the grey that is the lightest to pass on white.
TEST(Contrast, MatchesWcagExamples) {
    const Rgb black{0, 0, 0}, white{255, 255, 255};
    EXPECT_DOUBLE_EQ(relativeLuminance(black), 0.0);
    EXPECT_DOUBLE_EQ(relativeLuminance(white), 1.0);
    EXPECT_DOUBLE_EQ(contrastRatio(black, white), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(white, black), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(white, white), 1.0);
    EXPECT_NEAR(contrastRatio(Rgb{0x76, 0x76, 0x76}, white), 4.54, 0.005);
    EXPECT_NEAR(contrastRatio(Rgb{0x77, 0x77, 0x77}, white), 4.48, 0.005);
    EXPECT_NEAR(contrastRatio(Rgb{0xFF, 0, 0}, white), 4.0, 0.005);
    EXPECT_NEAR(contrastRatio(Rgb{0, 0, 0xFF}, white), 8.59, 0.005);
    // A ratio just below the minimum never reads as the minimum.
    EXPECT_EQ(ratioText(4.4999), "4.49:1");
    EXPECT_EQ(ratioText(2.996), "2.99:1");
    EXPECT_EQ(ratioText(4.478), "4.48:1");
    EXPECT_EQ(ratioText(4.5), "4.5:1");
    EXPECT_EQ(ratioText(21.0), "21:1");
    EXPECT_EQ(hexOf(rgbOf(0x8000FF)), "#FF0080");
}

TEST(Contrast, LargeTextAtBothThresholds) {
    EXPECT_EQ(requiredRatio(18, 0), 3.0);
    EXPECT_EQ(requiredRatio(17, 0), 4.5);
    EXPECT_EQ(requiredRatio(14, 1), 3.0);  // bold
    EXPECT_EQ(requiredRatio(14, 10), 3.0); // "700"
    EXPECT_EQ(requiredRatio(14, 9), 4.5);  // "600" is not bold
    EXPECT_EQ(requiredRatio(14, 3), 4.5);  // "lighter"
    EXPECT_EQ(requiredRatio(13, 1), 4.5);
}

TEST(Contrast, BlendsLikeOpacity) {
    const Rgb white{255, 255, 255};
    EXPECT_EQ(blend(Rgb{0, 0, 0}, white, 1.0), (Rgb{0, 0, 0}));
    EXPECT_EQ(blend(Rgb{0, 0, 0}, white, 0.0), white);
    EXPECT_EQ(blend(Rgb{0, 0, 0}, white, 0.5), (Rgb{128, 128, 128}));
}
