// Calc_Property computes in double. Here every kind is swept across its
// domain and compared with the same formulas computed in long double: no
// result may lie more than one unit in the last place of a float away.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "engine/float_env.h"
#include "engine/property.h"

namespace {

// Argument sets per kind. A sanitized build runs ten times slower, so it
// sweeps more coarsely.
#ifdef HYGRODEX_COARSE_SWEEP
constexpr double sweep_size = 1e5;
#else
constexpr double sweep_size = 1e6;
#endif

struct Axis {
    float low;
    float high;
    bool logarithmic = false;
};

// Evenly spaced values from low to high, both included; an axis that crosses
// 0 also gets 0 and the floats on either side of it, where the saturation
// pressure changes formula and the dew point its fit.
std::vector<float> axis_values(const Axis& axis, int count) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i) {
        const double fraction = count == 1 ? 0 : static_cast<double>(i) / (count - 1);
        const double value = axis.logarithmic ? axis.low * std::pow(static_cast<double>(axis.high) / axis.low, fraction)
                                              : axis.low + (static_cast<double>(axis.high) - axis.low) * fraction;
        values.push_back(static_cast<float>(value));
    }
    values.back() = axis.high;
    if (axis.low < 0 && axis.high > 0) {
        for (float near_zero : {0.0f, FLT_TRUE_MIN, -FLT_TRUE_MIN, 1e-3f, -1e-3f}) {
            values.push_back(near_zero);
        }
    }
    return values;
}

struct Sweep {
    const char* name;
    Property_Kind kind;
    std::vector<Axis> axes;
};

void PrintTo(const Sweep& sweep, std::ostream* out) { *out << sweep.name; }

// Each reaches the edges of its kind's domain where it has one (absolute zero,
// no vapour, a dry bulb of 0 for the wet-bulb humidity, no pressure) and
// otherwise lies well beyond the callers' ranges.
const Sweep sweeps[] = {
    {"Pws", Kind_Pws, {{-273.14f, 200}}},
    {"Hfg", Kind_Hfg, {{-100, 200}}},
    {"Pw_RH", Kind_Pw_RH, {{0, 200}, {0, 100}}},
    {"Pw_AH", Kind_Pw_AH, {{10, 200}, {0, 1}}},
    // Pw stays below Patm and Pws above 0.
    {"DOS", Kind_DOS, {{60, 120}, {1e-6f, 60, true}, {0, 59.99f}}},
    {"AH", Kind_AH, {{60, 120}, {0, 59.99f}}},
    {"Tdp", Kind_Tdp, {{-100, 200}, {1e-20f, 1e4f, true}}},
    {"H", Kind_H, {{-100, 200}, {0, 1}}},
    {"SV", Kind_SV, {{1e-3f, 1e4f, true}, {-100, 200}, {0, 1}}},
    {"Twb", Kind_Twb, {{-100, 100}, {-150, 100}}},
    {"RH_Twb", Kind_RH_Twb, {{1e-20f, 1000, true}, {-60, 100}}},
    {"THI", Kind_THI, {{-100, 200}, {-100, 200}}},
};

// What one call gives: a float, or the message of the error it raises, with
// the math-error reports it made on the way.
struct Outcome {
    float value = 0;
    std::string error;
    std::string reports;
};

std::string* report_log = nullptr;

template <typename Compute>
Outcome outcome_of(Compute compute) {
    Outcome outcome;
    report_log = &outcome.reports;
    try {
        outcome.value = compute();
    } catch (const engine::Float_Error& error) {
        outcome.error = error.what();
    }
    report_log = nullptr;
    return outcome;
}

// Distance in floats between two values; NaN is as far from NaN as 0.
std::int64_t ulps_between(float a, float b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b) ? 0 : INT64_MAX;
    }
    const auto ordered = [](float value) {
        std::int32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        return bits < 0 ? -static_cast<std::int64_t>(bits & INT32_MAX) : static_cast<std::int64_t>(bits);
    };
    const std::int64_t distance = ordered(a) - ordered(b);
    return distance < 0 ? -distance : distance;
}

struct Tally {
    long exact = 0;
    long one_ulp = 0;
    long worse = 0;
};

class Property_Sweep : public testing::TestWithParam<Sweep> {
protected:
    void SetUp() override {
        engine::set_math_error_sink([](const std::string& function, const std::string& kind) {
            if (report_log) {
                *report_log += function + ":" + kind + ";";
            }
        });
    }
    void TearDown() override { engine::set_math_error_sink(nullptr); }
};

TEST_P(Property_Sweep, StaysWithinOneUlpOfExtendedPrecision) {
    const Sweep& sweep = GetParam();
    const int per_axis =
        static_cast<int>(std::ceil(std::pow(sweep_size, 1.0 / static_cast<double>(sweep.axes.size()))));
    std::vector<std::vector<float>> axes;
    for (const Axis& axis : sweep.axes) {
        axes.push_back(axis_values(axis, per_axis));
    }
    axes.resize(3, std::vector<float>{0});

    Tally tally;
    for (float x1 : axes[0]) {
        for (float x2 : axes[1]) {
            for (float x3 : axes[2]) {
                const Outcome fast = outcome_of([&] { return Calc_Property(sweep.kind, x1, x2, x3); });
                const Outcome extended = outcome_of([&] {
                    return engine::to_single<long double>(engine::property_value<long double>(sweep.kind, x1, x2, x3));
                });
                const std::int64_t ulps = ulps_between(fast.value, extended.value);
                const bool same_failures = fast.error == extended.error && fast.reports == extended.reports;
                if (same_failures && ulps == 0) {
                    ++tally.exact;
                } else if (same_failures && ulps == 1) {
                    ++tally.one_ulp;
                } else if (++tally.worse <= 5) {
                    ADD_FAILURE() << "(" << x1 << ", " << x2 << ", " << x3 << "): " << fast.value << " [" << fast.error
                                  << fast.reports << "] against " << extended.value << " [" << extended.error
                                  << extended.reports << "]";
                }
            }
        }
    }
    std::printf("%-6s %ld argument sets, %ld equal, %ld one ulp apart\n", sweep.name,
                tally.exact + tally.one_ulp + tally.worse, tally.exact, tally.one_ulp);
    EXPECT_GE(tally.exact + tally.one_ulp + tally.worse, static_cast<long>(sweep_size));
    EXPECT_EQ(tally.worse, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, Property_Sweep, testing::ValuesIn(sweeps),
                         [](const testing::TestParamInfo<Sweep>& info) { return std::string(info.param.name); });

}  // namespace
