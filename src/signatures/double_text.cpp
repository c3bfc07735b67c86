#include "signatures/double_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace qv {

std::string doubleText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0)
        return std::signbit(value) ? "-0.0" : "0.0";

    // Shortest round-trip digits in scientific form: [-]d[.ddd]e(+|-)xx.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const std::string_view scientific(buffer, result.ptr);
    const std::size_t e = scientific.find('e');
    std::string digits(scientific.substr(0, e));
    if (digits.size() > 1)
        digits.erase(1, 1);  // the point after the first digit
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    std::string text = value < 0 ? "-" : "";
    if (exponent >= -3 && exponent < 7) {
        if (exponent < 0) {
            text += "0.";
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        } else {
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integerDigits) {
                text += digits;
                text.append(integerDigits - digits.size(), '0');
                text += ".0";
            } else {
                text.append(digits, 0, integerDigits);
                text += '.';
                text.append(digits, integerDigits);
            }
        }
    } else {
        text += digits[0];
        text += '.';
        text += digits.size() > 1 ? digits.substr(1) : "0";
        text += 'E';
        text += std::to_string(exponent);
    }
    return text;
}

}  // namespace qv
