// Runs the dissector tests under the C locale, so that date-time texts are fixed.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
