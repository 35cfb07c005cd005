#pragma once

#include <functional>
#include <string>

#include "ui/types.h"

namespace ui {

class Form;
class Win_Control;

// What a front end shows of a control is told to it through this interface; the model never
// asks the view for state.
class Control_View {
public:
    virtual ~Control_View() = default;
    virtual void control_changed() = 0;
};

enum class Control_Kind {
    Form,
    Bevel,
    Image,
    Label,
    Speed_Button,
    Edit,
    Button,
    Group_Box,
    Check_Box,
    Track_Bar,
    Page_Control,
    Tab_Sheet,
    Status_Bar,
    Panel,
    String_Grid
};

using Notify_Event = std::function<void(class Control& sender)>;
using Mouse_Move_Event = std::function<void(Control& sender, Shift_State shift, int x, int y)>;
using Mouse_Event = std::function<void(Control& sender, Mouse_Button button, Shift_State shift, int x, int y)>;

// The base of every control: what every kind has, and its place in the form's tree.
class Control {
public:
    Control(Form& form, Win_Control* parent, std::string name, Control_Kind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Control_Kind kind() const { return kind_; }
    Form& form() const { return form_; }
    Win_Control* parent() const { return parent_; }
    bool windowed() const;

    const Rect& bounds() const { return bounds_; }
    // A container's children follow a change of its size as their anchors say.
    virtual void set_bounds(Rect bounds);
    const Anchors& anchors() const { return anchors_; }
    void set_anchors(Anchors anchors) { anchors_ = anchors; }
    // The parent grew by the given pixels (negative: shrank).
    void follow_parent(int grow_x, int grow_y);

    // Caption and text are one property; writing it fires nothing.
    const std::string& caption() const { return text_; }
    virtual void set_caption(std::string caption);
    const std::string& text() const { return text_; }
    void set_text(std::string text) { set_caption(std::move(text)); }

    bool enabled() const { return enabled_; }
    virtual void set_enabled(bool enabled);
    bool visible() const { return visible_; }
    virtual void set_visible(bool visible);
    // Enabled and visible up to the form, and shown (a page that is not active hides its controls).
    bool effectively_enabled() const;
    virtual bool showing() const;

    Color color() const { return color_; }
    void set_color(Color color);
    const Font& font() const { return font_; }
    void set_font(Font font);
    const std::string& hint() const { return hint_; }
    void set_hint(std::string hint);
    Alignment alignment() const { return alignment_; }
    void set_alignment(Alignment alignment);
    Cursor cursor() const { return cursor_; }
    void set_cursor(Cursor cursor);

    Notify_Event OnClick;
    Mouse_Move_Event OnMouseMove;
    Mouse_Event OnMouseDown;

    void attach_view(Control_View* view) { view_ = view; }
    void changed();

private:
    Form& form_;
    Win_Control* parent_;
    std::string name_;
    Control_Kind kind_;
    Rect bounds_;
    Anchors anchors_;
    std::string text_;
    bool enabled_ = true;
    bool visible_ = true;
    Color color_ = Color_Button_Face;
    Font font_;
    std::string hint_;
    Alignment alignment_ = Alignment::Left;
    Cursor cursor_ = Cursor::Default;
    Control_View* view_ = nullptr;
};

// The caption as shown: "&&" stands for one "&", a single "&" marks an accelerator and is not shown.
std::string shown_caption(const std::string& caption);

}  // namespace ui
