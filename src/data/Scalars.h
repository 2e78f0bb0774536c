// Scalar types of the arch model and the conversions between them, with the
// run-time errors a conversion or an operation raises.
#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>

#include "data/RuntimeError.h"

namespace voro {

using Single = float;          // 4-byte float
using Integer = std::int16_t;  // 16-bit signed
using Long = std::int32_t;     // 32-bit signed

// pi and its multiples as the program writes them: 15-digit literals.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kDuePi = 6.28318530717958;
inline constexpr double kTrePi = 9.42477796076937;

// A non-finite value is an arithmetic fault: Overflow (6).
inline double checked(double x) {
  if (!std::isfinite(x)) throw RuntimeError(err::Overflow);
  return x;
}

// a / b with the runtime's faults: x / 0 is Division by zero (11), 0 / 0 and
// an infinite quotient are Overflow (6).
inline double divide(double a, double b) {
  if (b == 0.0) throw RuntimeError(a == 0.0 || std::isnan(a) ? err::Overflow : err::DivisionByZero);
  return checked(a / b);
}

// Single division: the operands and the quotient are Singles (chosen only
// when both operands are Singles).
template <class T>
  requires std::same_as<T, Single>
inline Single divide(T a, T b) {
  if (b == 0.0f) throw RuntimeError(a == 0.0f || std::isnan(a) ? err::Overflow : err::DivisionByZero);
  Single q = a / b;
  if (!std::isfinite(q)) throw RuntimeError(err::Overflow);
  return q;
}

// Square root; a negative argument is an invalid procedure call (5).
inline double squareRoot(double x) {
  if (x < 0.0 || std::isnan(x)) throw RuntimeError(err::InvalidCall);
  return std::sqrt(x);
}

// Stores a Double into a Single: Overflow (6) when out of range.
inline Single toSingle(double x) {
  if (!std::isfinite(x)) throw RuntimeError(err::Overflow);
  Single s = static_cast<Single>(x);
  if (!std::isfinite(s)) throw RuntimeError(err::Overflow);
  return s;
}

// Rounds to the nearest integer, a half going to the even neighbour.
inline double roundHalfEven(double x) { return std::nearbyint(x); }

// Stores a number into an Integer: rounded half to even, Overflow (6) when
// the result leaves -32768..32767.
inline Integer toInteger(double x) {
  if (!std::isfinite(x)) throw RuntimeError(err::Overflow);
  double r = roundHalfEven(x);
  if (r < -32768.0 || r > 32767.0) throw RuntimeError(err::Overflow);
  return static_cast<Integer>(r);
}

// Stores a number into a Long, rounded half to even.
inline Long toLong(double x) {
  if (!std::isfinite(x)) throw RuntimeError(err::Overflow);
  double r = roundHalfEven(x);
  if (r < -2147483648.0 || r > 2147483647.0) throw RuntimeError(err::Overflow);
  return static_cast<Long>(r);
}

// Integer sum with the Integer overflow check.
inline Integer addIntegers(long a, long b) { return toInteger(static_cast<double>(a + b)); }

// The integer part towards minus infinity (the runtime's Int).
inline double intPart(double x) { return std::floor(x); }

}  // namespace voro
