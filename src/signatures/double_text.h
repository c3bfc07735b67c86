#pragma once
// The text of a double-precision value as the Java platform writes it (Double.toString),
// with the shortest digits that read back to the same value.

#include <string>

namespace qv {

// "2.0", "12.5", "-3.0", "0.5", "0.001", "9999999.0", "1.0E7", "1.0E-4", "-0.0", "NaN",
// "Infinity": plain notation for magnitudes from 10^-3 up to, not including, 10^7,
// otherwise one digit, ".", the other digits, "E" and the exponent; always at least one
// digit after the point.
std::string doubleText(double value);

}  // namespace qv
