#pragma once

#include <functional>
#include <string_view>

#include "dialogs/pressure_conversions.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/static_controls.h"

namespace dialogs {

// The settings dialog: the atmospheric pressure typed in kPa or psi, or as an elevation in m or
// ft. Leaving an edit converts its value into the other three; OK hands the kPa value on.
class Tconfig : public ui::Form {
public:
    explicit Tconfig(ui::Application& application);

    // Writes the four edits from a pressure, as the main window does before every showing. The
    // stored fields keep the values of the last OK.
    void Fill_From_Patm(float P);

    void edit_patmExit(ui::Control& sender);
    void edit_psiExit(ui::Control& sender);
    void edit_mExit(ui::Control& sender);
    void edit_ftExit(ui::Control& sender);
    // The characters of a number pass; Enter sends the focus towards OK through the edit's exit.
    void edit_KeyPress(ui::Control& sender, char& key);
    void OKBtnClick(ui::Control& sender);

    // Applies the pressure that edit_patm shows; OK calls it once that pressure has passed.
    std::function<void()> Patm_Accepted;

    ui::Button* OKBtn = nullptr;
    ui::Button* CancelBtn = nullptr;
    ui::Group_Box* GroupBox1 = nullptr;
    ui::Group_Box* GroupBox2 = nullptr;
    ui::Edit* edit_patm = nullptr;
    ui::Label* Label2 = nullptr;
    ui::Edit* edit_psi = nullptr;
    ui::Label* Label3 = nullptr;
    ui::Edit* edit_m = nullptr;
    ui::Label* Label4 = nullptr;
    ui::Edit* edit_ft = nullptr;
    ui::Label* Label5 = nullptr;

private:
    // One of the four edits: where its value is stored, its mask, how the other three follow
    // from it, and the lowest and highest values it accepts.
    struct Unit {
        ui::Edit* Tconfig::*edit;
        float Tconfig::*stored;
        float Pressure_Set::*value;
        std::string_view mask;
        Pressure_Set (*convert)(float);
        float lowest;
        float highest;
    };
    static const Unit Units[4];

    void Create_Layout();
    void Bind_Handlers();
    void FormCreate();
    void Leave(const Unit& unit);
    void Convert(const Unit& unit, ui::Edit& edit);
    void Write_Others(const Unit& unit, const Pressure_Set& set);

    float Patm_kPa = 0;
    float Patm_psi = 0;
    float Elev_m = 0;
    float Elev_ft = 0;
    // An elevation edit that still shows the value its exit refused; OK waits until it is changed.
    ui::Edit* Refused_Elevation = nullptr;
};

}  // namespace dialogs
