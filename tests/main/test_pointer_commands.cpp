#include <array>

#include "chart/pointer_texts.h"
#include "tests/main/main_window_test.h"

using chart::Mode_State;
using chart::Pointer_Readout;
using state::Air_State;

namespace {

using ui::Mouse_Button;

constexpr std::array<float Air_State::*, 12> All_Fields = {
    &Air_State::Patm, &Air_State::RH, &Air_State::Tdb, &Air_State::Pws, &Air_State::Pw,  &Air_State::AH,
    &Air_State::Tdp,  &Air_State::SV, &Air_State::Twb, &Air_State::Hfg, &Air_State::DOS, &Air_State::H};

class Pointer_Commands_Test : public Main_Window_Test {
protected:
    Pointer_Commands_Test() { form.show(); }

    std::string panel(int index) const { return driver.get<ui::Status_Bar>("StatusBar1").panel_text(index); }
    const ui::Canvas& canvas() const { return driver.get<ui::Image>("Chart_Image").canvas(); }
};

// On the start axis 10..30 degree C; the texts are from a hand calculation.
TEST_F(Pointer_Commands_Test, AMoveReadsOutThePointAndChangesNothingElse) {
    const struct {
        int X, Y;
        const char* readout;
    } moves[] = {
        {275, 240,
         "Current:Tdb:20.00,RH:92.72,Twb:19.26,Tdp:18.63,AH:0.0136,H:54.630,SV:0.8487,Hfg:2452.60,DOS:92.56,Pw:2.17"},
        {0, 400,
         "Current:Tdb:10.00,RH:59.71,Twb:6.57,Tdp:2.57,AH:0.0045,H:21.481,SV:0.8080,Hfg:2476.80,DOS:59.42,Pw:0.73"},
        {275, -5,
         "Current:Tdb:20.00,RH:100.00,Twb:20.00,Tdp:20.00,AH:0.0147,H:57.405,SV:0.8501,Hfg:2452.60,DOS:100.00,Pw:2.34"},
        {577, -3,
         "Current:Tdb:30.00,RH:100.00,Twb:30.00,Tdp:30.00,AH:0.0272,H:99.690,SV:0.8964,Hfg:2428.40,DOS:100.00,Pw:4.25"},
        {275, 480,
         "Current:Tdb:20.00,RH:0.00,Twb:6.21,Tdp:-25.45,AH:0.0000,H:20.122,SV:0.8305,Hfg:2452.60,DOS:0.00,Pw:0.00"},
        {275, 502,
         "Current:Tdb:20.00,RH:0.00,Twb:6.21,Tdp:-25.45,AH:0.0000,H:20.122,SV:0.8305,Hfg:2452.60,DOS:0.00,Pw:0.00"},
        {-2000, 300,
         "Current:Tdb:-40.00,RH:100.00,Twb:-40.00,Tdp:-40.00,AH:0.0001,H:-40.044,SV:0.6606,Hfg:2597.80,DOS:100.00,"
         "Pw:0.01"},
    };
    const Air_State start = state();
    const std::string crosshair = panel(0);
    const std::string tdb_text = text("Edit_tdb");
    for (const auto& move : moves) {
        driver.get<ui::Image>("Chart_Image").canvas().clear();
        driver.mouse_move("Chart_Image", move.X, move.Y);
        EXPECT_EQ(panel(1), move.readout) << move.X << ", " << move.Y;
        EXPECT_TRUE(canvas().ops().empty()) << "a move never redraws";
        EXPECT_EQ(panel(0), crosshair);
        EXPECT_EQ(text("Edit_tdb"), tdb_text);
        for (float Air_State::*field : All_Fields) EXPECT_EQ(state().*field, start.*field);
    }
    EXPECT_EQ(chart().Tmin_Index, 50);
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Pointer_Commands_Test, AClickWithAnyButtonMakesThePointTheState) {
    const struct {
        int X, Y;
        Mouse_Button button;
        const char* crosshair;
        float Tdb, RH;
        const char* tdb_text;
        const char* rh_text;
    } clicks[] = {
        {275, 240, Mouse_Button::Left, "Crosshair: Tdb:20.00 ,RH:92.72", 20, 92.716179f, "20", "92.72"},
        {0, 400, Mouse_Button::Right, "Crosshair: Tdb:10.00 ,RH:59.71", 10, 59.713459f, "10", "59.71"},
        {560, 100, Mouse_Button::Middle, "Crosshair: Tdb:30.00 ,RH:79.86", 30, 79.863892f, "30", "79.86"},
        {275, 502, Mouse_Button::Left, "Crosshair: Tdb:20.00 ,RH:0.00", 20, 0.001f, "20", "0"},
        {275, -5, Mouse_Button::Right, "Crosshair: Tdb:20.00 ,RH:100.00", 20, 100, "20", "100"},
        {-2000, 300, Mouse_Button::Left, "Crosshair: Tdb:-40.00 ,RH:100.00", -40, 100, "-40", "100"},
    };
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.crosshair);
        // Back to the start axis, where the readout of the same pixel is taken first.
        forced_state().Tdb = 20;
        driver.click("Btn_default");
        driver.mouse_move("Chart_Image", click.X, click.Y);
        const std::string readout = panel(1);
        driver.get<ui::Image>("Chart_Image").canvas().clear();

