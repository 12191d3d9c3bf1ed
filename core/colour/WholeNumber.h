#pragma once

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "core/colour/Rounding.h"

namespace tintwatch {

// A decimal number (sign, digits, optional fraction and exponent) and
// nothing else around it, rounded to the nearest whole number (ties to even)
// and within the range of Int. Anything else is no number at all.
template <typename Int>
std::optional<Int> ReadWholeNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfEven(negative ? -value : value);
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) return std::nullopt;
  return static_cast<Int>(rounded);
}

}  // namespace tintwatch
