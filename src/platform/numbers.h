// The arithmetic helpers of the program: its window sizes are single-precision twips and
// its counters 16-bit integers, and every conversion between them goes through here.
#pragma once

#include <cstdint>

namespace platform {

// Rounds to the nearest integer, halves to the even neighbour, into 16 bits.
// Values outside -32768..32767 are clamped instead of wrapping.
std::int16_t RoundToInt16(double value);

// The same rounding into 32 bits, for positions that may lie far out on a large screen.
std::int32_t RoundToInt32(double value);

// Integer division that first rounds both operands (halves to even) and truncates the
// quotient towards zero. Division by zero yields 0.
std::int32_t IntDiv(double dividend, double divisor);

// A single-precision value read back through its decimal text of at most seven significant
// digits, as a double: 3409.0f - 3.68 stays 3405.32 instead of 3405.320068...
double Single7(float value);

// Parses decimal text into a 16-bit integer; false when it is not a whole number or does not fit.
bool ParseInt16(const char *text, std::int16_t *out);

} // namespace platform
