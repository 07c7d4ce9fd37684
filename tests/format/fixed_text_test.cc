#include "format/fixed_text.h"

#include <gtest/gtest.h>

namespace serigen {
namespace {

TEST(FixedText, AssignPadsOrCutsAndComparisonIgnoresTrailingBlanks) {
  Fixed<8> t("CaPA");
  EXPECT_EQ(t.view(), "CaPA    ");
  t = "RDRS2023Long";
  EXPECT_EQ(t.view(), "RDRS2023");
  EXPECT_TRUE(Fixed<4>("na") == Fixed<8>("na"));
  EXPECT_TRUE(Fixed<4>("na") == "na   ");
  EXPECT_FALSE(Fixed<4>(" na") == "na");  // leading blanks count
  EXPECT_EQ(Fixed<8>(" a b ").trimmed(), " a b");
}

}  // namespace
}  // namespace serigen
