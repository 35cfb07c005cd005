#pragma once

#include <functional>
#include <stdexcept>
#include <string>

// The floating-point environment the program runs in: invalid operation,
// division by zero and overflow raise Float_Error; underflow and inexact
// results pass silently. Failed math functions are reported through a sink
// and then return their default result, so the computation goes on.
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

// Rounds to the nearest float, as a store to a 32-bit float does. A finite
// value that rounds beyond the float range raises the overflow error; NaN and
// infinities pass through unchanged.
float to_single(long double value);

// a / b. A zero divisor raises the invalid-operation error for 0/0 and NaN/0,
// otherwise the division-by-zero error; infinity/infinity is invalid too.
long double divide(long double dividend, long double divisor);

// a + b. Infinities of opposite sign raise the invalid-operation error.
long double add(long double a, long double b);

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

// Checked math functions. A failure is reported, then the default result is
// returned: NaN for a domain failure ("DOMAIN"), -infinity for log(0)
// ("SING"), infinity for an overflowing result ("OVERFLOW"). A NaN argument
// is not a failure; an underflowing result gives 0 without a report.
long double math_log(long double x);
long double math_exp(long double x);
long double math_sqrt(long double x);
long double math_pow(long double base, long double exponent);

}  // namespace engine
