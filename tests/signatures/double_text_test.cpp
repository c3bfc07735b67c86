#include "signatures/double_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace qv {
namespace {

TEST(DoubleText, WritesValuesAsThePlatformDoes)
{
    const std::pair<double, const char*> cases[] = {
        {2, "2.0"},
        {12.5, "12.5"},
        {-3, "-3.0"},
        {0.5, "0.5"},
        {100, "100.0"},
        {1234567, "1234567.0"},
        {0.3, "0.3"},
        {0.1 + 0.2, "0.30000000000000004"},
        // Bounds of the plain notation: 10^-3 is plain, 10^7 and below 10^-3 are not.
        {0.001, "0.001"},
        {0.00123, "0.00123"},
        {0.000999, "9.99E-4"},
        {1e-4, "1.0E-4"},
        {9999999, "9999999.0"},
        {9999999.5, "9999999.5"},
        {1e7, "1.0E7"},
        {-1e7, "-1.0E7"},
        {123456789, "1.23456789E8"},
        {1.5e300, "1.5E300"},
        {1e-308, "1.0E-308"},
        {std::numeric_limits<double>::max(), "1.7976931348623157E308"},
        // Shortest digits, where the Java 17 runtime writes 9.999999999999999E22.
        {1e23, "1.0E23"},
        // Shortest digits also for the smallest subnormal (Java writes 4.9E-324).
        {std::numeric_limits<double>::denorm_min(), "5.0E-324"},
        {0.0, "0.0"},
        {-0.0, "-0.0"},
        {std::numeric_limits<double>::infinity(), "Infinity"},
        {-std::numeric_limits<double>::infinity(), "-Infinity"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(doubleText(value), text) << value;
}

// Any finite double reads back to itself, in the notation its magnitude calls for, with at
// least one digit after the point.
TEST(DoubleText, RandomValuesReadBackInTheRightNotation)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> decades(-5, 9);  // around the plain notation
    for (int n = 0; n < 40000; ++n) {
        // Every other value from random bits (any exponent), the rest near the bounds.
        const double value = n % 2 ? std::bit_cast<double>(random()) : std::pow(10.0, decades(random));
        if (!std::isfinite(value))
            continue;
        const std::string text = doubleText(value);
        double back = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), back);
        ASSERT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(value)) << text;

        const std::size_t point = text.find('.');
        ASSERT_NE(point, std::string::npos) << text;
        ASSERT_TRUE(point + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[point + 1]))) << text;
        const double magnitude = std::fabs(value);
        const bool plain = text.find('E') == std::string::npos;
        if (magnitude >= 0.0011 && magnitude < 9.9e6) {
            ASSERT_TRUE(plain) << text;
        }
        if ((magnitude < 0.00099 && magnitude != 0) || magnitude >= 1.01e7) {
            ASSERT_FALSE(plain) << text;
        }
    }
}

}  // namespace
}  // namespace qv
