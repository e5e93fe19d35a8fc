// Where dialogs open and where a path in a message may wrap; under Wine the
// dialog tests check both on a real screen.
#include "ui/breakable_path.h"
#include "ui/framework/centred_bounds.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

using ui::Bounds;

TEST(CentredBounds, CentresOnTheWorkAreaOrOwnerAndKeepsAllOfItOnTheWorkArea) {
    const Bounds screen = {0, 0, 1280, 994};     // above a 30-pixel task bar
    const Bounds second = {1280, 0, 2304, 738};  // a monitor to its right
    const struct {
        Bounds window, over, workArea, expected;
    } rows[] = {
        {{0, 0, 400, 300}, screen, screen, {440, 347, 840, 647}},
        {{0, 0, 400, 300}, second, second, {1592, 219, 1992, 519}},
        {{7, 9, 207, 109}, {100, 100, 500, 400}, screen, {200, 200, 400, 300}},
        // An owner near an edge: the window stays whole on the screen.
        {{0, 0, 200, 100}, {1100, 50, 1500, 350}, screen, {1080, 150, 1280, 250}},
        {{0, 0, 200, 100}, {-300, -200, 100, 100}, screen, {0, 0, 200, 100}},
        {{0, 0, 200, 100}, {1200, 900, 1600, 1200}, screen, {1080, 894, 1280, 994}},
        // Bigger than the screen: its top-left corner shows.
        {{50, 50, 1450, 1150}, screen, screen, {0, 0, 1400, 1100}},
    };
    for (const auto& row : rows) {
        const Bounds got = ui::CentredBounds(row.window, row.over, row.workArea);
        EXPECT_TRUE(got == row.expected)
            << got.left << "," << got.top << " " << got.right << "," << got.bottom;
    }
}

TEST(BreakablePath, BreaksAfterEverySeparatorAndEvery24CharactersOfAName) {
    const std::string z = "\u200B";
    EXPECT_EQ(BreakablePath("C:\\Users\\a/b\\"), "C:\\" + z + "Users\\" + z + "a/" + z + "b\\" + z);
    const std::string d24(24, 'd');
    EXPECT_EQ(BreakablePath("D:\\" + d24 + d24 + "dd"), "D:\\" + z + d24 + z + d24 + z + "dd");
    // Characters, not bytes: 𠮷 is four bytes and ë two. A space breaks already.
    std::string kanji;
    for (int n = 0; n < 24; ++n) {
        kanji += "𠮷";
    }
    EXPECT_EQ(BreakablePath(kanji + "ë" + kanji), kanji + z + "ë" + kanji.substr(4) + z + "𠮷");
    EXPECT_EQ(BreakablePath(d24 + " " + d24 + "\\"), d24 + " " + d24 + "\\" + z);
    EXPECT_EQ(BreakablePath(""), "");
}

}  // namespace
}  // namespace tessaly
