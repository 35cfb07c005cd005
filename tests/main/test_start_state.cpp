#include <cstddef>

#include "tests/main/main_window_test.h"

using state::Air_State;

namespace {

TEST(Air_State_Layout, HoldsTwelveFloatsInTheFixedOrder) {
    static_assert(sizeof(Air_State) == 12 * sizeof(float));
    const std::size_t offsets[] = {offsetof(Air_State, Patm), offsetof(Air_State, RH),  offsetof(Air_State, Tdb),
                                   offsetof(Air_State, Pws),  offsetof(Air_State, Pw),  offsetof(Air_State, AH),
                                   offsetof(Air_State, Tdp),  offsetof(Air_State, SV),  offsetof(Air_State, Twb),
                                   offsetof(Air_State, Hfg),  offsetof(Air_State, DOS), offsetof(Air_State, H)};
    for (std::size_t i = 0; i < std::size(offsets); ++i) EXPECT_EQ(offsets[i], i * sizeof(float)) << "field " << i;
    const Air_State zero;
    EXPECT_EQ(zero.Patm, 0.0f);
    EXPECT_EQ(zero.H, 0.0f);
}

using Start_State = Main_Window_Test;

TEST_F(Start_State, DerivesTheStartStateFromPatmTdbAndRH) {
    const Air_State& s = state();
    EXPECT_EQ(s.Patm, 101.325f);
    EXPECT_EQ(s.Tdb, 20.0f);
    EXPECT_EQ(s.RH, 50.0f);
    struct Derived {
        const char* name;
        float value;
        float expected;
    };
    const Derived derived[] = {
        {"Pws", s.Pws, 2.3388f}, {"Pw", s.Pw, 1.1694f},    {"AH", s.AH, 0.0072621f},
        {"Tdp", s.Tdp, 9.1468f}, {"SV", s.SV, 0.84020f},   {"Twb", s.Twb, 13.787f},
        {"Hfg", s.Hfg, 2452.6f}, {"DOS", s.DOS, 0.49416f}, {"H", s.H, 38.545f},
    };
    for (const Derived& d : derived) EXPECT_NEAR(d.value, d.expected, d.expected * 5e-5f) << d.name;
    EXPECT_EQ(chart().Half_Span, 10);
}

TEST_F(Start_State, TheStateSheetShowsTheStartStateWithItsMasks) {
    struct Shown {
        const char* edit;
        const char* text;
    };
    const Shown shown[] = {
        {"Edit_tdb", "20"},    {"Edit_rh", "50"},     {"Edit_twb", "13.79"}, {"Edit_tdp", "9.15"},
        {"Edit_ah", "0.0073"}, {"Edit_h", "38.545"},  {"Edit_sv", "0.8402"}, {"Edit_hfg", "2452.6"},
        {"Edit_dos", "49.42"}, {"Edit_pws", "2.339"}, {"Edit_pw", "1.169"},
    };
    for (const Shown& s : shown) EXPECT_EQ(text(s.edit), s.text) << s.edit;
}

TEST_F(Start_State, TheMessageLinesAskForTwoProperties) {
    EXPECT_EQ(text("Message1"), "In addition to Patm,");
    EXPECT_EQ(text("Message2"), "you still need 2 properties to");
    EXPECT_EQ(text("Message3"), "define a state.");
}

TEST_F(Start_State, TheOtherSheetsAreEmptyButTheLeafRH) {
    int edits = 0;
    for (const char* sheet : {"Sheet_two", "Sheet_pad", "Sheet_vpd"}) {
        for (ui::Control* control : driver.get<ui::Tab_Sheet>(sheet).children()) {
            if (control->kind() != ui::Control_Kind::Edit) continue;
            ++edits;
            EXPECT_EQ(control->text(), control->name() == "Edit_vrh2" ? "100" : "") << control->name();
        }
    }
    EXPECT_EQ(edits, 33 + 23 + 24);
}

TEST_F(Start_State, CentralizeIsUntickedAfterTheFirstShowAndNoBoxWasShown) {
    EXPECT_FALSE(driver.get<ui::Check_Box>("Check_auto").checked());
    EXPECT_TRUE(front_end.boxes.empty());
    EXPECT_EQ(active_sheet(), "Sheet_state");
    EXPECT_EQ(application.main_form(), &form);
}

}  // namespace
