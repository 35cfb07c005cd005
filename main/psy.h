#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_painter.h"
#include "main/state_column.h"
#include "state/air_state.h"
#include "ui/enter_walk.h"
#include "ui/form.h"

namespace ui {
class Bevel;
class Button;
class Check_Box;
class Group_Box;
class Image;
class Label;
class Page_Control;
class Speed_Button;
class Status_Bar;
class Tab_Sheet;
class Track_Bar;
}  // namespace ui

namespace dialogs {
class TAboutBox;
class Tconfig;
}  // namespace dialogs
namespace tables {
class Tpsytable;
}  // namespace tables
namespace chart {
struct Chart_Inputs;
struct Crosshair_Move;
}  // namespace chart
struct Main_Window_Test_Access;

namespace hygrodex {

struct Message_Lines;

// Hygrodex's main window: the four sheets of the current state, the chart and its panels.
class TForm1 : public ui::Form {
public:
    explicit TForm1(ui::Application& application);

    // Rewrites the active sheet's current-state column from State, with the default hint lines,
    // and redraws the chart with the state marked.
    void Show_State();
    // Repaints the whole chart; mode is a Draw_Mode.
    void Draw_Chart(int mode);

    // Takes the pressure of the settings dialog's kPa edit and recomputes the state at it, with
    // Tdb and RH held.
    void Set_Patm();
    // The start-up hands over the dialogs it created after this window; the settings dialog's
    // OK then applies its pressure here.
    void Connect_Dialogs(dialogs::TAboutBox& about_box, dialogs::Tconfig& settings);
    // The start-up hands over the tables window after the dialogs; it takes its pressure from
    // the settings dialog, or this window's where the dialog's text is none it would take.
    void Connect_Tables(tables::Tpsytable& tables);

    // What tests and benchmarks read of the window; nothing changes the window through it.
    struct View {
        const state::Air_State& State;
        const chart::Chart_Fields& Chart;
    };
    View view() const { return {State, Chart}; }

private:
    // The tests' one way past the user actions: it writes State and Chart directly, for the faults
    // and exact states no entry reaches (a pressure of 0, a chart mode without its sheet). Only the
    // tests define it.
    friend struct ::Main_Window_Test_Access;

    // The window as data (psy_layout.cpp).
    struct Layout_Tables;

    // Recomputes the AfterPad column from the current state and the efficiency text.
    void Calc_Pad();
    // Matches the VPD to the current Pw.
    void Calc_VPD();

    // The view commands of the chart.
    void ZoomOutClick(ui::Control& sender);
    void ZoomInClick(ui::Control& sender);
    void Btn_defaultClick(ui::Control& sender);
    void DrawPsyExecute();
    void Check_unitClick(ui::Control& sender);
    void MoveBarChange(ui::Control& sender);

    // The chart's pointer: the readout of the point under it, and the click that makes it the state.
    void Chart_ImageMouseMove(ui::Control& sender, ui::Shift_State shift, int X, int Y);
    void Chart_ImageMouseDown(ui::Control& sender, ui::Mouse_Button button, ui::Shift_State shift, int X, int Y);

    // The Process sheet: the speed buttons move the current state to the other column; "Cal."
    // writes State 2 - State 1 and draws both states.
    void SBtn_two1Click(ui::Control& sender);
    void SBtn_two2Click(ui::Control& sender);
    void Btn_2calClick(ui::Control& sender);

    // The Pad sheet: the after-pad state from an after-pad Tdb or from the pad's efficiency.
    void Edit_ptdb2Exit(ui::Control& sender);
    void Edit_peffExit(ui::Control& sender);
    void Btn_efficiencyClick(ui::Control& sender);

    // The VPD sheet: the leaf as saturated air at its temperature, and the deficit to the air.
    void Edit_vtdb2Exit(ui::Control& sender);
    void Btn_vpdClick(ui::Control& sender);

    // A sheet brought to the front makes its current column the state.
    void PageControl1Change(ui::Control& sender);
    // Ends the program.
    void ExitExecute();
    // Shows the About box.
    void M_aboutClick(ui::Menu_Item& sender);
    // Fills the settings dialog from the current Patm and shows it.
    void N3Click(ui::Menu_Item& sender);

    // The sheet's message group shows the three lines.
    void Write_Message_Lines(const Message_Lines& lines);
    // The column becomes the current state as it is shown, and the chart follows it.
    void Take_Column(const State_Column& column);
    // A column without a state is given the current one instead.
    void Take_Column_Or_Fill_It(const State_Column& column);

    void Create_Layout();
    void Bind_Handlers();
    chart::Chart_Inputs chart_inputs() const;
    // The sheets' one key filter.
    void Filter_Key(char& key);
    void Open_Table(void (tables::Tpsytable::*select)());
    // Moves the state by MoveBar's step along one of its lines.
    void Step_Crosshair(const chart::Crosshair_Move& move);
    // The one-line handlers, each a row of its topic's table.
    void Bind_Entries();
    void Bind_Hints();
    void Bind_Crosshair();
    void Bind_Table_Menu();
    // Takes the row's text of the column into the state: range tests, change test, recompute,
    // then Show_State.
    void Enter_Property(Row row, const State_Column& column);

