#include "inputs/emp_check_list.h"

#include <gtest/gtest.h>

namespace forecast::inputs {
namespace {

TEST(EmpCheckList, ReadsTheNumberAfterTheColonOfLinesOneToEight) {
  const auto counts = ParseEmpCheckList({"Basic: 2", "Retail:1 category", "a: 0", "b: 0", "c:", "d: x", "e: 0",
                                         "f: 0", "ignored: 9"});
  ASSERT_TRUE(counts);
  EXPECT_EQ((*counts)[1], 2);
  EXPECT_EQ((*counts)[2], 1);
  int sum = 0;
  for (int k = 1; k <= 8; ++k) sum += (*counts)[static_cast<size_t>(k)];
  EXPECT_EQ(sum, 3);
}

TEST(EmpCheckList, FailsWithoutEightLinesOrWithACountBeyondSixteenBits) {
  EXPECT_FALSE(ParseEmpCheckList({"a: 1", "b: 1"}));
  EXPECT_FALSE(ParseEmpCheckList({"a: 70000", "b: 0", "c: 0", "d: 0", "e: 0", "f: 0", "g: 0", "h: 0"}));
  EXPECT_FALSE(ParseEmpCheckList(std::vector<std::string>(101, "a: 0")));
}

}  // namespace
}  // namespace forecast::inputs
