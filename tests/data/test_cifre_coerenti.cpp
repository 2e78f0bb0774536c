// A figure beside a verdict: rounded so it never lands on the wrong side of 1.
#include <gtest/gtest.h>

#include "data/CifreCoerenti.h"

namespace voro {
namespace {

TEST(CifreCoerenti, ABorderlineFigureKeepsItsSideOfOne) {
  // The borderline ring: s just above 1 must not read 1.0000 beside "cannot stand".
  EXPECT_EQ(DecimaliCoerenti(1.00004, 4), 5);
  EXPECT_EQ(DecimaliCoerenti(0.99996, 4), 5);
  EXPECT_EQ(DecimaliCoerenti(1.0004, 3), 4);
  EXPECT_EQ(DecimaliCoerenti(1.0000001, 3), 7);
  // Figures clear of 1, and 1 itself, keep their usual decimals.
  EXPECT_EQ(DecimaliCoerenti(3.953, 3), 3);
  EXPECT_EQ(DecimaliCoerenti(1.0, 3), 3);
  EXPECT_EQ(DecimaliCoerenti(0.4, 4), 4);
  EXPECT_EQ(DecimaliCoerenti(1 + 1e-14, 3), 9);
  EXPECT_EQ(FormatoDecimali(5), "0.00000");
  EXPECT_EQ(FormatoDecimali(0), "0");
}

}  // namespace
}  // namespace voro
