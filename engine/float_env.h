#pragma once

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>

// The floating-point environment the program runs in: invalid operation,
// division by zero and overflow raise Float_Error; underflow and inexact
// results pass silently. Failed math functions are reported through a sink
// and then return their default result, so the computation goes on.
//
// Each operation computes in long double unless asked for another type
// (divide<double>(a, b)). Its check costs one compare on the usual path; the
// rare cases are handled out of line.
namespace engine {

class Float_Error : public std::runtime_error {
public:
    static constexpr const char* division_by_zero_message = "Floating point division by zero";
    static constexpr const char* invalid_operation_message = "Invalid floating point operation";
    static constexpr const char* overflow_message = "Floating point overflow";

    using std::runtime_error::runtime_error;

    static Float_Error division_by_zero();
    static Float_Error invalid_operation();
    static Float_Error overflow();
};

// Receives (function name, failure kind), e.g. ("log", "SING").
using Math_Error_Sink = std::function<void(const std::string& function, const std::string& kind)>;

// Installs the receiver of math-error reports; an empty sink drops them.
void set_math_error_sink(Math_Error_Sink sink);

// Sends the reports made during its life to its own sink, then gives the receiver before it
// back.
class Math_Error_Redirect {
public:
    explicit Math_Error_Redirect(Math_Error_Sink sink);
    ~Math_Error_Redirect();
    Math_Error_Redirect(const Math_Error_Redirect&) = delete;
    Math_Error_Redirect& operator=(const Math_Error_Redirect&) = delete;

private:
    Math_Error_Sink previous_;
};

// The rare cases of the operations below, out of line.
namespace cold {
float to_single_beyond_range(long double value);
float single_product_beyond_range(float a, float b, float product);
void check_division(long double dividend, long double divisor);
void check_addition(long double a, long double b);
long double log_outside_domain(long double x);
long double sqrt_outside_domain(long double x);
long double exp_beyond_range(long double x, long double largest_finite);
}  // namespace cold

// The argument types are spelled through this, so that a call without a type
// computes in long double whatever its arguments are.
template <typename Real>
using Operand = std::type_identity_t<Real>;

// Whether a value lies within the float range (no NaN, no infinity).
template <typename Real>
bool fits_single(Real value) {
    return std::fabs(value) <= std::numeric_limits<float>::max();
}

// Rounds to the nearest float, as a store to a 32-bit float does. A finite
// value that rounds beyond the float range raises the overflow error; NaN and
// infinities pass through unchanged.
template <typename Real = long double>
float to_single(Operand<Real> value) {
    if (fits_single(value)) [[likely]] {
        return static_cast<float>(value);
    }
    return cold::to_single_beyond_range(value);
}

// a x b rounded to a float: the same as to_single(a x b) computed in double,
// where the product of two floats is exact and so rounded once, as here. A
// finite product beyond the float range raises the overflow error.
inline float single_product(float a, float b) {
    const float product = a * b;
    if (fits_single(product)) [[likely]] {
        return product;
    }
    return cold::single_product_beyond_range(a, b, product);
}

// a / b. A zero divisor raises the invalid-operation error for 0/0 and NaN/0,
// otherwise the division-by-zero error; infinity/infinity is invalid too. A
// quotient of finite values beyond Real's range raises the overflow error.
template <typename Real = long double>
Real divide(Operand<Real> dividend, Operand<Real> divisor) {
    const Real quotient = dividend / divisor;
    if (!std::isfinite(quotient)) [[unlikely]] {
        cold::check_division(dividend, divisor);
    }
    return quotient;
}

// a + b. Infinities of opposite sign raise the invalid-operation error; a sum
// of finite values beyond Real's range raises the overflow error.
template <typename Real = long double>
Real add(Operand<Real> a, Operand<Real> b) {
    const Real sum = a + b;
    if (!std::isfinite(sum)) [[unlikely]] {
        cold::check_addition(a, b);
    }
    return sum;
}

// Checked math functions. A failure is reported, then the default result is
// returned: NaN for a domain failure ("DOMAIN"), -infinity for log(0)
// ("SING"), infinity for an overflowing result ("OVERFLOW"). A NaN argument
// is not a failure; an underflowing result gives 0 without a report.
template <typename Real = long double>
Real math_log(Operand<Real> x) {
    if (x > 0) [[likely]] {
        return std::log(x);
    }
    return static_cast<Real>(cold::log_outside_domain(x));
}

template <typename Real = long double>
Real math_sqrt(Operand<Real> x) {
    if (x >= 0) [[likely]] {
        return std::sqrt(x);
    }
    return static_cast<Real>(cold::sqrt_outside_domain(x));
}

// The largest argument whose exponential is finite in Real: ln of its
// largest value, rounded down.
template <typename Real>
constexpr Real largest_exp_argument() {
    if constexpr (std::is_same_v<Real, double>) {
        return 0x1.62e42fefa39efp+9;
    } else {
        static_assert(std::is_same_v<Real, long double>, "no exponential bound for this type");
        return 0xb.17217f7d1cf79abp+10L;
    }
}

// The exponential overflows, and is reported, where it would in long double:
// a result beyond a narrower type but within that range saturates at the
// type's largest value, so that storing it as a float still overflows.
template <typename Real = long double>
Real math_exp(Operand<Real> x) {
    if (x <= largest_exp_argument<Real>()) [[likely]] {
        return std::exp(x);
    }
    return static_cast<Real>(cold::exp_beyond_range(x, std::numeric_limits<Real>::max()));
}

// Also reports a zero base with a negative exponent ("SING").
long double math_pow(long double base, long double exponent);

}  // namespace engine
