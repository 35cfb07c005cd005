#include <ostream>
#include <string>
#include <vector>

#include "engine/property.h"
#include "tests/main/sheet_test.h"

using state::Air_State;

namespace {

// A current-state column: the sheet it is on and how its edits are named.
struct Column {
    const char* name;
    const char* sheet;
    const char* letter;
    const char* suffix;
};

const Column State_Sheet = {"State sheet", "State", "", ""};
const Column Other_Columns[] = {
    {"State 1", "Process", "2", "1"},
    {"State 2", "Process", "2", "2"},
    {"Outdoor", "Pad", "p", "1"},
    {"Air", "VPD", "v", "1"},
};

struct Entry {
    const char* tag;
    const char* typed;
};

// What an entry left behind.
struct Outcome {
    std::array<float, 12> fields;
    Boxes boxes;
    friend bool operator==(const Outcome&, const Outcome&) = default;
    friend void PrintTo(const Outcome& outcome, std::ostream* out) {
        *out << "fields";
        for (float field : outcome.fields) *out << ' ' << field;
        *out << ", " << testing::PrintToString(outcome.boxes);
    }
};

class Column_Entry_Test : public Sheet_Test {
protected:
    Column_Entry_Test() : start(state()) {}

    std::string edit(const Column& column, const std::string& tag) const {
        return std::string("Edit_") + column.letter + tag + column.suffix;
    }
    // Brings the column to the front as the active one, holding the start state.
    void open(const Column& column) {
        driver.select_page(column.sheet);
        if (std::string(column.suffix) == "2" && !driver.get<ui::Speed_Button>("SBtn_two2").down()) {
            leave();
            driver.click("SBtn_two2");
        }
        forced_state() = start;
        form.Show_State();
        front_end.boxes.clear();
    }
    Outcome enter_in(const Column& column, const Entry& entry) {
        enter(edit(column, entry.tag), entry.typed);
        return {fields(state()), take_boxes()};
    }
    // Leaves the field without typing.
    Outcome pass_through(const Column& column, const std::string& tag) {
        driver.press_into(edit(column, tag));
        leave();
        return {fields(state()), take_boxes()};
    }

