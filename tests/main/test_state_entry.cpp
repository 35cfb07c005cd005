#include <array>
#include <stdexcept>
#include <string>

#include "engine/property.h"
#include "main/property_entry.h"
#include "tests/main/main_window_test.h"

using hygrodex::Property_Entry;
using hygrodex::property_entry;
using hygrodex::Row;
using state::Air_State;
using state::Derive_From_Tdb_RH;
using state::Wet_Entry_Rule;

namespace {

using test_support::Recorded_Box;

const Names Start_Texts = {"20",     "50",     "13.79", "9.15",  "0.0073", "38.545",
                           "0.8402", "2452.6", "49.42", "2.339", "1.169"};

// The nine fields that take an entry, with their rows.
struct Entry_Field {
    const char* edit;
    Row row;
};
const Entry_Field Entry_Fields[] = {
    {"Edit_tdb", Row::Tdb}, {"Edit_rh", Row::RH}, {"Edit_twb", Row::Twb}, {"Edit_tdp", Row::Tdp}, {"Edit_ah", Row::AH},
    {"Edit_h", Row::H},     {"Edit_sv", Row::SV}, {"Edit_dos", Row::DOS}, {"Edit_pw", Row::Pw},
};

std::array<float, 12> fields(const Air_State& s) {
    return {s.Patm, s.RH, s.Tdb, s.Pws, s.Pw, s.AH, s.Tdp, s.SV, s.Twb, s.Hfg, s.DOS, s.H};
}

Recorded_Box error_box(const std::string& text) { return {text, "Error", ui::Message_Icon::Stop}; }

Recorded_Box conversion_box(const std::string& text) {
    return {"'" + text + "' is not a valid floating point value.", "Hygrodex", ui::Message_Icon::Stop};
}

// The wet bulb that the engine gives for an RH at the state's Tdb and Pws.
float wet_bulb_of_rh(const Air_State& s, float rh) {
    const float pw = Calc_Property(Kind_Pw_RH, s.Pws, rh);
    return Calc_Property(Kind_Twb, s.Tdb, Calc_Property(Kind_Tdp, s.Tdb, pw));
}

class State_Entry_Test : public Main_Window_Test {
protected:
    State_Entry_Test() { form.show(); }

