#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/static_controls.h"
#include "ui/string_grid.h"

// The one layout format of every window: each container lists its controls in creation order,
// each control as a row of data. A control's kind follows from the type of the form's field that
// receives it; a null field creates a control the form keeps no field for.
namespace ui::layout {

template <class Form, class T>
using Field = T* Form::*;

template <class Form>
using Control_Field =
    std::variant<Field<Form, Bevel>, Field<Form, Image>, Field<Form, Page_Control>, Field<Form, Tab_Sheet>,
                 Field<Form, Status_Bar>, Field<Form, Group_Box>, Field<Form, Panel>, Field<Form, Label>,
                 Field<Form, Speed_Button>, Field<Form, Button>, Field<Form, Edit>, Field<Form, Check_Box>,
                 Field<Form, Track_Bar>, Field<Form, String_Grid>>;

inline constexpr int Creation_Tab_Order = -1;
// No colour of the layout's own: the control keeps its kind's colour.
inline constexpr Color Kind_Color = 0xFFFFFFFFu;

// A font of the layout's own; an empty name keeps the control's font. A size in points wins
// over a height in pixels.
struct Font_Layout {
    std::string_view name = {};
    int size = 0;
    int height = 0;
    bool bold = false;
    Color color = Kind_Color;
};

struct Speed_Group {
    int index = 0;
    bool down = false;
    bool allow_all_up = false;
};

struct Track_Range {
    int min = 0;
    int max = 0;
    int position = 0;
    int frequency = 0;
    int thumb_length = 0;
};

struct Grid_Size {
    int cols = 0;
    int rows = 0;
    int col_width = 0;
    int row_height = 0;
    Color fixed_color = Kind_Color;
};

struct Button_Role {
    int modal_result = Mr_None;
    bool is_default = false;
    bool is_cancel = false;
};

// One control; the settings that do not apply to its kind are left at their defaults.
template <class Form>
struct Control_Layout {
    Control_Field<Form> field = {};
    std::string_view name;
    Rect bounds;
    std::string_view caption = {};
    int tab_order = Creation_Tab_Order;
    Alignment alignment = Alignment::Left;
    // A label with a colour of its own is opaque.
    Color color = Kind_Color;
    Font_Layout font = {};
    Anchors anchors = {};
    std::string_view hint = {};
    std::string_view glyph = {};
    Button_Role button = {};
    bool checked = false;
    Speed_Group speed = {};
    Track_Range track = {};
    bool read_only = false;
    Cursor cursor = Cursor::Default;
    bool stretch = false;
    std::span<const int> panel_widths = {};
    bool visible = true;
    Tab_Position tab_position = Tab_Position::Top;
    Grid_Size grid = {};
};

// A line of a window's message group: a centred label across the group, opaque in the window's
// colour for it.
template <class Form>
constexpr Control_Layout<Form> message_line(Field<Form, Label> field, std::string_view name, int top, Color color,
                                            Color text_color = Kind_Color) {
    return {.field = field,
            .name = name,
            .bounds = {8, top, 185, 17},
            .alignment = Alignment::Center,
            .color = color,
            .font = {.color = text_color}};
}

struct Window_Layout {
    std::string_view caption;
    int client_width;
    int client_height;
    Font_Layout font = {};
    Color color = Color_Button_Face;
    bool sizeable = false;
    bool minimize_box = true;
};

inline bool has_font(const Font_Layout& desc) { return !desc.name.empty() || desc.color != Kind_Color; }

inline Font font_of(const Font_Layout& desc, Font font) {
    if (!desc.name.empty()) {
        font.name = std::string(desc.name);
        font.size = desc.size;
        font.height = desc.size > 0 ? 0 : desc.height;
        font.bold = desc.bold;
    }
    if (desc.color != Kind_Color) font.color = desc.color;
    return font;
}

inline void apply_window(ui::Form& form, const Window_Layout& desc) {
    form.set_caption(std::string(desc.caption));
    form.set_bounds({0, 0, desc.client_width, desc.client_height});
    if (has_font(desc.font)) form.set_font(font_of(desc.font, form.font()));
    form.set_color(desc.color);
    form.set_sizeable(desc.sizeable);
    form.set_minimize_box(desc.minimize_box);
}

namespace detail {

template <class Desc>
void configure(Control&, const Desc&) {}

template <class Desc>
void configure(Label& label, const Desc& desc) {
    if (desc.color != Kind_Color) label.set_transparent(false);
}

template <class Desc>
void configure(Image& image, const Desc& desc) {
    image.set_stretch(desc.stretch);
}

template <class Desc>
void configure(Speed_Button& button, const Desc& desc) {
    // The group comes first: a button outside a group cannot stay down.
    button.set_group_index(desc.speed.index);
    button.set_allow_all_up(desc.speed.allow_all_up);
    button.set_down(desc.speed.down);
}

template <class Desc>
void configure(Button& button, const Desc& desc) {
    button.set_glyph(std::string(desc.glyph));
    button.set_modal_result(desc.button.modal_result);
    button.set_default(desc.button.is_default);
    button.set_cancel(desc.button.is_cancel);
}

template <class Desc>
void configure(Check_Box& box, const Desc& desc) {
    box.set_checked(desc.checked);
}

template <class Desc>
void configure(Track_Bar& bar, const Desc& desc) {
    bar.set_range(desc.track.min, desc.track.max);
    bar.set_position(desc.track.position);
    bar.set_frequency(desc.track.frequency);
    bar.set_thumb_length(desc.track.thumb_length);
}

template <class Desc>
void configure(Edit& edit, const Desc& desc) {
    edit.set_read_only(desc.read_only);
    if (desc.read_only && desc.color == Kind_Color) edit.set_color(Color_Info_Background);
}

template <class Desc>
void configure(Status_Bar& bar, const Desc& desc) {
    for (int width : desc.panel_widths) bar.add_panel(width);
}

template <class Desc>
void configure(Page_Control& pages, const Desc& desc) {
    pages.set_tab_position(desc.tab_position);
}

template <class Desc>
void configure(String_Grid& grid, const Desc& desc) {
    grid.set_default_col_width(desc.grid.col_width);
    grid.set_default_row_height(desc.grid.row_height);
    if (desc.grid.fixed_color != Kind_Color) grid.set_fixed_color(desc.grid.fixed_color);
    grid.set_col_count(desc.grid.cols);
    grid.set_row_count(desc.grid.rows);
}

}  // namespace detail

// Creates one control inside parent and hands it to the form's field; its tab order is left to
// the caller.
template <class Form, class T>
T& create_control(Form& form, Win_Control& parent, const Control_Layout<Form>& desc, Field<Form, T> field) {
    T& control = form.template create<T>(&parent, std::string(desc.name));
    if (field) form.*field = &control;
    control.set_bounds(desc.bounds);
    control.set_caption(std::string(desc.caption));
    control.set_alignment(desc.alignment);
    control.set_hint(std::string(desc.hint));
    control.set_cursor(desc.cursor);
    control.set_visible(desc.visible);
    control.set_anchors(desc.anchors);
    if (has_font(desc.font)) control.set_font(font_of(desc.font, control.font()));
    if (desc.color != Kind_Color) control.set_color(desc.color);
    detail::configure(control, desc);
    return control;
}

template <class Form>
Control& create_control(Form& form, Win_Control& parent, const Control_Layout<Form>& desc) {
    return std::visit([&](auto field) -> Control& { return create_control(form, parent, desc, field); }, desc.field);
}

// The form's actions and its menu bar: each menu with its items in order. An item linked to an
// action runs it; the others run their own click handlers.
template <class Form>
struct Action_Layout {
    Field<Form, Action> field;
    std::string_view name;
    std::string_view caption;
    std::string_view hint = {};
};

template <class Form>
struct Menu_Item_Layout {
    Field<Form, Menu_Item> field;
    std::string_view name;
    std::string_view caption;
    Field<Form, Action> action = nullptr;
};

template <class Form>
struct Menu_Layout {
    Menu_Item_Layout<Form> menu;
    std::span<const Menu_Item_Layout<Form>> items;
};

template <class Form>
struct Menu_Bar_Layout {
    Field<Form, Action_List> action_list;
    std::string_view action_list_name;
    std::span<const Action_Layout<Form>> actions;
    Field<Form, Main_Menu> main_menu;
    std::string_view main_menu_name;
    std::span<const Menu_Layout<Form>> menus;
};

template <class Form>
void create_menus(Form& form, const Menu_Bar_Layout<Form>& desc) {
    Action_List& list = form.create_action_list(std::string(desc.action_list_name));
    form.*desc.action_list = &list;
    for (const Action_Layout<Form>& action_desc : desc.actions) {
        Action& action = list.add(std::string(action_desc.name));
        action.set_caption(std::string(action_desc.caption));
        action.set_hint(std::string(action_desc.hint));
        form.*action_desc.field = &action;
    }
    Main_Menu& bar = form.create_main_menu(std::string(desc.main_menu_name));
    form.*desc.main_menu = &bar;
    for (const Menu_Layout<Form>& menu_desc : desc.menus) {
        Menu_Item& menu = bar.add(std::string(menu_desc.menu.name), std::string(menu_desc.menu.caption));
        form.*menu_desc.menu.field = &menu;
        for (const Menu_Item_Layout<Form>& item_desc : menu_desc.items) {
            Menu_Item& item = menu.add(std::string(item_desc.name), std::string(item_desc.caption));
            if (item_desc.action) item.link(*(form.*item_desc.action));
            form.*item_desc.field = &item;
        }
    }
}

// A form's whole layout: its containers, parents before their children, each with its entries
// in creation order. Besides plain controls an entry may be one of the form's own Generated
// kinds, which stand for several controls made by a routine of the form's layout; the routine is
// found as create_generated(form, parent, entry).
template <class Form, class... Generated>
struct Layout {
    using Entry = std::variant<Control_Layout<Form>, Generated...>;
    using Container_Field = std::variant<std::monostate, Field<Form, Page_Control>, Field<Form, Tab_Sheet>,
                                         Field<Form, Group_Box>, Field<Form, Panel>>;