    const Air_State start;
};

// Apart from the wet-bulb and dew-point edges, every column takes an entry as the State sheet does.
TEST_F(Column_Entry_Test, EveryColumnTakesTheSameEntriesAsTheStateSheet) {
    const Entry script[] = {
        {"tdb", "25"},  {"rh", "60"},  {"twb", "18"},   {"tdp", "12"},  {"ah", "0.01"}, {"h", "50"},
        {"sv", "0.86"}, {"dos", "40"}, {"pw", "1.5"},   {"twb", "30"},  {"pw", "9"},    {"rh", "0"},
        {"tdb", "-41"}, {"h", "1-2"},  {"h", "\b\b\b"}, {"dos", "100"}, {"tdp", "-80"}, {"sv", "0.5"},
    };
    open(State_Sheet);
    std::vector<Outcome> expected;
    for (const Entry& entry : script) expected.push_back(enter_in(State_Sheet, entry));
    ASSERT_EQ(expected[9].boxes, Boxes{error_box("Twb is too high. Please reinput!!")});
    ASSERT_EQ(expected[13].boxes, Boxes{conversion_box("1-2")});
    ASSERT_TRUE(expected[14].boxes.empty()) << "the bad text, kept with the focus, is emptied";

    for (const Column& column : Other_Columns) {
        SCOPED_TRACE(column.name);
        open(column);
        for (std::size_t step = 0; step < std::size(script); ++step) {
            SCOPED_TRACE(std::string(script[step].tag) + " " + script[step].typed);
            EXPECT_EQ(enter_in(column, script[step]), expected[step]);
        }
    }
}

TEST_F(Column_Entry_Test, TheColumnsBoundWetBulbAndDewPointByTheStoredTdbAndLeaveSaturationToTheEngine) {
    // Tdb 20.1 typed: the column's Twb 20.1 is the same float, not above it; the State sheet
    // compares with the shown 20.1 in double precision, which the float lies above.
    for (const Column& column : Other_Columns) {
        SCOPED_TRACE(column.name);
        open(column);
        enter_in(column, {"tdb", "20.1"});
        EXPECT_TRUE(enter_in(column, {"twb", "20.1"}).boxes.empty());
        EXPECT_EQ(state().Twb, 20.1f);
        EXPECT_EQ(state().RH, 100.0f) << "from the engine";

        // 0.005 below Tdb: kept as typed.
        enter_in(column, {"tdb", "20"});
        enter_in(column, {"twb", "19.995"});
        EXPECT_EQ(state().Twb, 19.995f);
        EXPECT_EQ(state().RH, Calc_Property(Kind_RH_Twb, 20, 19.995f));
    }
    open(State_Sheet);
    enter_in(State_Sheet, {"tdb", "20.1"});
    EXPECT_EQ(enter_in(State_Sheet, {"twb", "20.1"}).boxes, Boxes{error_box("Twb is too high. Please reinput!!")});
    enter_in(State_Sheet, {"tdb", "20"});
    enter_in(State_Sheet, {"twb", "19.995"});
    EXPECT_EQ(state().Twb, 20.0f) << "saturated";
    EXPECT_EQ(state().RH, 100.0f);
}

TEST_F(Column_Entry_Test, AnUntouchedWetBulbOrDewPointShownAboveTheStoredTdbIsRefusedInAColumn) {
    // Tdb 19.996 at RH 100 shows 20 in the Tdb, Twb and Tdp fields.
    struct Case {
        const char* tag;
        const char* message;
    };
    const Case cases[] = {{"twb", "Twb is too high. Please reinput!!"}, {"tdp", "Tdp is too high. Please reinput!!"}};
    for (const Column& column : Other_Columns) {
        SCOPED_TRACE(column.name);
        for (const Case& c : cases) {
            open(column);
            enter_in(column, {"rh", "100"});
            enter_in(column, {"tdb", "19.996"});
            ASSERT_EQ(text(edit(column, c.tag)), "20");
            EXPECT_EQ(pass_through(column, c.tag).boxes, Boxes{error_box(c.message)});
            EXPECT_EQ(text(edit(column, c.tag)), "20");
        }
    }
    for (const Case& c : cases) {
        open(State_Sheet);
        enter_in(State_Sheet, {"rh", "100"});
        enter_in(State_Sheet, {"tdb", "19.996"});
        EXPECT_TRUE(pass_through(State_Sheet, c.tag).boxes.empty()) << c.tag;
    }
}

TEST_F(Column_Entry_Test, DryAirAndAWetBulbBelowZeroNeedNoMathErrorOnAnySheet) {
    for (const Column& column : Other_Columns) {
        SCOPED_TRACE(column.name);
        for (const char* dry : {"ah", "pw", "dos"}) {
            SCOPED_TRACE(dry);
            open(column);
            EXPECT_TRUE(enter_in(column, {dry, "0"}).boxes.empty());
            const Air_State& s = state();
            const float driest_pw = Calc_Property(Kind_Pw_RH, s.Pws, 0.001f);
            EXPECT_EQ(s.Tdp, Calc_Property(Kind_Tdp, s.Tdb, driest_pw)) << "the dew point of an RH entered as 0";
            EXPECT_EQ(text(edit(column, "rh")), "0");
        }

        open(column);
        enter_in(column, {"tdb", "-5"});
        const Outcome below_zero = enter_in(column, {"twb", "-6"});
        EXPECT_TRUE(below_zero.boxes.empty());
        const Air_State& s = state();
        EXPECT_EQ(s.Twb, -6.0f);
        EXPECT_GT(s.RH, 0.0f);
        EXPECT_LT(s.RH, 100.0f);
        const float wet_bulb = Calc_Property(Kind_Twb, s.Tdb, Calc_Property(Kind_Tdp, s.Tdb, s.Pw));
        EXPECT_NEAR(wet_bulb, -6.0f, 0.01f) << "the RH is the one whose wet bulb was typed";
    }
}

// The RH of a typed wet bulb is the RH of the air that has that wet bulb, on every sheet: below
// 9 degC and near saturation at 70 degC by the search, elsewhere by the engine's fit. The
// expectations are the RH whose air's wet bulb Kind_Twb(Tdb, Kind_Tdp(Tdb, Pw)) is the typed one,
// to the State sheet's two decimals.
TEST_F(Column_Entry_Test, AWetBulbGivesTheRHOfTheAirWithThatWetBulbOnEverySheet) {
    const struct {
        const char* tdb;
        const char* rh;  // typed before the wet bulb, or nullptr
        const char* twb;
        const char* shown_rh;
    } cases[] = {
        {"6", nullptr, "5", "84.37"}, {"7", nullptr, "6", "84.84"},   {"8", nullptr, "3", "39.07"},
        {"5", "50", "3", "70.3"},     {"70", nullptr, "69", "91.37"}, {"30", nullptr, "25", "67.03"},
    };
    std::vector<Column> columns(std::begin(Other_Columns), std::end(Other_Columns));
    columns.push_back(State_Sheet);
    for (const Column& column : columns) {
        SCOPED_TRACE(column.name);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.tdb) + " / " + c.twb);
            open(column);
            enter_in(column, {"tdb", c.tdb});
            if (c.rh) enter_in(column, {"rh", c.rh});
            EXPECT_TRUE(enter_in(column, {"twb", c.twb}).boxes.empty());
            EXPECT_EQ(text(edit(column, "twb")), c.twb);
            EXPECT_EQ(text(edit(column, "rh")), c.shown_rh);
        }
    }
}

// A dry bulb a hair above 0 (here 1e-21 degC) leaves the wet bulb's exit without a box, and the
// focus moves on.
TEST_F(Column_Entry_Test, AWetBulbAtATinyDryBulbNeedsNoMathError) {
    open(State_Sheet);
    enter_in(State_Sheet, {"tdb", "0.000000000000000000001"});
    driver.enter_text("Edit_twb", "-1");
    driver.press_into("Edit_tdp");
    EXPECT_TRUE(front_end.boxes.empty());
    EXPECT_EQ(driver.focused_name(), "Edit_tdp");
    EXPECT_GT(state().RH, 0);
    EXPECT_LT(state().RH, 100);
}

}  // namespace
