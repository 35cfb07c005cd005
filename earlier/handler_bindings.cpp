#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "commands/key_filter.h"
#include "commands/menu_commands.h"
#include "commands/step_label.h"
#include "commands/zoom_buttons.h"
#include "earlier/about.h"
#include "earlier/chart/moves.h"
#include "earlier/entry_rules.h"
#include "earlier/hint_lines.h"
#include "earlier/psy.h"
#include "earlier/status.h"
#include "earlier/status_panels.h"
#include "ui/buttons.h"
#include "ui/connected.h"
#include "ui/containers.h"
#include "ui/edit.h"
#include "ui/static_controls.h"

namespace moistrel {

namespace {

// The events a handler is bound to.
using Event = std::variant<ui::Notify_Event*, ui::Key_Press_Event*, ui::Mouse_Move_Event*, ui::Mouse_Event*,
                           std::function<void(ui::Action&)>*, std::function<void(ui::Menu_Item&)>*>;

// What a handler runs: most take nothing of their event; the key filter takes the key, the chart's
// pointer handlers take the pointer's pixel.
using Runs = std::variant<std::function<void()>, std::function<void(char& key)>, std::function<void(int X, int Y)>>;

// One handler: its name, the events that run it, and what it runs.
struct Handler {
    std::string_view name;
    std::vector<Event> events;
    Runs runs;
};

template <class... Ways>
struct Overloaded : Ways... {
    using Ways::operator()...;
};

void bind(const Handler& handler, const Event& event) {
    std::visit(
        Overloaded{
            [](auto* slot, const std::function<void()>& runs) { *slot = [runs](auto&&...) { runs(); }; },
            [](ui::Key_Press_Event* slot, const std::function<void(char&)>& runs) {
                *slot = [runs](ui::Control&, char& key) { runs(key); };
            },
            [](ui::Mouse_Move_Event* slot, const std::function<void(int, int)>& runs) {
                *slot = [runs](ui::Control&, ui::Shift_State, int X, int Y) { runs(X, Y); };
            },
            [](ui::Mouse_Event* slot, const std::function<void(int, int)>& runs) {
                *slot = [runs](ui::Control&, ui::Mouse_Button, ui::Shift_State, int X, int Y) { runs(X, Y); };
            },
            [&](auto, const auto&) { throw std::logic_error(std::string(handler.name) + " cannot run on that event"); },
        },
        event, handler.runs);
}

constexpr std::string_view Value_Request = "請輸入數值~~";

}  // namespace

// One row a handler; H, SV, Hfg and Pws take no input and have no handler but the key filter, and
// the hidden Hfg switch has none.
void TForm1::Bind_Handlers() {
    // A shared routine of the window with its arguments.
    const auto calls = [this](auto routine, auto... arguments) {
        return std::function<void()>([this, routine, arguments...] { (this->*routine)(arguments...); });
    };
    const auto zoom = [this](void (*step)(int&, const commands::Zoom_Buttons&)) {
        return std::function<void()>([this, step] {
            step(Chart.Half_Span, {*ZoomIn, *ZoomOut});
            Draw_Chart();
        });
    };
    const auto hover = [&](std::string_view text) { return calls(&TForm1::Show_Hover_Hint, text); };
    std::vector<Event> panel_keys;
    for (ui::Edit* edit :
         {Edit_tdb, Edit_rh, Edit_twb, Edit_tdp, Edit_ah, Edit_h, Edit_sv, Edit_hfg, Edit_dos, Edit_pws, Edit_pw})
        panel_keys.push_back(&edit->OnKeyPress);

    const Handler handlers[] = {
        // The panel's entries, taken from the field's text every time it is left.
        {"Edit_tdbExit", {&Edit_tdb->OnExit}, [this] { Enter_Property(Entry::Tdb, *Edit_tdb); }},
        {"Edit_rhExit", {&Edit_rh->OnExit}, [this] { Enter_Property(Entry::RH, *Edit_rh); }},
        {"Edit_twbExit", {&Edit_twb->OnExit}, [this] { Enter_Property(Entry::Twb, *Edit_twb); }},
        {"Edit_tdpExit", {&Edit_tdp->OnExit}, [this] { Enter_Property(Entry::Tdp, *Edit_tdp); }},
        {"Edit_ahExit", {&Edit_ah->OnExit}, [this] { Enter_Property(Entry::AH, *Edit_ah); }},
        {"Edit_dosExit", {&Edit_dos->OnExit}, [this] { Enter_Property(Entry::DOS, *Edit_dos); }},
        {"Edit_pwExit", {&Edit_pw->OnExit}, [this] { Enter_Property(Entry::Pw, *Edit_pw); }},
        // The characters of a number pass; Enter moves on through the panel.
        {"EditKeyPress", panel_keys,
         [this](char& key) { commands::Filter_Entry_Key(key, *Message3, Value_Request, Walk, *this); }},

        {"Edit_tdbEnter", {&Edit_tdb->OnEnter}, calls(&TForm1::Show_Range_Hint, Entry::Tdb)},
        {"Edit_rhEnter", {&Edit_rh->OnEnter}, calls(&TForm1::Show_Range_Hint, Entry::RH)},
        {"Edit_twbEnter", {&Edit_twb->OnEnter}, calls(&TForm1::Show_Range_Hint, Entry::Twb)},
        {"Edit_tdpEnter", {&Edit_tdp->OnEnter}, calls(&TForm1::Show_Range_Hint, Entry::Tdp)},
        {"Edit_ahEnter", {&Edit_ah->OnEnter}, calls(&TForm1::Show_Range_Hint, Entry::AH)},
        {"Edit_dosEnter", {&Edit_dos->OnEnter}, calls(&TForm1::Show_Range_Hint, Entry::DOS)},
        {"Edit_pwEnter", {&Edit_pw->OnEnter}, calls(&TForm1::Show_Range_Hint, Entry::Pw)},

        {"GroupBox1MouseMove", {&GroupBox1->OnMouseMove}, hover(hover_text::Line_Switches)},
        {"GroupBox2MouseMove", {&GroupBox2->OnMouseMove}, hover(hover_text::State_Panel)},
        {"GroupBox3MouseMove", {&GroupBox3->OnMouseMove}, hover(hover_text::Chart_Adjustment)},
        {"GroupBox4MouseMove", {&GroupBox4->OnMouseMove}, hover(hover_text::Messages)},
        {"Button1MouseMove", {&Button1->OnMouseMove}, hover(hover_text::Exit_Button)},
        // The prompt and the readout of the chart go when the pointer leaves it for the background.
        {"FormMouseMove",
         {&this->OnMouseMove},
         [this] {
             StatusBar1->set_panel_text(Hover_Panel, "");
             StatusBar1->set_panel_text(Readout_Panel, "");
         }},

        // Shows the settings dialog as it was left, without filling it from the current Patm.
        {"N3Click", {&N3->OnClick}, [this] { ui::connected(config).show_modal(); }},
        {"M_aboutClick", {&M_about->OnClick}, [this] { commands::Show_About(AboutBox); }},
        // The exit button runs the action.
        {"ExitExecute", {&Exit->OnExecute, &Button1->OnClick}, [this] { commands::Exit_Program(*this); }},

        // The view of the chart: zoom, the default view, and a redraw when a line switch changes.
        {"ZoomOutClick", {&ZoomOut->OnClick}, zoom(commands::Zoom_Out)},
        {"ZoomInClick", {&ZoomIn->OnClick}, zoom(commands::Zoom_In)},
        // The chart is always centred on Tdb, so the default view has no centre to reset.
        {"BitBtn5Click", {&BitBtn5->OnClick}, zoom(commands::Default_Zoom)},
        {"DrawPsyExecute",
         {&DrawPsy->OnExecute, &Check_T->OnClick, &Check_RH->OnClick, &Check_AH->OnClick, &Check_H->OnClick,
          &Check_SV->OnClick},
         calls(&TForm1::Draw_Chart)},
        {"MoveBarChange", {&MoveBar->OnChange}, [this] { commands::Show_Step(*MoveBar, *Move_Label); }},

        {"Chart_ImageMouseMove", {&Chart_Image->OnMouseMove}, [this](int X, int Y) { Show_Pointer_State(X, Y); }},
        {"Chart_ImageMouseDown", {&Chart_Image->OnMouseDown}, [this](int X, int Y) { Take_Pixel(X, Y); }},
        // Move the state by the step bar's pixels: up and down at its Tdb, left and right at its AH.
        {"Btn_upClick", {&Btn_up->OnClick}, calls(&TForm1::Move_State, Move_Button::Up)},
        {"Btn_downClick", {&Btn_down->OnClick}, calls(&TForm1::Move_State, Move_Button::Down)},
        {"Btn_leftClick", {&Btn_left->OnClick}, calls(&TForm1::Move_State, Move_Button::Left)},
        {"Btn_rightClick", {&Btn_right->OnClick}, calls(&TForm1::Move_State, Move_Button::Right)},
    };
    for (const Handler& handler : handlers)
        for (const Event& event : handler.events) bind(handler, event);
}

}  // namespace moistrel
