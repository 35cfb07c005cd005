#pragma once

#include <string_view>

#include "chart/chart_fields.h"
#include "earlier/chart/ah_lines.h"
#include "earlier/chart/painter.h"
#include "state/air_state.h"
#include "ui/enter_walk.h"
#include "ui/form.h"

namespace ui {
class Bevel;
class Button;
class Check_Box;
class Edit;
class Group_Box;
class Image;
class Label;
class Status_Bar;
class Track_Bar;
}  // namespace ui

namespace chart {
struct Chart_Point;
}  // namespace chart

namespace moistrel {

class TAboutBox;
class Tconfig;
enum class Entry;
enum class Move_Button;

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

    // What tests and benchmarks read of the window; nothing changes the window through it.
    struct View {
        const state::Air_State& State;
        const chart::Chart_Fields& Chart;
        const AH_Lines& AH_Tables;
    };
    View view() const { return {State, Chart, AH_Tables}; }

private:
    // The window as data (psy_layout.cpp).
    struct Layout_Tables;

    void Create_Layout();
    // Binds every handler of the window to the events that run it.
    void Bind_Handlers();

    // Takes the edit's text as the entry's property: limits, message, chain, then Show_State.
    void Enter_Property(Entry entry, const ui::Edit& edit);
    // The range of an entered field on the first two message lines.
    void Show_Range_Hint(Entry entry);
    // A hover hint in the status bar's panel 1.
    void Show_Hover_Hint(std::string_view text);
    // Repaints the chart around the state with the ticked families.
    void Draw_Chart();
    // The state under the pointer in panel 2, the prompt in panel 1; nothing else changes.
    void Show_Pointer_State(int X, int Y);
    // The point under the pointer becomes the state; the focus stays where it is.
    void Take_Pixel(int X, int Y);
    // Makes a point of the chart the state, names it in panel 0 and shows it.
    void Take_Point(const chart::Chart_Point& point);
    // Takes the point a move button reaches with the step bar's step.
    void Move_State(Move_Button button);

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
    state::Air_State State;

    // The chart's axis, scales and line tables, and its humidity-ratio lines.
    chart::Chart_Fields Chart;
    AH_Lines AH_Tables;

    // The dialogs this window opens, once connected.
    TAboutBox* AboutBox = nullptr;
    Tconfig* config = nullptr;

    // Enter's walk through the panel, as the layout names it.
    ui::Enter_Walk Walk;
    // Draws Chart on Chart_Image.
    Chart_Painter Painter;
};

}  // namespace moistrel
