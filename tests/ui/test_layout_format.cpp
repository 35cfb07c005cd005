#include <string>
#include <vector>

#include "tests/ui/fixture.h"
#include "ui/layout.h"

namespace {

// A form of its own kind, described in the layout format.
class Sample_Form : public ui::Form {
public:
    explicit Sample_Form(ui::Application& application) : ui::Form(application, "Sample") {}

    ui::Group_Box* Group = nullptr;
    ui::Edit* First = nullptr;
    ui::Edit* Second = nullptr;
    ui::Button* Ok = nullptr;
    ui::String_Grid* Grid = nullptr;
    std::vector<ui::Label*> Row_Labels;
};

using Control_Layout = ui::layout::Control_Layout<Sample_Form>;

// Stands for as many labels as it has rows; the form keeps them in Row_Labels.
struct Numbered_Labels {
    int rows;
};

void create_generated(Sample_Form& form, ui::Win_Control& parent, const Numbered_Labels& labels) {
    for (int row = 0; row < labels.rows; ++row) {
        const std::string name = "Label" + std::to_string(row + 1);
        const Control_Layout desc = {.name = name, .bounds = {4, 20 * row, 40, 13}, .caption = name};
        form.Row_Labels.push_back(
            &ui::layout::create_control(form, parent, desc, ui::layout::Field<Sample_Form, ui::Label>{nullptr}));
    }
}

using Layout = ui::layout::Layout<Sample_Form, Numbered_Labels>;

constexpr Layout::Entry Window_Entries[] = {
    Control_Layout{.field = &Sample_Form::Ok,
                   .name = "Ok",
                   .bounds = {300, 8, 75, 25},
                   .caption = "OK",
                   .tab_order = 1,
                   .button = {.modal_result = ui::Mr_Ok, .is_default = true}},
    Control_Layout{.field = &Sample_Form::Group,
                   .name = "Group",
                   .bounds = {8, 8, 280, 200},
                   .caption = "Values",
                   .tab_order = 0,
                   .font = {.name = "Arial", .height = 13, .bold = true},
                   .anchors = ui::All_Sides},
};

constexpr Layout::Entry Group_Entries[] = {
    Numbered_Labels{2},
    Control_Layout{.field = &Sample_Form::Second, .name = "Second", .bounds = {50, 20, 60, 17}, .tab_order = 1},
    Control_Layout{
        .field = &Sample_Form::First, .name = "First", .bounds = {50, 0, 60, 17}, .caption = "12", .tab_order = 0},
    Control_Layout{.field = &Sample_Form::Grid,
                   .name = "Grid",
                   .bounds = {8, 50, 260, 140},
                   .anchors = ui::All_Sides,
                   .grid = {.cols = 5, .rows = 6, .col_width = 40, .row_height = 15, .fixed_color = ui::Color_Silver}},
};

constexpr Layout::Container Containers[] = {
    {std::monostate{}, Window_Entries},
    {&Sample_Form::Group, Group_Entries},
};

TEST(Layout_Format, AnyFormIsBuiltFromItsContainersWithGeneratedEntriesAndTabOrders) {
    test_support::Headless_Front_End front_end;
    ui::Application application{"Testprog"};
    application.set_front_end(front_end);
    auto& form = application.create_form<Sample_Form>();
    ui::layout::apply_window(form, {.caption = "Sample", .client_width = 400, .client_height = 220, .sizeable = true});
    Layout::create(form, Containers);

    EXPECT_EQ(form.caption(), "Sample");
    EXPECT_TRUE(form.sizeable());
    ASSERT_EQ(form.Row_Labels.size(), 2u);
    EXPECT_EQ(form.Row_Labels[1]->name(), "Label2");
    EXPECT_EQ(form.Row_Labels[1]->parent(), form.Group);
    EXPECT_EQ(form.First->text(), "12");
    EXPECT_EQ(form.Ok->modal_result(), ui::Mr_Ok);
    EXPECT_TRUE(form.Ok->is_default());
    EXPECT_EQ(form.Group->font().name, "Arial");
    EXPECT_EQ(form.Group->font().height, 13);
    EXPECT_TRUE(form.Group->font().bold);
    EXPECT_EQ(form.Grid->col_count(), 5);
    EXPECT_EQ(form.Grid->fixed_color(), ui::Color_Silver);

    std::vector<std::string> tab_order;
    for (const ui::Win_Control* control : form.tab_list()) tab_order.push_back(control->name());
    EXPECT_EQ(tab_order, (std::vector<std::string>{"Group", "Ok"}));
    tab_order.clear();
    for (const ui::Win_Control* control : form.Group->tab_list()) tab_order.push_back(control->name());
    EXPECT_EQ(tab_order, (std::vector<std::string>{"First", "Second", "Grid"}));

    form.set_bounds({0, 0, 450, 250});
    EXPECT_EQ(form.Grid->bounds(), (ui::Rect{8, 50, 310, 170}));
}

}  // namespace