    // Types over the field's text and leaves the field with Tab, as a user does.
    void enter(const std::string& edit, const std::string& typed) {
        driver.enter_text(edit, typed);
        driver.tab();
    }
    // Clicks into the field and leaves it without typing.
    void pass_through(const std::string& edit) {
        driver.press_into(edit);
        driver.tab();
    }
    // Sets Tdb and RH through their fields and forgets the boxes. Other texts come first, so that
    // neither target text meets an unchanged field.
    void set_state(const std::string& tdb, const std::string& rh) {
        enter("Edit_tdb", "1");
        enter("Edit_rh", "1");
        enter("Edit_rh", rh);
        enter("Edit_tdb", tdb);
        front_end.boxes.clear();
    }
    Names state_texts() const {
        Names texts;
        for (const ui::Edit* edit : Col_state.edits) texts.push_back(edit->text());
        return texts;
    }
};

// ---- The paths of the template, for every property ----

TEST_F(State_Entry_Test, EachPropertyAcceptsValuesWithinItsLimitsAndRefusesThoseBeyond) {
    struct Case {
        const char* edit;
        const char* typed;
        const char* message;  // nullptr: accepted
        const char* shown;    // the field afterwards
    };
    // Limits at the start state: Twb 5.9511..20, Tdp -30.7686..20, AH 0..0.0146959,
    // H 20.12..57.40484, SV 0.830498..0.850121, Pw 0..2.338799.
    const Case cases[] = {
        {"Edit_tdb", "70", nullptr, "70"},
        {"Edit_tdb", "-40", nullptr, "-40"},
        {"Edit_tdb", "70.01", "Tdb is too high. Please reinput!!", "20"},
        {"Edit_tdb", "-40.01", "Tdb is too low. Please reinput!!", "20"},
        {"Edit_rh", "100", nullptr, "100"},
        {"Edit_rh", "100.01", "RH is too high. Please reinput!!", "50"},
        {"Edit_rh", "-0.01", "RH is too low. Please reinput!!", "50"},
        {"Edit_twb", "5.96", nullptr, "5.96"},
        {"Edit_twb", "20.01", "Twb is too high. Please reinput!!", "13.79"},
        {"Edit_twb", "5.95", "Twb is too low. Please reinput!!", "13.79"},
        {"Edit_tdp", "-30.76", nullptr, "-30.76"},
        {"Edit_tdp", "20.01", "Tdp is too high. Please reinput!!", "9.15"},
        {"Edit_tdp", "-30.77", "Tdp is too low. Please reinput!!", "9.15"},
        {"Edit_ah", "0.0146", nullptr, "0.0146"},
        {"Edit_ah", "0.0147", "AH is too high. Please reinput!!", "0.0073"},
        {"Edit_ah", "-0.0001", "AH is too low. Please reinput!!", "0.0073"},
        {"Edit_h", "57.4", nullptr, "57.4"},
        {"Edit_h", "57.405", "H is too high. Please reinput!!", "38.545"},
        {"Edit_h", "20.11", "H is too low. Please reinput!!", "38.545"},
        {"Edit_sv", "0.8501", nullptr, "0.8501"},
        {"Edit_sv", "0.8502", "SV is too high. Please reinput!!", "0.8402"},
        {"Edit_sv", "0.8304", "SV is too low. Please reinput!!", "0.8402"},
        {"Edit_dos", "100", nullptr, "100"},
        {"Edit_dos", "100.01", "dos is too high. Please reinput!!", "49.42"},
        {"Edit_dos", "-0.01", "dos is too low. Please reinput!!", "49.42"},
        {"Edit_pw", "2.338", nullptr, "2.338"},
        {"Edit_pw", "2.339", "Pw is too high. Please reinput!!", "1.169"},
        {"Edit_pw", "-0.001", "Pw is too low. Please reinput!!", "1.169"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " " + c.typed);
        set_state("20", "50");
        const auto before = fields(state());
        enter(c.edit, c.typed);
        EXPECT_EQ(text(c.edit), c.shown);
        if (c.message) {
            EXPECT_EQ(front_end.boxes, std::vector<Recorded_Box>{error_box(c.message)});
            EXPECT_EQ(fields(state()), before);
            EXPECT_EQ(state_texts(), Start_Texts);
        } else {
            EXPECT_TRUE(front_end.boxes.empty());
            EXPECT_NE(fields(state()), before);
        }
        front_end.boxes.clear();
    }
}

TEST_F(State_Entry_Test, AnEmptiedOrUntouchedFieldComputesNothingAndShowsTheCurrentValue) {
    // Each field is left for the page control, so that no other field is left untouched.
    for (const Entry_Field& field : Entry_Fields) {
        if (field.row == Row::H) continue;  // its change mask differs: see below
        SCOPED_TRACE(field.edit);
        const auto before = fields(state());
        driver.enter_text(field.edit, "\b");
        driver.press_into("PageControl1");
        EXPECT_EQ(state_texts(), Start_Texts) << "emptied";
        driver.press_into(field.edit);
        driver.press_into("PageControl1");
        EXPECT_EQ(state_texts(), Start_Texts) << "untouched";
        EXPECT_EQ(fields(state()), before);
        EXPECT_TRUE(front_end.boxes.empty());
    }
    enter("Edit_h", "\b");
    EXPECT_EQ(text("Edit_h"), "38.545");
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(State_Entry_Test, ATextThatIsNoNumberStopsTheEntryBeforeTheRefresh) {
    const char* const bad_texts[] = {"1-2", "1.2.3", "-", "2..", "--1", "1-", "0.5.", "-.-", "12-3"};
    for (std::size_t i = 0; i < std::size(Entry_Fields); ++i) {
        const Entry_Field& field = Entry_Fields[i];
        const std::string bad = bad_texts[i];
        SCOPED_TRACE(std::string(field.edit) + " " + bad);
        const auto before = fields(state());
        driver.enter_text(field.edit, bad);
        // Show_State would overwrite this read-only field.
        Col_state[Row::Hfg].set_text("untouched");
        driver.tab();
        EXPECT_EQ(front_end.boxes, std::vector<Recorded_Box>{conversion_box(bad)});
        front_end.boxes.clear();
        EXPECT_EQ(driver.focused_name(), field.edit) << "the focus stays";
        EXPECT_EQ(text(field.edit), bad);
        EXPECT_EQ(text("Edit_hfg"), "untouched");
        EXPECT_EQ(fields(state()), before);
        // Emptied, the field is taken again.
        for (std::size_t typed = 0; typed < bad.size(); ++typed) driver.key('\b');
        driver.tab();
        EXPECT_TRUE(front_end.boxes.empty());
        EXPECT_EQ(state_texts(), Start_Texts);
    }
}

TEST_F(State_Entry_Test, APastedTextIsCheckedOnLeavingAsATypedTextIs) {
    struct Case {
        const char* pasted;
        std::vector<Recorded_Box> boxes;
        const char* focused;
    };
    const Case cases[] = {
        {"abc", {conversion_box("abc")}, "Edit_tdb"},
        {"25", {}, "Edit_rh"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted);
        front_end.set_clipboard_text(c.pasted);
        driver.double_click("Edit_tdb", 0);
        driver.choose_edit_command("Edit_tdb", ui::Edit_Command::Paste);
        driver.tab();
        EXPECT_EQ(front_end.boxes, c.boxes);
        front_end.boxes.clear();
        EXPECT_EQ(driver.focused_name(), c.focused);
    }
    EXPECT_EQ(state().Tdb, 25.0f);
    EXPECT_EQ(text("Edit_tdb"), "25");
}

// ---- Tdb and RH ----

TEST_F(State_Entry_Test, RHZeroIsHeldAsAThousandthOfAPercentAndShownAsZero) {
    enter("Edit_rh", "0");
    EXPECT_EQ(state().RH, 0.001f);
    EXPECT_EQ(text("Edit_rh"), "0");
    EXPECT_GT(state().Pw, 0.0f);
    const auto after = fields(state());
    pass_through("Edit_rh");
    EXPECT_EQ(fields(state()), after) << "the shown 0 equals the change text";
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(State_Entry_Test, RHHundredSaturatesWithoutTheEngineAndATdbEntryKeepsItSaturated) {
    enter("Edit_rh", "100");
    const Air_State& s = state();
    EXPECT_EQ(s.Pw, s.Pws);
    EXPECT_EQ(s.Twb, 20.0f);
    EXPECT_EQ(s.Tdp, 20.0f) << "the dew-point fit would give 19.858";
    enter("Edit_tdb", "25");
    EXPECT_EQ(s.RH, 100.0f);
    EXPECT_EQ(s.Pw, s.Pws);
    EXPECT_EQ(s.Twb, 25.0f);
    EXPECT_EQ(s.Tdp, 25.0f);
    // Hfg = 2501 - 2.42 x 25; AH = 0.62198 x 3.16921 / (101.325 - 3.16921); H = 1.006 x 25 + AH x 2546.125.
    EXPECT_EQ(state_texts(),
              (Names{"25", "100", "25", "25", "0.0201", "76.282", "0.8719", "2440.5", "100", "3.169", "3.169"}));
}

TEST_F(State_Entry_Test, ATdbTypedWithMoreDecimalsIsStoredAsTypedAndKeptOnTheNextExit) {
    enter("Edit_tdb", "20.123");
    EXPECT_EQ(state().Tdb, 20.123f);
    EXPECT_EQ(text("Edit_tdb"), "20.12");
    const auto after = fields(state());
    pass_through("Edit_tdb");
    EXPECT_EQ(fields(state()), after);
}

TEST_F(State_Entry_Test, OnlyATextThatDiffersFromTheChangeTextRecomputes) {
    struct Case {
        const char* typed;
        bool recomputes;
    };
    const Case cases[] = {{"20.0", true}, {"20", false}, {"020", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        set_state("20", "50");
        const float derived_ah = state().AH;
        forced_state().AH = 0;  // a derived value the chain would put right again
        enter("Edit_tdb", c.typed);
        EXPECT_EQ(state().AH, c.recomputes ? derived_ah : 0.0f);
        EXPECT_EQ(text("Edit_tdb"), "20");
    }
}

// ---- Twb and Tdp near the dry bulb ----

TEST_F(State_Entry_Test, TwbAndTdpLessThanAHundredthBelowTheShownTdbAreSaturatedAir) {
    struct Case {
        const char* edit;
        const char* typed;
        bool saturated;
    };
    const Case cases[] = {
        {"Edit_twb", "19.995", true}, {"Edit_twb", "19.991", true}, {"Edit_twb", "19.98", false},
        {"Edit_tdp", "19.995", true}, {"Edit_tdp", "19.991", true}, {"Edit_tdp", "19.98", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " " + c.typed);
        set_state("20", "50");
        enter(c.edit, c.typed);
        const Air_State& s = state();
        EXPECT_TRUE(front_end.boxes.empty());
        if (c.saturated) {
            EXPECT_EQ(s.RH, 100.0f);
            EXPECT_EQ(s.Pw, s.Pws);
            EXPECT_EQ(s.Twb, 20.0f);
            EXPECT_EQ(s.Tdp, 20.0f);
            EXPECT_EQ(text(c.edit), "20");
        } else {
            EXPECT_LT(s.RH, 100.0f);
            EXPECT_GT(s.RH, 98.0f);
            EXPECT_EQ(text(c.edit), "19.98") << "the entered value is kept";
        }
    }
}

TEST_F(State_Entry_Test, TwbAndTdpAreBoundedByTheShownTdbNotTheStoredOne) {
    struct Case {
        const char* tdb;
        const char* typed;
        bool accepted;
    };
    // 20.004 shows as 20. Typing the shown Tdb passes when its float is not above the decimal.
    const Case cases[] = {
        {"20.004", "20", true}, {"20.004", "20.003", false}, {"20.05", "20.05", true},
        {"25.3", "25.3", true}, {"20.01", "20.01", false},   {"20.1", "20.1", false},
    };
    for (const char* edit : {"Edit_twb", "Edit_tdp"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(edit) + " at Tdb " + c.tdb + ": " + c.typed);
            set_state(c.tdb, "50");
            const float stored_tdb = state().Tdb;
            enter(edit, c.typed);
            if (c.accepted) {
                EXPECT_TRUE(front_end.boxes.empty());
                EXPECT_EQ(state().RH, 100.0f);
                EXPECT_EQ(state().Twb, stored_tdb);
                EXPECT_EQ(state().Tdp, stored_tdb);
            } else {
                const std::string name = edit == std::string("Edit_twb") ? "Twb" : "Tdp";
                EXPECT_EQ(front_end.take_box_texts(), Names{name + " is too high. Please reinput!!"});
                EXPECT_EQ(state().RH, 50.0f);
            }
        }
    }
}

TEST_F(State_Entry_Test, AnUntouchedFieldWhoseRoundedTextLiesBeyondItsLimitIsRefused) {
    struct Case {
        const char* tdb;
        const char* edit;
        const char* message;
        const char* shown;
    };
    // At RH 100 the shown texts round up past the saturation limits.
    const Case cases[] = {
        {"20", "Edit_pw", "Pw is too high. Please reinput!!", "2.339"},
        {"20", "Edit_ah", "AH is too high. Please reinput!!", "0.0147"},
        {"20", "Edit_h", "H is too high. Please reinput!!", "57.405"},
        {"20.1", "Edit_twb", "Twb is too high. Please reinput!!", "20.1"},
        {"20.1", "Edit_tdp", "Tdp is too high. Please reinput!!", "20.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " at Tdb " + c.tdb);
        set_state(c.tdb, "100");
        const auto before = fields(state());
        pass_through(c.edit);
        EXPECT_EQ(front_end.take_box_texts(), Names{c.message});
        EXPECT_EQ(text(c.edit), c.shown);
        EXPECT_EQ(fields(state()), before);
    }
}

TEST_F(State_Entry_Test, TheTwbEntryStoresPwsAgainEvenWhenTheValueIsThenRefused) {
    driver.enter_text("Edit_twb", "25");
    forced_state().Pws = 0;
    driver.tab();
    EXPECT_EQ(front_end.take_box_texts(), Names{"Twb is too high. Please reinput!!"});
    EXPECT_EQ(state().Pws, Calc_Property(Kind_Pws, 20));
    EXPECT_EQ(text("Edit_pws"), "2.339");
}

// ---- The other properties ----

TEST_F(State_Entry_Test, TheHFieldIsComparedWithFourDecimalsSoTheFirstUntouchedExitStoresTheShownValue) {
    pass_through("Edit_h");
    const Air_State& s = state();
    EXPECT_EQ(s.H, 38.545f);
    EXPECT_NE(s.RH, 50.0f) << "derived again from H";
    EXPECT_NEAR(s.RH, 50.0f, 0.01f);
    EXPECT_EQ(text("Edit_h"), "38.545");
    const auto after = fields(s);
    pass_through("Edit_h");
    EXPECT_EQ(fields(s), after);
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(State_Entry_Test, EnteringTheStartStatesOwnValueGivesTheStartStateBack) {
    // Typed with the digits of the start state; each inverse formula must lead back to RH 50.
    struct Case {
        const char* edit;
        const char* typed;
    };
    const Case cases[] = {
        {"Edit_ah", "0.00726213"}, {"Edit_h", "38.544754"}, {"Edit_sv", "0.84019506"},
        {"Edit_dos", "49.4162"},   {"Edit_pw", "1.1694"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        set_state("20", "50");
        enter(c.edit, c.typed);
        EXPECT_NEAR(state().RH, 50.0f, 5e-4f);
        EXPECT_EQ(state_texts(), Start_Texts);
    }
}

TEST_F(State_Entry_Test, DosIsTypedInPercentAndReplacedByTheDegreeOfTheDerivedVapourPressure) {
    enter("Edit_dos", "50");
    const Air_State& s = state();
    // AH = 0.5 x the saturation humidity ratio 0.0146959; Pw = 101.325 x AH / (0.62198 + AH).
    EXPECT_NEAR(s.AH, 0.00734793f, 1e-8f);
    EXPECT_NEAR(s.DOS, 0.5f, 1e-6f);
    EXPECT_EQ(state_texts(),
              (Names{"20", "50.58", "13.87", "9.32", "0.0073", "38.762", "0.8403", "2452.6", "50", "2.339", "1.183"}));
}

// ---- Perfectly dry air and wet bulbs below freezing ----

TEST_F(State_Entry_Test, PerfectlyDryAirTakesTheDewPointAndWetBulbOfRHZero) {
    enter("Edit_rh", "0");
    const float dry_tdp = state().Tdp;
    const float dry_twb = state().Twb;
    // ln(1000 x Pws x 1e-5) = -3.7556: -35.957 + 1.8726 x 3.7556 + 1.1689 x 3.7556^2.
    EXPECT_EQ(text("Edit_tdp"), "-12.44");
    const float driest_pw = state().Pw;
    struct Case {
        const char* edit;
        const char* typed;
    };
    // The H and SV lower limits leave a vapour pressure within rounding of 0, on either side.
    const Case cases[] = {
        {"Edit_ah", "0"}, {"Edit_pw", "0"}, {"Edit_dos", "0"}, {"Edit_h", "20.12"}, {"Edit_sv", "0.830498159"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        set_state("20", "50");
        enter(c.edit, c.typed);
        EXPECT_TRUE(front_end.boxes.empty()) << "no math error for the logarithm of 0";
        EXPECT_EQ(state().Tdp, dry_tdp);
        EXPECT_EQ(state().Twb, dry_twb);
        EXPECT_LT(state().Pw, driest_pw) << "Pw stays as computed";
        EXPECT_EQ(text("Edit_rh"), "0");
        EXPECT_EQ(text("Edit_tdp"), "-12.44");
    }
}

TEST_F(State_Entry_Test, AWetBulbAtADryBulbOfZeroOrBelowFindsTheRHWhoseWetBulbItIs) {
    struct Case {
        const char* tdb;
        const char* twb;
    };
    // The fit of RH from the wet bulb would divide by a Tdb of 0 and take the log of one below it.
    const Case cases[] = {{"0", "-1"}, {"0", "-4"}, {"-0.5", "-3"}, {"-10", "-12"}, {"-40", "-44.65"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tdb) + " / " + c.twb);
        set_state(c.tdb, "50");
        enter("Edit_twb", c.twb);
        const Air_State& s = state();
        EXPECT_TRUE(front_end.boxes.empty());
        EXPECT_EQ(text("Edit_twb"), c.twb);
        EXPECT_GT(s.RH, 0.001f);
        EXPECT_LT(s.RH, 100.0f);
        EXPECT_NEAR(wet_bulb_of_rh(s, s.RH), s.Twb, 2e-5f);
        EXPECT_EQ(s.Pw, Calc_Property(Kind_Pw_RH, s.Pws, s.RH));
        EXPECT_EQ(s.Tdp, Calc_Property(Kind_Tdp, s.Tdb, s.Pw));
    }
}

// ---- The rule of the other sheets' columns, on the same template ----

TEST(Property_Entry, ColumnsBoundTwbAndTdpByTheStoredTdbAndNeverSaturateThem) {
    Air_State s;
    s.Patm = 101.325f;
    s.Tdb = 19.996f;  // shown as 20
    s.RH = 50;
    Derive_From_Tdb_RH(s);
    for (Row row : {Row::Twb, Row::Tdp}) {
        const Property_Entry& entry = property_entry(row);
        EXPECT_EQ(entry.upper_limit(s, Wet_Entry_Rule::Shown_Tdb), 20.0);
        EXPECT_EQ(entry.upper_limit(s, Wet_Entry_Rule::Stored_Tdb), static_cast<double>(19.996f));
    }
    Air_State column = s;
    property_entry(Row::Twb).store(column, 19.991f, Wet_Entry_Rule::Stored_Tdb);
    EXPECT_EQ(column.Twb, 19.991f);
    EXPECT_LT(column.RH, 100.0f);
    Air_State sheet = s;
    property_entry(Row::Twb).store(sheet, 19.991f, Wet_Entry_Rule::Shown_Tdb);
    EXPECT_EQ(sheet.Twb, 19.996f);
    EXPECT_EQ(sheet.RH, 100.0f);
}

TEST(Property_Entry, NamesAndChangeMasks) {
    const struct {
        Row row;
        const char* name;
        const char* change_mask;
    } expected[] = {
        {Row::Tdb, "Tdb", "###0.##"}, {Row::RH, "RH", "##0.##"},    {Row::Twb, "Twb", "###0.##"},
        {Row::Tdp, "Tdp", "###0.##"}, {Row::AH, "AH", "###0.####"}, {Row::H, "H", "###0.####"},
        {Row::SV, "SV", "###0.####"}, {Row::DOS, "dos", "##0.##"},  {Row::Pw, "Pw", "###0.###"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(property_entry(e.row).name, e.name);
        EXPECT_EQ(property_entry(e.row).change_mask, e.change_mask) << e.name;
    }
    EXPECT_THROW(property_entry(Row::Hfg), std::logic_error);
    EXPECT_THROW(property_entry(Row::Pws), std::logic_error);
}

}  // namespace
