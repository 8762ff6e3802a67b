#include "inputs/card_text.h"

#include <gtest/gtest.h>

namespace forecast::inputs {
namespace {

TEST(CardText, PaddingJustifiesOrCutsToTheWidth) {
  struct Case {
    const char* text;
    int width;
    const char* left;
    const char* right;
  };
  for (const Case& c : {Case{"120", 5, "  120", "120  "}, Case{"1234567", 5, "12345", "12345"},
                        Case{"", 3, "   ", "   "}, Case{"abc", 3, "abc", "abc"}, Case{"abc", 0, "", ""}}) {
    EXPECT_EQ(PadLeft(c.text, c.width), c.left) << c.text << " in " << c.width;
    EXPECT_EQ(PadRight(c.text, c.width), c.right) << c.text << " in " << c.width;
  }
  EXPECT_EQ(LeftChars("2000-2010", 4), "2000");
  EXPECT_EQ(LeftChars("20", 4), "20");
}

TEST(CardText, PictureFormats) {
  EXPECT_EQ(FormatTwoDigits(1), "01");
  EXPECT_EQ(FormatTwoDigits(12), "12");
  EXPECT_EQ(FormatDecimals(platform::Value(0.39), 4), "0.3900");
  EXPECT_EQ(FormatDecimals(platform::Value(-0.095), 4), "-0.0950");
  EXPECT_EQ(FormatDecimals(platform::Value(0.00005), 4), "0.0001");  // a half rounds away from zero
  EXPECT_EQ(FormatDecimals(platform::Value("0.125"), 3), "0.125");
  EXPECT_EQ(FormatDecimals(platform::Value(std::int64_t{3}), 3), "3.000");
  EXPECT_EQ(FormatDecimals(platform::Value("n/a"), 4), "n/a");
  EXPECT_EQ(FormatDecimals(platform::Value(), 4), "");
}

}  // namespace
}  // namespace forecast::inputs