        driver.mouse_down("Chart_Image", click.X, click.Y, click.button);
        EXPECT_EQ(panel(0), click.crosshair);
        EXPECT_FLOAT_EQ(state().Tdb, click.Tdb);
        EXPECT_FLOAT_EQ(state().RH, click.RH);
        EXPECT_EQ(Pointer_Readout(state()), readout) << "the click stores what the readout shows";
        EXPECT_EQ(text("Edit_tdb"), click.tdb_text);
        EXPECT_EQ(text("Edit_rh"), click.rh_text);
        EXPECT_FALSE(canvas().ops().empty()) << "Show_State redraws";
        EXPECT_EQ(chart().Chart_Mode, Mode_State);
        EXPECT_EQ(driver.focused_name(), "Group_message");
    }
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Pointer_Commands_Test, TheClickedStateKeepsDosAsAFractionAndSaturationExact) {
    driver.mouse_down("Chart_Image", 275, -5);
    EXPECT_EQ(state().Pw, state().Pws);
    EXPECT_EQ(state().Twb, 20);
    EXPECT_EQ(state().Tdp, 20);
    EXPECT_FLOAT_EQ(state().DOS, 1);
    EXPECT_EQ(text("Edit_dos"), "100");
    driver.mouse_down("Chart_Image", 275, 480);
    EXPECT_EQ(state().RH, 0.001f);
    EXPECT_EQ(state().Pw, 0.0001f);
}

TEST_F(Pointer_Commands_Test, AClickEmptiesTheProcessDifferencesWhateverSheetIsActive) {
    for (const char* sheet : {"State", "Process", "Pad", "VPD"}) {
        driver.select_page(sheet);
        for (ui::Edit* difference : Col_two_diff.edits) difference->set_text("1.5");
        driver.mouse_down("Chart_Image", 300, 300);
        for (const ui::Edit* difference : Col_two_diff.edits)
            EXPECT_EQ(difference->text(), "") << sheet << " " << difference->name();
    }
}

// The typed Tdb's exit runs before the pixel is mapped: an accepted 35 moves the axis to 25..45,
// where X 275 is 35 degree C; a refused 80 leaves the axis, and the click still sets the state.
TEST_F(Pointer_Commands_Test, APendingEntryIsTakenBeforeThePixelIsMapped) {
    const struct {
        const char* typed;
        Names boxes;
        int Tmin_Index;
        float Tdb;
        const char* tdb_text;
    } cases[] = {
        {"35", {}, 65, 35, "35"},
        {"80", {"Tdb is too high. Please reinput!!"}, 50, 20, "20"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        forced_state().Tdb = 20;
        driver.click("Btn_default");
        driver.enter_text("Edit_tdb", c.typed);
        driver.mouse_down("Chart_Image", 275, 240);
        EXPECT_EQ(front_end.take_box_texts(), c.boxes);
        EXPECT_EQ(chart().Tmin_Index, c.Tmin_Index);
        EXPECT_FLOAT_EQ(state().Tdb, c.Tdb);
        EXPECT_EQ(text("Edit_tdb"), c.tdb_text);
        EXPECT_EQ(driver.focused_name(), "Group_message");
    }
}

}  // namespace
