#include "state/entry_chains.h"

#include <gtest/gtest.h>

#include "engine/property.h"
#include "state/entry_limits.h"
#include "state/state_steps.h"
#include "tests/state/worked_state.h"

using namespace state;

namespace {

using Rule = Wet_Entry_Rule;

// Entering a property of the worked state at 20 degC gives that state back: the chain of each
// entry derives the other fields from it, with Tdb held. The dew point's and the wet bulb's fits
// are no inverses of the chain's; an entered volume moves the humidity ratio by a few of its units
// in the last place (SV x 1.6078 / (SV - dry-air volume)).
TEST(Entry_Chains, EachEntryOfAWorkedValueGivesTheWorkedStateBack) {
    const Air_State start = standard_state(20, 50);
    const struct {
        const char* name;
        void (*enter)(Air_State&, float);
        float Air_State::*field;
        double slack;
    } cases[] = {
        {"Tdb", Enter_Tdb, &Air_State::Tdb, 1}, {"RH", Enter_RH, &Air_State::RH, 1},
        {"AH", Enter_AH, &Air_State::AH, 1},    {"H", Enter_H, &Air_State::H, 1},
        {"SV", Enter_SV, &Air_State::SV, 4},    {"DOS", Enter_DOS, &Air_State::DOS, 1},
        {"Pw", Enter_Pw, &Air_State::Pw, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Air_State state = start;
        c.enter(state, start.*c.field);
        expect_worked(state, Worked_20, c.slack);
    }
}

TEST(Entry_Chains, AWetBulbTakesTheRHOfItsFitAndKeepsTheTypedValue) {
    const Air_State start = standard_state(20, 50);
    Air_State state = start;
    Enter_Twb(state, start.Twb, Rule::Stored_Tdb);
    EXPECT_EQ(state.Twb, start.Twb);
    EXPECT_NEAR(state.RH, 49.338f, five_digits(49.338f));
    EXPECT_EQ(state.Pw, Calc_Property(Kind_Pw_RH, state.Pws, state.RH));
    EXPECT_EQ(state.Tdp, Calc_Property(Kind_Tdp, state.Tdb, state.Pw));
    EXPECT_EQ(state.H, Calc_Property(Kind_H, state.Tdb, state.AH));
}

TEST(Entry_Chains, RHOfZeroIsHeldAsTheDriestRHAndOfHundredIsSaturatedWithoutTheEngine) {
    Air_State state = standard_state(20, 50);
    Enter_RH(state, 0);
    EXPECT_EQ(state.RH, Dry_Air_RH);
    EXPECT_EQ(state.Pw, Calc_Property(Kind_Pw_RH, state.Pws, Dry_Air_RH));

    Enter_RH(state, 100);
    EXPECT_EQ(state.Pw, state.Pws);
    EXPECT_EQ(state.Twb, 20);
    EXPECT_EQ(state.Tdp, 20);
    Enter_Tdb(state, 30);  // RH 100 is held: still saturated
    EXPECT_EQ(state.Pws, Calc_Property(Kind_Pws, 30));
    EXPECT_EQ(state.Pw, state.Pws);
    EXPECT_EQ(state.Twb, 30);
    EXPECT_EQ(state.Tdp, 30);
    EXPECT_EQ(state.DOS, 1);
}

// A wet bulb or dew point typed less than 0.01 below the shown Tdb is saturated air under the
// shown-Tdb rule; the stored-Tdb rule keeps the typed value and leaves it to the fits.
TEST(Entry_Chains, TheShownTdbRuleSaturatesWithinTheBandTheStoredTdbRuleNever) {
    const struct {
        float Tdb;
        float typed;
        bool saturated_by_shown_rule;
    } cases[] = {
        {20.004f, 20, true}, {20, 19.995f, true}, {20, 19.991f, true}, {20, 19.98f, false}, {19.996f, 19.991f, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Tdb) + " / " + std::to_string(c.typed));
        const Air_State start = standard_state(c.Tdb, 50);
        for (void (*enter)(Air_State&, float, Rule) : {Enter_Twb, Enter_Tdp}) {
            Air_State shown = start;
            enter(shown, c.typed, Rule::Shown_Tdb);
            EXPECT_EQ(shown.RH == 100 && shown.Twb == c.Tdb && shown.Tdp == c.Tdb && shown.Pw == shown.Pws,
                      c.saturated_by_shown_rule);
            Air_State stored = start;
            enter(stored, c.typed, Rule::Stored_Tdb);
            EXPECT_TRUE(stored.Twb == c.typed || stored.Tdp == c.typed);
        }
    }
}

// The vapour pressure is the dew point's saturation pressure: of -10 degC 0.26554 kPa, which is
// 11.354 % of the 2.3388 kPa at 20 degC.
TEST(Entry_Chains, ADewPointTakesItsSaturationPressureAsTheVapourPressure) {
    Air_State state = standard_state(20, 50);
    Enter_Tdp(state, -10, Rule::Stored_Tdb);
    EXPECT_EQ(state.Tdp, -10);
    EXPECT_NEAR(state.Pw, 0.26554f, five_digits(0.26554f));
    EXPECT_NEAR(state.RH, 11.354f, five_digits(11.354f));
    EXPECT_EQ(state.Twb, Calc_Property(Kind_Twb, 20, -10));
}

TEST(Entry_Chains, ADewPointAtTheStoredTdbGivesExactlyHundredPercentThroughTheEngine) {
    Air_State state = standard_state(20, 50);
    Enter_Tdp(state, 20, Rule::Stored_Tdb);
    EXPECT_EQ(state.Pw, state.Pws);
    EXPECT_EQ(state.RH, 100);
    EXPECT_EQ(state.Twb, 20);
}

TEST(Entry_Chains, ADegreeOfSaturationIsReplacedByTheOneOfItsVapourPressure) {
    Air_State state = standard_state(20, 50);
    Enter_DOS(state, 0.5f);
    EXPECT_NEAR(state.AH, 0.007348f, 5e-7f);  // half the saturation humidity ratio 0.014696
    EXPECT_EQ(state.DOS, Calc_Property(Kind_DOS, state.Patm, state.Pws, state.Pw));
    EXPECT_NEAR(state.DOS, 0.5f, 1e-6f);
}

TEST(Entry_Chains, AnEnthalpyOrAVolumeKeepsTheEnteredValue) {
    Air_State state = standard_state(20, 50);
    Enter_H(state, 45);
    EXPECT_EQ(state.H, 45);
    EXPECT_GT(state.RH, 50);
    Enter_SV(state, 0.845f);
    EXPECT_EQ(state.SV, 0.845f);
}

TEST(Entry_Limits, AtTheStartState) {
    const Air_State state = standard_state(20, 50);
    EXPECT_NEAR(Twb_Min(state), 5.95f, 0.005f);
    EXPECT_NEAR(Tdp_Min(state), -30.77f, 0.005f);
    EXPECT_NEAR(AH_Sat(state), 0.014696f, 5e-7f);
    EXPECT_NEAR(H_Min(state), 20.12f, 0.005f);
    EXPECT_NEAR(H_Sat(state), 57.405f, 0.0005f);
    EXPECT_NEAR(SV_Min(state), 0.83050f, 5e-6f);
    EXPECT_NEAR(SV_Sat(state), 0.85012f, 5e-6f);
    EXPECT_EQ(Wet_Entry_Top(state, Rule::Shown_Tdb), 20);
    EXPECT_EQ(Wet_Entry_Top(state, Rule::Stored_Tdb), 20);
}

TEST(Entry_Limits, TheShownTdbIsRoundedToTwoDecimalsTheStoredOneIsNot) {
    Air_State state = standard_state(20.004f, 50);
    EXPECT_EQ(Shown_Tdb(state), 20.0);
    EXPECT_EQ(Wet_Entry_Top(state, Rule::Stored_Tdb), static_cast<double>(20.004f));
    state.Tdb = 19.996f;
    EXPECT_EQ(Wet_Entry_Top(state, Rule::Shown_Tdb), 20.0);
    EXPECT_EQ(Wet_Entry_Top(state, Rule::Stored_Tdb), static_cast<double>(19.996f));
}

}  // namespace
