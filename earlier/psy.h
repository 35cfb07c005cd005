#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_point.h"
#include "earlier/chart/ah_lines.h"
#include "earlier/chart/moves.h"
#include "earlier/chart/painter.h"
#include "state/air_state.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/edit.h"
#include "ui/enter_walk.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/static_controls.h"

namespace moistrel {

class TAboutBox;
class Tconfig;
struct Entry_Rule;

// Moistrel's main window: the state panel of the eleven properties beside the chart.
class TForm1 : public ui::Form {
public:
    explicit TForm1(ui::Application& application);

    // Rewrites the panel's eleven edits from State, each as the first characters of its
    // general-format text, and redraws the chart. The message lines stay as they are.
    void Show_State();
    // Takes the pressure of the settings dialog's kPa edit and recomputes the state at it, with
    // Tdb and RH held; nothing is changed when the computation fails.
    void Set_Patm();
    // The start-up hands over the dialogs it created after this window.
    void Connect_Dialogs(TAboutBox& about_box, Tconfig& settings);

    // The panel's entries, taken from the field's text every time it is left.
    void Edit_tdbExit(ui::Control& sender);
    void Edit_rhExit(ui::Control& sender);
    void Edit_twbExit(ui::Control& sender);
    void Edit_tdpExit(ui::Control& sender);
    void Edit_ahExit(ui::Control& sender);
    void Edit_dosExit(ui::Control& sender);
    void Edit_pwExit(ui::Control& sender);
    // The characters of a number pass; Enter moves on through the panel.
    void EditKeyPress(ui::Control& sender, char& key);

    // The range of an entered field on the first two message lines.
    void Edit_tdbEnter(ui::Control& sender);
    void Edit_rhEnter(ui::Control& sender);
    void Edit_twbEnter(ui::Control& sender);
    void Edit_tdpEnter(ui::Control& sender);
    void Edit_ahEnter(ui::Control& sender);
    void Edit_dosEnter(ui::Control& sender);
    void Edit_pwEnter(ui::Control& sender);

    // Hover hints in the status bar's panel 1; the window's background empties panels 1 and 2.
    void GroupBox1MouseMove(ui::Control& sender, ui::Shift_State shift, int x, int y);
    void GroupBox2MouseMove(ui::Control& sender, ui::Shift_State shift, int x, int y);
    void GroupBox3MouseMove(ui::Control& sender, ui::Shift_State shift, int x, int y);
    void GroupBox4MouseMove(ui::Control& sender, ui::Shift_State shift, int x, int y);
    void Button1MouseMove(ui::Control& sender, ui::Shift_State shift, int x, int y);
    void FormMouseMove(ui::Control& sender, ui::Shift_State shift, int x, int y);

    // Shows the settings dialog as it was left, without filling it from the current Patm.
    void N3Click(ui::Menu_Item& sender);
    void M_aboutClick(ui::Menu_Item& sender);
    // Ends the program.
    void ExitExecute();

    // The view of the chart: zoom, the default view, and a redraw when a line switch changes.
    void ZoomOutClick(ui::Control& sender);
    void ZoomInClick(ui::Control& sender);
    void BitBtn5Click(ui::Control& sender);
    void DrawPsyExecute();
    void MoveBarChange(ui::Control& sender);

    // The state under the pointer in panel 2, the prompt in panel 1; nothing else changes.
    void Chart_ImageMouseMove(ui::Control& sender, ui::Shift_State shift, int X, int Y);
    // Every mouse button makes the point the state; the focus stays where it is.
    void Chart_ImageMouseDown(ui::Control& sender, ui::Mouse_Button button, ui::Shift_State shift, int X, int Y);
    // Move the state by the step bar's pixels: up and down at its Tdb, left and right at its AH.
    void Btn_upClick(ui::Control& sender);
    void Btn_downClick(ui::Control& sender);
    void Btn_leftClick(ui::Control& sender);
    void Btn_rightClick(ui::Control& sender);

    ui::Bevel* Psy_Bevel = nullptr;
    ui::Image* Chart_Image = nullptr;

    ui::Group_Box* GroupBox1 = nullptr;
    ui::Check_Box* Check_T = nullptr;
    ui::Check_Box* Check_RH = nullptr;
    ui::Check_Box* Check_AH = nullptr;
    ui::Check_Box* Check_H = nullptr;
    ui::Check_Box* Check_SV = nullptr;
    ui::Check_Box* Check_Hfg = nullptr;

    ui::Group_Box* GroupBox2 = nullptr;
    ui::Label* Label8 = nullptr;
    ui::Edit* Edit_tdb = nullptr;
    ui::Edit* Edit_rh = nullptr;
    ui::Edit* Edit_twb = nullptr;
    ui::Edit* Edit_tdp = nullptr;
    ui::Edit* Edit_ah = nullptr;
    ui::Edit* Edit_h = nullptr;
    ui::Edit* Edit_sv = nullptr;
    ui::Edit* Edit_hfg = nullptr;
    ui::Edit* Edit_dos = nullptr;
    ui::Edit* Edit_pws = nullptr;
    ui::Edit* Edit_pw = nullptr;

    ui::Group_Box* GroupBox3 = nullptr;
    ui::Label* Move_Label = nullptr;
    ui::Button* Btn_up = nullptr;
    ui::Button* Btn_left = nullptr;
    ui::Button* BitBtn5 = nullptr;
    ui::Button* Btn_right = nullptr;
    ui::Button* Btn_down = nullptr;
    ui::Button* ZoomOut = nullptr;
    ui::Button* ZoomIn = nullptr;
    ui::Track_Bar* MoveBar = nullptr;

    ui::Button* Button1 = nullptr;

    ui::Group_Box* GroupBox4 = nullptr;
    ui::Label* Message1 = nullptr;
    ui::Label* Message2 = nullptr;
    ui::Label* Message3 = nullptr;

    ui::Status_Bar* StatusBar1 = nullptr;

    ui::Main_Menu* MainMenu1 = nullptr;
    ui::Menu_Item* N2 = nullptr;
    ui::Menu_Item* N3 = nullptr;
    ui::Menu_Item* N1 = nullptr;
    ui::Menu_Item* M_about = nullptr;
    ui::Menu_Item* N5 = nullptr;
    ui::Menu_Item* M_exit = nullptr;
    ui::Action_List* ActionList1 = nullptr;
    ui::Action* DrawPsy = nullptr;
    ui::Action* Exit = nullptr;

    // The current state.
    Air_State State;

    // The chart's axis, scales and line tables, and its humidity-ratio lines.
    Chart_Fields Chart;
    AH_Lines AH_Tables;

    // The dialogs this window opens, once connected.
    TAboutBox* AboutBox = nullptr;
    Tconfig* config = nullptr;

private:
    void Create_Layout();
    void Bind_Handlers();
    // Takes the edit's text as the rule's property: limits, message, chain, then Show_State.
    void Enter_Property(const Entry_Rule& rule, const ui::Edit& edit);
    // Repaints the chart around the state with the ticked families.
    void Draw_Chart();
    // Makes a point of the chart the state, names it in panel 0 and shows it.
    void Take_Point(const Chart_Point& point);
    // Takes the point a move button reaches with the step bar's step.
    void Move_State(Move_Button button);

    // Enter's walk through the panel, as the layout names it.
    ui::Enter_Walk Walk;
    // Draws Chart on Chart_Image.
    Chart_Painter Painter;
};

}  // namespace moistrel
