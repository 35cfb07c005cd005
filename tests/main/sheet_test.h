#pragma once

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "tests/main/main_window_test.h"
#include "ui/control.h"

// What the sheet tests share: entries as a user makes them, the texts of columns and lines, the
// recorded boxes and a count of the chart's drawings.

inline const Names Start_Texts = {"20",     "50",     "13.79", "9.15",  "0.0073", "38.545",
                                  "0.8402", "2452.6", "49.42", "2.339", "1.169"};
inline const Names Empty_Column(hygrodex::Row_Count, "");

inline std::array<float, 12> fields(const state::Air_State& s) {
    return {s.Patm, s.RH, s.Tdb, s.Pws, s.Pw, s.AH, s.Tdp, s.SV, s.Twb, s.Hfg, s.DOS, s.H};
}

inline Names texts(const hygrodex::State_Column& column) {
    Names all;
    for (const ui::Edit* edit : column.edits) all.push_back(edit->text());
    return all;
}

inline void fill(const hygrodex::State_Column& column, const Names& texts) {
    for (std::size_t row = 0; row < hygrodex::Row_Count; ++row) column.edits[row]->set_text(texts[row]);
}

inline test_support::Recorded_Box error_box(const std::string& text) { return {text, "Error", ui::Message_Icon::Stop}; }

// The exception box shows the message with a "." added, under the program's title.
inline test_support::Recorded_Box exception_box(const std::string& message) {
    return {message + ".", "Hygrodex", ui::Message_Icon::Stop};
}

inline test_support::Recorded_Box conversion_box(const std::string& text) {
    return exception_box("'" + text + "' is not a valid floating point value");
}

using Boxes = std::vector<test_support::Recorded_Box>;

namespace test_support {
inline void PrintTo(const Recorded_Box& box, std::ostream* out) {
    *out << "{\"" << box.text << "\", \"" << box.caption << "\"}";
}
}  // namespace test_support

// Every drawing ends by telling the image's view to show the canvas.
class Drawing_Counter : public ui::Control_View {
public:
    void control_changed() override { ++count; }
    int count = 0;
};

class Sheet_Test : public Main_Window_Test {
protected:
    // The focus starts on the page control, so that the first entry selects its field's text.
    Sheet_Test() {
        form.show();
        leave();
        driver.get<ui::Image>("Chart_Image").attach_view(&drawings);
    }
    ~Sheet_Test() override { driver.get<ui::Image>("Chart_Image").attach_view(nullptr); }

    // Types over the field's text and leaves it for the page control, whose focus runs no
    // handler of its own: only the field's exit acts.
    void enter(const std::string& edit, const std::string& typed) {
        driver.enter_text(edit, typed);
        leave();
    }
    void leave() { driver.press_into("PageControl1"); }
    Names lines() const { return {text("Message1"), text("Message2"), text("Message3")}; }
    void mark_lines() {
        for (const char* line : {"Message1", "Message2", "Message3"}) driver.get<ui::Label>(line).set_caption("marked");
    }
    Boxes take_boxes() {
        Boxes taken = front_end.boxes;
        front_end.boxes.clear();
        return taken;
    }
    // The texts the chart's last drawing wrote, in order.
    Names chart_texts() const {
        Names all;
        for (const ui::Canvas_Op& op : driver.get<ui::Image>("Chart_Image").canvas().ops())
            if (op.kind == ui::Canvas_Op_Kind::Text_Out) all.push_back(op.text);
        return all;
    }
    bool chart_shows(const std::string& label) const {
        const Names all = chart_texts();
        return std::find(all.begin(), all.end(), label) != all.end();
    }

    Drawing_Counter drawings;
};
