#pragma once

#include "ui/canvas.h"
#include "ui/control.h"

namespace ui {

class Label : public Control {
public:
    Label(Form& form, Win_Control* parent, std::string name);
    bool transparent() const { return transparent_; }
    void set_transparent(bool transparent);

private:
    bool transparent_ = true;
};

class Bevel : public Control {
public:
    Bevel(Form& form, Win_Control* parent, std::string name);
};

// A picture the program draws on through its canvas.
class Image : public Control {
public:
    Image(Form& form, Win_Control* parent, std::string name);
    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }
    bool stretch() const { return stretch_; }
    void set_stretch(bool stretch) { stretch_ = stretch; }
    // Tells the view to show the canvas as it now stands.
    void canvas_changed() { changed(); }

private:
    Canvas canvas_;
    bool stretch_ = false;
};

}  // namespace ui
