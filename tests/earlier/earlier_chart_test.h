#pragma once

#include <string>

#include "tests/chart/canvas_ops.h"
#include "tests/earlier/moistrel_test.h"

// Moistrel's window with the chart it draws: the canvas, the status panels and the state's pixel.
class Earlier_Chart_Window_Test : public Moistrel_Test {
protected:
    ui::Canvas& canvas() const { return driver.get<ui::Image>("Chart_Image").canvas(); }
    const canvas_ops::Ops& ops() const { return canvas().ops(); }
    int axis_tmin() const { return chart().Tmin_Index - 40; }
    int axis_tmax() const { return chart().Tmax_Index - 40; }

    // The state's pixel on the last drawing, untruncated.
    long double xs() const {
        return (static_cast<long double>(state().Tdb) + 40 - chart().Tmin_Index) * chart().X_Scale;
    }
    long double ys() const { return 480 - static_cast<long double>(state().AH) * chart().Y_Scale; }

    void click_times(const std::string& name, int times) {
        for (int i = 0; i < times; ++i) driver.click(name);
    }

    // Applies a pressure through the settings dialog's OK.
    void apply_pressure(const std::string& kPa) {
        in_settings([&](test_support::Driver& dialog) {
            dialog.press_into("edit_patm");
            dialog.get<ui::Edit>("edit_patm").select_all();
            dialog.type(kPa);
            dialog.click("OKBtn");
        });
    }
};
