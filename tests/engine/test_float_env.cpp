#include "engine/float_env.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/engine/expected_outcome.h"
#include "tests/engine/math_report_capture.h"

namespace {

using engine::Float_Error;

constexpr long double nan_value = std::numeric_limits<long double>::quiet_NaN();
constexpr long double inf = std::numeric_limits<long double>::infinity();

const char* const overflow = Float_Error::overflow_message;
const char* const division_by_zero = Float_Error::division_by_zero_message;
const char* const invalid_operation = Float_Error::invalid_operation_message;

TEST(Float_Error, FactoriesCarryThePlatformMessages) {
    EXPECT_STREQ(Float_Error::division_by_zero().what(), "Floating point division by zero");
    EXPECT_STREQ(Float_Error::invalid_operation().what(), "Invalid floating point operation");
    EXPECT_STREQ(Float_Error::overflow().what(), "Floating point overflow");
}

TEST(To_Single, RoundsLikeAStoreToAFloat) {
    // The smallest value that rounds to infinity: halfway between FLT_MAX and 2^128.
    const long double threshold = std::ldexp(1.0L, 128) - std::ldexp(1.0L, 103);
    const long double below_threshold = std::nextafter(threshold, 0.0L);
    struct Case {
        const char* name;
        long double input;
        Expected_Outcome expected;
    };
    const Case cases[] = {
        {"exact", 1.5L, returns(1.5L)},
        {"nearest", 1 + std::ldexp(1.0L, -24) + std::ldexp(1.0L, -40), returns(1 + std::ldexp(1.0L, -23))},
        {"tie to even", 1 + std::ldexp(1.0L, -24), returns(1)},
        {"largest float", FLT_MAX, returns(FLT_MAX)},
        {"just below the threshold", below_threshold, returns(FLT_MAX)},
        {"just below the negative threshold", -below_threshold, returns(-FLT_MAX)},
        {"threshold", threshold, raises(overflow)},
        {"negative threshold", -threshold, raises(overflow)},
        {"largest long double", LDBL_MAX, raises(overflow)},
        {"underflow to zero", 1e-60L, returns(0)},
        {"negative underflow keeps the sign", -1e-60L, returns(-0.0L)},
        {"smallest subnormal", std::ldexp(1.0L, -149), returns(std::ldexp(1.0L, -149))},
        {"infinity", inf, returns(inf)},
        {"negative infinity", -inf, returns(-inf)},
        {"NaN", nan_value, returns_nan()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(has_outcome([&] { return engine::to_single(c.input); }, c.expected));
    }
}

TEST(Divide, RaisesForAZeroDivisorInfinityOverInfinityAndOverflow) {
    struct Case {
        long double dividend;
        long double divisor;
        Expected_Outcome expected;
    };
    const Case cases[] = {
        {1, 4, returns(0.25L)},
        {-3, inf, returns(-0.0L)},
        {1, nan_value, returns_nan()},
        {1, 0, raises(division_by_zero)},
        {-1, -0.0L, raises(division_by_zero)},
        {inf, 0, raises(division_by_zero)},
        {0, 0, raises(invalid_operation)},
        {-0.0L, 0, raises(invalid_operation)},
        {nan_value, 0, raises(invalid_operation)},
        {inf, -inf, raises(invalid_operation)},
        {LDBL_MAX, 0.5L, raises(overflow)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dividend << " / " << c.divisor);
        EXPECT_TRUE(has_outcome([&] { return engine::divide(c.dividend, c.divisor); }, c.expected));
    }
}

TEST(Add, RaisesForInfinitiesOfOppositeSignAndOverflow) {
    struct Case {
        long double a;
        long double b;
        Expected_Outcome expected;
    };
    const Case cases[] = {
        {1.5L, 2, returns(3.5L)},
        {inf, inf, returns(inf)},
        {-inf, 1e4000L, returns(-inf)},
        {nan_value, inf, returns_nan()},
        {inf, -inf, raises(invalid_operation)},
        {-inf, inf, raises(invalid_operation)},
        {LDBL_MAX, LDBL_MAX, raises(overflow)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " + " << c.b);
        EXPECT_TRUE(has_outcome([&] { return engine::add(c.a, c.b); }, c.expected));
    }
}

using Checked_Math = Math_Report_Capture;

TEST_F(Checked_Math, ReportsFailuresAndReturnsTheDefaultResult) {
    // Largest argument with a finite exponential, and the next one up.
    constexpr long double last_finite_exp = 0xb.17217f7d1cf79abp+10L;
    constexpr long double first_overflowing_exp = 0xb.17217f7d1cf79acp+10L;
    ASSERT_TRUE(std::isfinite(std::exp(last_finite_exp)));
    struct Case {
        const char* name;
        std::function<long double()> call;
        Expected_Outcome expected;
        Math_Reports reports;
    };
    const Case cases[] = {
        {"log(1)", [] { return engine::math_log(1); }, returns(0), {}},
        {"log(inf)", [] { return engine::math_log(inf); }, returns(inf), {}},
        {"log(NaN)", [] { return engine::math_log(nan_value); }, returns_nan(), {}},
        {"log(-1)", [] { return engine::math_log(-1); }, returns_nan(), {{"log", "DOMAIN"}}},
        {"log(-inf)", [] { return engine::math_log(-inf); }, returns_nan(), {{"log", "DOMAIN"}}},
        {"log(0)", [] { return engine::math_log(0); }, returns(-inf), {{"log", "SING"}}},
        {"log(-0)", [] { return engine::math_log(-0.0L); }, returns(-inf), {{"log", "SING"}}},
        {"sqrt(4)", [] { return engine::math_sqrt(4); }, returns(2), {}},
        {"sqrt(-0)", [] { return engine::math_sqrt(-0.0L); }, returns(-0.0L), {}},
        {"sqrt(NaN)", [] { return engine::math_sqrt(nan_value); }, returns_nan(), {}},
        {"sqrt(-4)", [] { return engine::math_sqrt(-4); }, returns_nan(), {{"sqrt", "DOMAIN"}}},
        {"exp(0)", [] { return engine::math_exp(0); }, returns(1), {}},
        {"exp(NaN)", [] { return engine::math_exp(nan_value); }, returns_nan(), {}},
        {"exp(inf)", [] { return engine::math_exp(inf); }, returns(inf), {}},
        {"exp underflow", [] { return engine::math_exp(-20000); }, returns(0), {}},
        {"exp(-inf)", [] { return engine::math_exp(-inf); }, returns(0), {}},
        {"exp at the overflow boundary",
         [=] { return engine::math_exp(last_finite_exp); },
         returns(std::exp(last_finite_exp)),
         {}},
        {"exp past the overflow boundary",
         [=] { return engine::math_exp(first_overflowing_exp); },
         returns(inf),
         {{"exp", "OVERFLOW"}}},
        {"exp(20000)", [] { return engine::math_exp(20000); }, returns(inf), {{"exp", "OVERFLOW"}}},
        {"pow(2, 10)", [] { return engine::math_pow(2, 10); }, returns(1024), {}},
        {"pow(-2, 3)", [] { return engine::math_pow(-2, 3); }, returns(-8), {}},
        {"pow(1, NaN)", [] { return engine::math_pow(1, nan_value); }, returns(1), {}},
        {"pow(NaN, 2)", [] { return engine::math_pow(nan_value, 2); }, returns_nan(), {}},
        {"pow underflow", [] { return engine::math_pow(2, -20000); }, returns(0), {}},
        {"pow(-8, 1/3)", [] { return engine::math_pow(-8, 1.0L / 3); }, returns_nan(), {{"pow", "DOMAIN"}}},
        {"pow(0, -1)", [] { return engine::math_pow(0, -1); }, returns(inf), {{"pow", "SING"}}},
        {"pow(2, 20000)", [] { return engine::math_pow(2, 20000); }, returns(inf), {{"pow", "OVERFLOW"}}},
        {"pow(-2, 20001)", [] { return engine::math_pow(-2, 20001); }, returns(-inf), {{"pow", "OVERFLOW"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reports.clear();
        EXPECT_TRUE(has_outcome(c.call, c.expected));
        EXPECT_EQ(reports, c.reports);
    }
}

TEST_F(Checked_Math, ReportsAreDroppedWithoutASink) {
    engine::set_math_error_sink(nullptr);
    EXPECT_TRUE(std::isnan(engine::math_sqrt(-1)));
    EXPECT_EQ(engine::math_log(0), -inf);
    EXPECT_TRUE(reports.empty());
}

}  // namespace

namespace {

// What a computation gives once rounded to a float: its bits, or the error it
// raised, and the reports it made.
struct Single_Outcome {
    std::uint32_t bits = 0;
    std::string error;
    Math_Reports reports;

    bool operator==(const Single_Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Single_Outcome& outcome) {
    out << "bits 0x" << std::hex << outcome.bits << std::dec << " error \"" << outcome.error << "\" reports";
    for (const Math_Report& report : outcome.reports) {
        out << " " << report.first << ":" << report.second;
    }
    return out;
}

using Double_Operations = Math_Report_Capture;

// Each operation in double fails where it fails in long double: the same
// error, the same reports, and the same float once the result is stored.
TEST_F(Double_Operations, FailWhereLongDoubleOperationsFail) {
    const auto outcome_of = [this](const std::function<float()>& call) {
        reports.clear();
        Single_Outcome outcome;
        try {
            const float value = call();
            std::memcpy(&outcome.bits, &value, sizeof outcome.bits);
        } catch (const Float_Error& error) {
            outcome.error = error.what();
        }
        outcome.reports = reports;
        return outcome;
    };
    constexpr double infinity = std::numeric_limits<double>::infinity();
    constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();
    const double largest_finite_exp = 0x1.62e42fefa39efp+9;
    const double beyond_double_exp = std::nextafter(largest_finite_exp, infinity);
    // Beyond a double's exponential but within long double's, and beyond both.
    const std::vector<double> singles = {
        -infinity,         -20000, -1,    -0.0,  0,       FLT_TRUE_MIN, 1,     88.8,     largest_finite_exp,
        beyond_double_exp, 11356,  11357, 20000, FLT_MAX, 1e39,         1e300, infinity, not_a_number};
    const std::vector<std::pair<double, double>> pairs = {{1, 4},
                                                          {1, 0},
                                                          {-1, -0.0},
                                                          {0, 0},
                                                          {infinity, 0},
                                                          {infinity, infinity},
                                                          {infinity, -infinity},
                                                          {-infinity, -infinity},
                                                          {1e300, 1e-300},
                                                          {1e300, 1e300},
                                                          {not_a_number, 0},
                                                          {FLT_MAX, FLT_MAX}};
    for (const double x : singles) {
        SCOPED_TRACE(testing::Message() << "x = " << x);
        EXPECT_EQ(outcome_of([=] { return engine::to_single<double>(x); }),
                  outcome_of([=] { return engine::to_single(x); }));
        EXPECT_EQ(outcome_of([=] { return engine::to_single<double>(engine::math_log<double>(x)); }),
                  outcome_of([=] { return engine::to_single(engine::math_log(x)); }));
        EXPECT_EQ(outcome_of([=] { return engine::to_single<double>(engine::math_sqrt<double>(x)); }),
                  outcome_of([=] { return engine::to_single(engine::math_sqrt(x)); }));
        EXPECT_EQ(outcome_of([=] { return engine::to_single<double>(engine::math_exp<double>(x) * 0.001); }),
                  outcome_of([=] { return engine::to_single(engine::math_exp(x) * 0.001L); }));
    }
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(testing::Message() << a << ", " << b);
        EXPECT_EQ(outcome_of([=] { return engine::to_single<double>(engine::divide<double>(a, b)); }),
                  outcome_of([=] { return engine::to_single(engine::divide(a, b)); }));
        EXPECT_EQ(outcome_of([=] { return engine::to_single<double>(engine::add<double>(a, b)); }),
                  outcome_of([=] { return engine::to_single(engine::add(a, b)); }));
    }
}

TEST(Single_Product, RoundsAndOverflowsAsTheProductStoredAsAFloat) {
    constexpr float infinity = std::numeric_limits<float>::infinity();
    const std::vector<float> factors = {0,
                                        -0.0f,
                                        1e-30f,
                                        FLT_TRUE_MIN,
                                        1000,
                                        -1000,
                                        3.4e35f,
                                        3.5e35f,
                                        FLT_MAX,
                                        1.1f,
                                        infinity,
                                        -infinity,
                                        std::numeric_limits<float>::quiet_NaN()};
    for (const float a : factors) {
        for (const float b : factors) {
            SCOPED_TRACE(testing::Message() << a << " x " << b);
            const long double exact = static_cast<long double>(a) * b;
            Expected_Outcome expected = raises(overflow);
            try {
                const float stored = engine::to_single(exact);
                expected = std::isnan(stored) ? returns_nan() : returns(stored);
            } catch (const Float_Error&) {}
            EXPECT_TRUE(has_outcome([=] { return engine::single_product(a, b); }, expected));
        }
    }
}

}  // namespace