    // std::monostate stands for the window itself.
    struct Container {
        Container_Field container;
        std::span<const Entry> entries;
    };

    static void create(Form& form, std::span<const Container> containers) {
        for (const Container& container : containers) create_container(form, container);
    }

private:
    using Tab_Orders = std::vector<std::pair<Win_Control*, int>>;

    static Win_Control& container_of(Form& form, const Container_Field& field) {
        return std::visit(
            [&form](auto member) -> Win_Control& {
                if constexpr (std::is_same_v<decltype(member), std::monostate>) return form;
                else return *(form.*member);
            },
            field);
    }

    // Tab orders are given among all siblings, so they are applied once the siblings exist, lowest
    // first: each then lands at its place and pushes the others behind it.
    static void apply_tab_orders(Tab_Orders& tab_orders) {
        std::stable_sort(tab_orders.begin(), tab_orders.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
        for (auto& [control, order] : tab_orders) control->set_tab_order(order);
    }

    static void create_container(Form& form, const Container& layout) {
        Win_Control& parent = container_of(form, layout.container);
        Tab_Orders tab_orders;
        for (const Entry& entry : layout.entries) {
            std::visit(
                [&](const auto& item) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(item)>, Control_Layout<Form>>) {
                        Control& control = create_control(form, parent, item);
                        if (item.tab_order != Creation_Tab_Order && control.windowed())
                            tab_orders.emplace_back(static_cast<Win_Control*>(&control), item.tab_order);
                    } else {
                        create_generated(form, parent, item);
                    }
                },
                entry);
        }
        apply_tab_orders(tab_orders);
    }
};

}  // namespace ui::layout
