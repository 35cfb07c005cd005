#include "engine/float_env.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>

namespace engine {

Float_Error Float_Error::division_by_zero() { return Float_Error(division_by_zero_message); }
Float_Error Float_Error::invalid_operation() { return Float_Error(invalid_operation_message); }
Float_Error Float_Error::overflow() { return Float_Error(overflow_message); }

namespace {

constexpr long double not_a_number = std::numeric_limits<long double>::quiet_NaN();
constexpr long double infinity = std::numeric_limits<long double>::infinity();

// Values from here on round to infinity when stored as a float: the midpoint
// between FLT_MAX and 2^128 rounds to even, which is upwards.
const long double float_overflow_threshold = std::ldexp(1.0L, 128) - std::ldexp(1.0L, 103);

Math_Error_Sink& math_error_sink() {
    static Math_Error_Sink sink;
    return sink;
}

void report(const char* function, const char* kind) {
    if (const Math_Error_Sink& sink = math_error_sink()) {
        sink(function, kind);
    }
}

}  // namespace

void set_math_error_sink(Math_Error_Sink sink) { math_error_sink() = std::move(sink); }

Math_Error_Redirect::Math_Error_Redirect(Math_Error_Sink sink)
    : previous_(std::exchange(math_error_sink(), std::move(sink))) {}

Math_Error_Redirect::~Math_Error_Redirect() { math_error_sink() = std::move(previous_); }

namespace cold {

float to_single_beyond_range(long double value) {
    if (!std::isfinite(value)) {
        return static_cast<float>(value);
    }
    if (std::fabs(value) >= float_overflow_threshold) {
        throw Float_Error::overflow();
    }
    // Between FLT_MAX and the threshold the value rounds down to FLT_MAX; the
    // conversion itself would be undefined there.
    return value < 0 ? -FLT_MAX : FLT_MAX;
}

float single_product_beyond_range(float a, float b, float product) {
    if (std::isinf(product) && std::isfinite(a) && std::isfinite(b)) {
        throw Float_Error::overflow();
    }
    return product;
}

// Called where the quotient is not finite, as check_addition where the sum is not.
void check_division(long double dividend, long double divisor) {
    if (divisor == 0) {
        if (dividend == 0 || std::isnan(dividend)) {
            throw Float_Error::invalid_operation();
        }
        throw Float_Error::division_by_zero();
    }
    if (std::isinf(dividend) && std::isinf(divisor)) {
        throw Float_Error::invalid_operation();
    }
    if (std::isfinite(dividend) && std::isfinite(divisor)) {
        throw Float_Error::overflow();
    }
}

void check_addition(long double a, long double b) {
    if (std::isinf(a) && std::isinf(b) && std::signbit(a) != std::signbit(b)) {
        throw Float_Error::invalid_operation();
    }
    if (std::isfinite(a) && std::isfinite(b)) {
        throw Float_Error::overflow();
    }
}

long double log_outside_domain(long double x) {
    if (x < 0) {
        report("log", "DOMAIN");
        return not_a_number;
    }
    if (x == 0) {
        report("log", "SING");
        return -infinity;
    }
    return x;  // NaN
}

long double sqrt_outside_domain(long double x) {
    if (x < 0) {
        report("sqrt", "DOMAIN");
        return not_a_number;
    }
    return x;  // NaN
}

long double exp_beyond_range(long double x, long double largest_finite) {
    if (std::isnan(x) || std::isinf(x)) {
        return std::exp(x);
    }
    if (x > largest_exp_argument<long double>()) {
        report("exp", "OVERFLOW");
        return infinity;
    }
    return largest_finite;
}

}  // namespace cold

long double math_pow(long double base, long double exponent) {
    const bool finite_operands = std::isfinite(base) && std::isfinite(exponent);
    if (finite_operands && base < 0 && exponent != std::trunc(exponent)) {
        report("pow", "DOMAIN");
        return not_a_number;
    }
    if (finite_operands && base == 0 && exponent < 0) {
        report("pow", "SING");
        return std::pow(base, exponent);
    }
    const long double result = std::pow(base, exponent);
    if (finite_operands && std::isinf(result)) {
        // Where a power overflows is decided exactly by the result: an
        // estimate from the logarithm of the base is off near the boundary.
        report("pow", "OVERFLOW");
    }
    return result;
}

}  // namespace engine
