#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "tables/table_cells.h"
#include "tables/table_kind.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/static_controls.h"
#include "ui/string_grid.h"

namespace tables {

// The grid's size at design and after "Clear", headers included.
inline constexpr int Table_Grid_Cols = 14;
inline constexpr int Table_Grid_Rows = 15;

// The six input controls of a table sheet, in creation order, which is also the order of Tab
// and of the Enter walk.
enum class Table_Input { Tdb_Low, Tdb_High, Row_Low, Row_High, Col_Step, Row_Step };

inline constexpr std::size_t Table_Input_Count = 6;

// One table sheet's controls that code reads or writes.
struct Table_Sheet {
    ui::Tab_Sheet* sheet = nullptr;
    ui::Group_Box* group = nullptr;
    ui::Label* col_step_label = nullptr;
    ui::Label* row_step_label = nullptr;
    ui::Edit* tdb_low = nullptr;
    ui::Edit* tdb_high = nullptr;
    ui::Edit* row_low = nullptr;
    ui::Edit* row_high = nullptr;
    ui::Track_Bar* col_step = nullptr;
    ui::Track_Bar* row_step = nullptr;
};

// The tables window: eleven sheets of inputs, one per table, and the grid that "List" fills with
// the table of the active sheet. It never reads or writes the main window's state.
class Tpsytable : public ui::Form {
public:
    explicit Tpsytable(ui::Application& application);

    // Where the tables' pressure comes from: the settings dialog's kPa text, whether the dialog's
    // OK would take a pressure, and the pressure applied to the main window. Connected before
    // the first Get_Patm.
    struct Patm_Source {
        std::function<std::string()> text;
        std::function<bool(float)> acceptable;
        std::function<float()> applied;
    };
    void Connect_Patm(Patm_Source source) { Patm_Sources = std::move(source); }

    // Each makes its table's sheet the active page and changes nothing else.
    void Select_twb();
    void Select_wbd();
    void Select_rh();
    void Select_vpd1();
    void Select_vpd2();
    void Select_tdp1();
    void Select_tdp2();
    void Select_thi1();
    void Select_thi2();
    void Select_ahd1();
    void Select_ahd2();
    // Reads the pressure of the tables and shows it in label_patm: the settings dialog's kPa
    // text where the dialog would take it, else the pressure applied to the main window.
    void Get_Patm();

    // "List": the table of the active sheet into the grid. "Clear": an empty design grid.
    void Btn_countClick(ui::Control& sender);
    void Btn_clsClick(ui::Control& sender);

    ui::Label* label_patm = nullptr;
    ui::Group_Box* GroupBox1 = nullptr;
    ui::Label* Message1 = nullptr;
    ui::Label* Message2 = nullptr;
    ui::Label* Message3 = nullptr;
    ui::Button* Btn_count = nullptr;
    ui::Button* Btn_exit = nullptr;
    ui::Button* Btn_cls = nullptr;
    ui::Page_Control* psytable = nullptr;
    ui::Group_Box* gtable = nullptr;
    ui::String_Grid* StringGrid_table = nullptr;
    std::array<Table_Sheet, Table_Count> Sheets;

private:
    void Create_Layout();
    void Bind_Handlers();
    void Select(Table_Kind kind);
    // The settings dialog's pressure, where it is one the dialog would take.
    std::optional<float> Typed_Patm() const;
    // The listed table into the grid, every cell but the corner.
    void Show_Table(Table_Texts& texts);
    void Write_Messages(std::string_view line1, std::string_view line2, std::string_view line3);

    // The handlers of the input controls: step labels, key filters with the Enter walk, range
    // warnings, hint lines.
    void Show_Step(const Table_Sheet& sheet, Table_Input bar);
    void Filter_Key(const Table_Sheet& sheet, char& key);
    void Warn_Range(ui::Control& sender, Row_Axis rows, Table_Input input);
    void Show_Hint(Row_Axis rows, Table_Input input);

    float Table_Patm = 0;
    Patm_Source Patm_Sources;
};

}  // namespace tables