    // The window's own controls, as its layout creates them.
    ui::Bevel* Psy_Bevel = nullptr;
    ui::Image* Chart_Image = nullptr;
    ui::Page_Control* PageControl1 = nullptr;
    ui::Tab_Sheet* Sheet_state = nullptr;
    ui::Tab_Sheet* Sheet_two = nullptr;
    ui::Tab_Sheet* Sheet_pad = nullptr;
    ui::Tab_Sheet* Sheet_vpd = nullptr;
    ui::Status_Bar* StatusBar1 = nullptr;
    ui::Group_Box* Group_misc = nullptr;
    ui::Group_Box* Group_corsshair = nullptr;
    ui::Group_Box* Group_curves = nullptr;
    ui::Group_Box* Group_message = nullptr;

    // State sheet: Edit_tdb .. Edit_pw.
    State_Column Col_state;

    // Process sheet: Edit_2tdb1 .., Edit_2tdb2 .., Edit_2tdbd ...
    ui::Speed_Button* SBtn_two1 = nullptr;
    ui::Speed_Button* SBtn_two2 = nullptr;
    State_Column Col_two1;
    State_Column Col_two2;
    ui::Button* Btn_2cal = nullptr;
    State_Column Col_two_diff;

    // Pad sheet: Edit_ptdb1 .. (outdoor), Edit_ptdb2 .. (after the pad).
    State_Column Col_pad_outdoor;
    State_Column Col_pad_after;
    ui::Edit* Edit_peff = nullptr;
    ui::Button* Btn_efficiency = nullptr;

    // VPD sheet: Edit_vtdb1 .. (air), Edit_vtdb2 .. (leaf).
    State_Column Col_vpd_air;
    State_Column Col_vpd_leaf;
    ui::Button* Btn_vpd = nullptr;
    ui::Edit* Edit_vvpd = nullptr;
    ui::Edit* Edit_vtdbd = nullptr;

    ui::Label* Message1 = nullptr;
    ui::Label* Message2 = nullptr;
    ui::Label* Message3 = nullptr;

    ui::Button* Btn_h_up = nullptr;
    ui::Button* Btn_up = nullptr;
    ui::Button* Btn_h_down = nullptr;
    ui::Button* ZoomOut = nullptr;
    ui::Button* ZoomIn = nullptr;
    ui::Track_Bar* MoveBar = nullptr;
    ui::Button* Btn_left = nullptr;
    ui::Button* Btn_down = nullptr;
    ui::Button* Btn_default = nullptr;
    ui::Button* Btn_right = nullptr;
    ui::Button* Btn_rh_down = nullptr;
    ui::Button* Btn_rh_up = nullptr;
    ui::Label* Move_Label = nullptr;

    ui::Check_Box* Check_T = nullptr;
    ui::Check_Box* Check_RH = nullptr;
    ui::Check_Box* Check_AH = nullptr;
    ui::Check_Box* Check_H = nullptr;
    ui::Check_Box* Check_SV = nullptr;
    ui::Check_Box* Check_Pw = nullptr;
    ui::Check_Box* Check_auto = nullptr;
    ui::Check_Box* Check_unit = nullptr;

    ui::Main_Menu* MainMenu1 = nullptr;
    ui::Menu_Item* N2 = nullptr;
    ui::Menu_Item* N3 = nullptr;
    ui::Menu_Item* Tables1 = nullptr;
    ui::Menu_Item* Twbf = nullptr;
    ui::Menu_Item* WBDf = nullptr;
    ui::Menu_Item* RHf = nullptr;
    ui::Menu_Item* VPDf1 = nullptr;
    ui::Menu_Item* VPDf2 = nullptr;
    ui::Menu_Item* Tdpf1 = nullptr;
    ui::Menu_Item* Tdpf2 = nullptr;
    ui::Menu_Item* THIf1 = nullptr;
    ui::Menu_Item* THIf2 = nullptr;
    ui::Menu_Item* AHDf1 = nullptr;
    ui::Menu_Item* AHDf2 = nullptr;
    ui::Menu_Item* N1 = nullptr;
    ui::Menu_Item* M_about = nullptr;
    ui::Menu_Item* N5 = nullptr;
    ui::Menu_Item* M_exit = nullptr;
    ui::Action_List* ActionList1 = nullptr;
    ui::Action* DrawPsy = nullptr;
    ui::Action* Exit = nullptr;

    // The current state.
    state::Air_State State;

    // The chart's axis, scales and line tables.
    chart::Chart_Fields Chart;

    // The dialogs and the tables window this window opens, once connected.
    dialogs::TAboutBox* AboutBox = nullptr;
    dialogs::Tconfig* config = nullptr;
    tables::Tpsytable* psytable = nullptr;

    // Draws Chart on Chart_Image.
    chart::Chart_Painter Painter;
    // Enter's walks through the sheets, as the layout names them.
    ui::Enter_Walk Walk;
};

}  // namespace hygrodex
