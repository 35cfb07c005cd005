#include "engine/property.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ios>
#include <ostream>
#include <string>

#include "engine/float_env.h"
#include "tests/engine/expected_outcome.h"
#include "tests/engine/math_report_capture.h"

namespace {

using engine::Float_Error;

// A value quoted to some decimals: the exact value lies within half a unit of
// the last quoted digit.
testing::AssertionResult matches_digits(float actual, const char* digits) {
    const std::string text(digits);
    const std::size_t point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    const double half_unit = 0.5 * std::pow(10.0, -decimals);
    if (std::fabs(actual - std::stod(text)) <= half_unit) {
        return testing::AssertionSuccess();
    }
    char actual_text[32];
    std::snprintf(actual_text, sizeof actual_text, "%.9g", actual);
    return testing::AssertionFailure() << actual_text << " is not " << digits;
}

std::uint32_t bits_of(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The text a display mask with this many decimals shows: rounded, trailing
// zeros and a bare separator dropped (none of the values here is a tie).
std::string shown(long double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
    std::string text(buffer);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

struct Chain_Values {
    float pws, pw, ah, tdp, sv, twb, hfg, dos, h;
};

// The order in which a whole state is derived from Patm, Tdb and RH.
Chain_Values standard_chain(float patm, float tdb, float rh) {
    Chain_Values v{};
    v.pws = Calc_Property(Kind_Pws, tdb);
    v.pw = Calc_Property(Kind_Pw_RH, v.pws, rh);
    v.ah = Calc_Property(Kind_AH, patm, v.pw);
    v.tdp = Calc_Property(Kind_Tdp, tdb, v.pw);
    v.sv = Calc_Property(Kind_SV, patm, tdb, v.ah);
    v.twb = Calc_Property(Kind_Twb, tdb, v.tdp);
    v.hfg = Calc_Property(Kind_Hfg, tdb);
    v.dos = Calc_Property(Kind_DOS, patm, v.pws, v.pw);
    v.h = Calc_Property(Kind_H, tdb, v.ah);
    return v;
}

struct Chain_Field {
    const char* name;
    float Chain_Values::*member;
};

constexpr Chain_Field chain_fields[] = {
    {"Pws", &Chain_Values::pws}, {"Pw", &Chain_Values::pw},   {"AH", &Chain_Values::ah},
    {"Tdp", &Chain_Values::tdp}, {"SV", &Chain_Values::sv},   {"Twb", &Chain_Values::twb},
    {"Hfg", &Chain_Values::hfg}, {"DOS", &Chain_Values::dos}, {"H", &Chain_Values::h},
};
constexpr std::size_t chain_size = std::size(chain_fields);

constexpr float standard_patm = 101.325f;

struct Worked_State {
    float tdb;
    float rh;
    const char* digits[chain_size];
    // Cross-checked against an independent evaluation of the formulas at
    // 64-bit precision with the same roundings to float.
    std::uint32_t bits[chain_size];
};

const Worked_State worked_states[] = {
    {20,
     50,
     {"2.3388", "1.1694", "0.0072621", "9.1468", "0.84020", "13.787", "2452.6", "0.49416", "38.545"},
     {0x4015aee3, 0x3f95aee3, 0x3bedf72e, 0x4112592f, 0x3f571706, 0x415c96da, 0x4519499a, 0x3efd02d0, 0x421a2dd4}},
    {-10,
     50,
     {"0.26554", "0.13277", "0.00081606", "-17.230", "0.74649", "-11.461", "2525.2", "0.49934", "-8.0338"},
     {0x3e87f466, 0x3e07f466, 0x3a55ed09, 0xc189d6e1, 0x3f3f19b3, 0xc1376198, 0x451dd333, 0x3effaa04, 0xc1008a45}},
};

TEST(Standard_Chain, GivesTheWorkedValues) {
    for (const Worked_State& state : worked_states) {
        const Chain_Values values = standard_chain(standard_patm, state.tdb, state.rh);
        for (std::size_t i = 0; i < chain_size; ++i) {
            SCOPED_TRACE(testing::Message() << "Tdb " << state.tdb << ", " << chain_fields[i].name);
            EXPECT_TRUE(matches_digits(values.*chain_fields[i].member, state.digits[i]));
        }
    }
}

// Every float rounding of an intermediate shows in the last bits at these
// states: leaving out the rounding of the dew point's logarithm, of Pws's
// exponent or of specific volume's factors each changes a result by one ulp.
TEST(Standard_Chain, GivesTheExactFloats) {
    for (const Worked_State& state : worked_states) {
        const Chain_Values values = standard_chain(standard_patm, state.tdb, state.rh);
        for (std::size_t i = 0; i < chain_size; ++i) {
            const float value = values.*chain_fields[i].member;
            std::printf("Tdb %g %-3s %.9g 0x%08x\n", state.tdb, chain_fields[i].name, value, bits_of(value));
            SCOPED_TRACE(testing::Message() << "Tdb " << state.tdb << ", " << chain_fields[i].name);
            EXPECT_EQ(bits_of(value), state.bits[i])
                << std::hex << "bits 0x" << bits_of(value) << ", expected 0x" << state.bits[i];
        }
    }
}

TEST(Standard_Chain, StartStateShowsTheStartTexts) {
    struct Shown_Field {
        const char* name;
        long double value;
        int decimals;
        const char* text;
    };
    const Chain_Values start = standard_chain(standard_patm, 20, 50);
    const Shown_Field fields[] = {
        {"Twb", start.twb, 2, "13.79"},
        {"Tdp", start.tdp, 2, "9.15"},
        {"AH", start.ah, 4, "0.0073"},
        {"H", start.h, 3, "38.545"},
        {"SV", start.sv, 4, "0.8402"},
        {"Hfg", start.hfg, 2, "2452.6"},
        {"DOS %", start.dos * 100.0L, 2, "49.42"},
        {"Pws", start.pws, 3, "2.339"},
        {"Pw", start.pw, 3, "1.169"},
    };
    for (const Shown_Field& field : fields) {
        SCOPED_TRACE(field.name);
        EXPECT_EQ(shown(field.value, field.decimals), field.text);
    }
}

struct Call {
    Property_Kind kind;
    float x1;
    float x2 = 0;
    float x3 = 0;
};

std::ostream& operator<<(std::ostream& out, const Call& call) {
    return out << "kind " << call.kind << " (" << call.x1 << ", " << call.x2 << ", " << call.x3 << ")";
}

float calc(const Call& call) { return Calc_Property(call.kind, call.x1, call.x2, call.x3); }

TEST(Calc_Property, GivesTheQuotedValues) {
    struct Case {
        Call call;
        const char* digits;
    };
    const float twb_at_20_and_50 = standard_chain(standard_patm, 20, 50).twb;
    const float pw_at_5_and_20 = Calc_Property(Kind_Pw_RH, Calc_Property(Kind_Pws, 5), 20);
    const Case cases[] = {
        {{Kind_Pws, 70}, "31.198"},
        {{Kind_Pws, -40}, "0.013118"},
        {{Kind_Pws, 0}, "0.62449"},      // 0 itself is over ice
        {{Kind_Pws, 0.01f}, "0.61166"},  // just above 0 over water: a step down
        {{Kind_THI, 30, 20}, "78.4"},
        {{Kind_RH_Twb, 30, 25}, "67.032"},
        {{Kind_RH_Twb, 20, 19.99f}, "98.903"},
        {{Kind_RH_Twb, 20, twb_at_20_and_50}, "49.338"},  // not the inverse of the wet-bulb fit
        // Tdb 5, RH 20 %: the dry bulb, not the dew point, picks the fit.
        {{Kind_Tdp, 5, pw_at_5_and_20}, "-14.478"},
        {{Kind_Tdp, 0, pw_at_5_and_20}, "-14.478"},
        {{Kind_Tdp, 20, Calc_Property(Kind_Pws, 20)}, "19.858"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.call);
        EXPECT_TRUE(matches_digits(calc(c.call), c.digits));
    }
}

TEST(Calc_Property, ClampsAndShortcutsGiveExactValues) {
    struct Case {
        const char* name;
        Call call;
        float expected;
    };
    const Case cases[] = {
        {"dew point fit above the dry bulb", {Kind_Tdp, 40, Calc_Property(Kind_Pws, 40)}, 40},
        {"wet bulb of saturated air", {Kind_Twb, 20, 20}, 20},
        {"wet bulb within the tolerance", {Kind_Twb, 20, 19.9995f}, 20},
        {"wet bulb fit above the dry bulb", {Kind_Twb, 20, 19.99f}, 20},
        {"wet bulb fit below the dew point", {Kind_Twb, -40, -44.6f}, -44.6f},
        {"dew point above the dry bulb: the lower bound wins", {Kind_Twb, 10, 15}, 15},
        {"RH of equal temperatures", {Kind_RH_Twb, 20, 20}, 100},
        {"RH within the tolerance", {Kind_RH_Twb, 20, 20.0005f}, 100},
        {"RH fit below zero", {Kind_RH_Twb, 20, 5}, 0},
        {"RH fit above 100", {Kind_RH_Twb, 10.2f, 10.18f}, 100},
        {"degree of saturation capped", {Kind_DOS, 10, 5, 9.9999f}, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(calc(c.call), c.expected);
    }
}

TEST(Calc_Property, WetBulbLiesBetweenDewPointAndDryBulb) {
    for (float tdb = -40; tdb <= 70; tdb += 2.5f) {
        for (float tdp = tdb - 60; tdp <= tdb; tdp += 0.5f) {
            const float twb = Calc_Property(Kind_Twb, tdb, tdp);
            EXPECT_TRUE(tdp <= twb && twb <= tdb) << "Tdb " << tdb << ", Tdp " << tdp << ": " << twb;
        }
    }
}

TEST(Calc_Property, IgnoresUnusedArguments) {
    struct Case {
        Call call;
        bool x2_unused;
    };
    const Case cases[] = {
        {{Kind_Pws, 20}, true},
        {{Kind_Hfg, 20}, true},
        {{Kind_Pw_RH, 2.3388f, 50}, false},
        {{Kind_Pw_AH, 101.325f, 0.0072621f}, false},
        {{Kind_AH, 101.325f, 1.1694f}, false},
        {{Kind_Tdp, 20, 1.1694f}, false},
        {{Kind_H, 20, 0.0072621f}, false},
        {{Kind_Twb, 20, 9.1468f}, false},
        {{Kind_RH_Twb, 20, 13.787f}, false},
        {{Kind_THI, 30, 20}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.call);
        const float plain = calc(c.call);
        Call noisy = c.call;
        noisy.x3 = 123.25f;
        if (c.x2_unused) {
            noisy.x2 = -7.5f;
        }
        EXPECT_EQ(bits_of(calc(noisy)), bits_of(plain));
    }
}

TEST(Calc_Property, ReservedKindsGiveZero) {
    for (std::uint32_t value : {0u, 5u, 13u, 15u, 0xffffffffu}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(Calc_Property(static_cast<Property_Kind>(value), 20, 50, 1), 0.0f);
    }
}

using Calc_Property_Out_Of_Domain = Math_Report_Capture;

TEST_F(Calc_Property_Out_Of_Domain, ReportsOrRaisesWithoutCrashing) {
    const char* const overflow = Float_Error::overflow_message;
    const char* const division_by_zero = Float_Error::division_by_zero_message;
    const char* const invalid_operation = Float_Error::invalid_operation_message;
    struct Case {
        const char* name;
        Call call;
        Expected_Outcome expected;
        Math_Reports reports;
    };
    const Case cases[] = {
        {"no vapour: the first dew point fit gives +inf, capped at the dry bulb",
         {Kind_Tdp, 20, 0},
         returns(20),
         {{"log", "SING"}}},
        {"no vapour below 0: the second fit meets inf - inf",
         {Kind_Tdp, -10, 0},
         raises(invalid_operation),
         {{"log", "SING"}}},
        {"negative vapour pressure", {Kind_Tdp, 20, -1}, returns_nan(), {{"log", "DOMAIN"}}},
        {"RH from a wet bulb below 0", {Kind_RH_Twb, -5, -6}, returns_nan(), {{"log", "DOMAIN"}, {"sqrt", "DOMAIN"}}},
        {"RH at a huge negative dry bulb",
         {Kind_RH_Twb, -20000, -20001},
         returns_nan(),
         {{"log", "DOMAIN"}, {"sqrt", "DOMAIN"}, {"exp", "OVERFLOW"}}},
        {"RH where e^-t exceeds a double but not the extended range",
         {Kind_RH_Twb, -1000, -1001},
         returns_nan(),
         {{"log", "DOMAIN"}, {"sqrt", "DOMAIN"}}},
        {"RH at a dry bulb of 0", {Kind_RH_Twb, 0, -1}, raises(division_by_zero), {}},
        {"Pws below absolute zero", {Kind_Pws, -300}, returns_nan(), {{"log", "DOMAIN"}}},
        {"Pws whose exponent exceeds the float range", {Kind_Pws, 1e30f}, raises(overflow), {}},
        {"DOS with no saturation pressure and no vapour", {Kind_DOS, 101.325f, 0, 0}, raises(invalid_operation), {}},
        {"DOS with no saturation pressure", {Kind_DOS, 101.325f, 0, 1}, raises(division_by_zero), {}},
        {"DOS with vapour at the total pressure", {Kind_DOS, 101.325f, 2, 101.325f}, raises(division_by_zero), {}},
        {"AH with vapour at the total pressure", {Kind_AH, 100, 100}, raises(division_by_zero), {}},
        {"AH with no pressure at all", {Kind_AH, 0, 0}, raises(invalid_operation), {}},
        {"SV at no pressure", {Kind_SV, 0, 20, 0.01f}, raises(division_by_zero), {}},
        {"SV pressure in Pa beyond the float range", {Kind_SV, 1e36f, 20, 0}, raises(overflow), {}},
        {"result beyond the float range", {Kind_H, 1e30f, 1e30f}, raises(overflow), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reports.clear();
        EXPECT_TRUE(has_outcome([&] { return calc(c.call); }, c.expected));
        EXPECT_EQ(reports, c.reports);
    }
}

}  // namespace
