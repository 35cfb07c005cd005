#include "ui/program_icon.h"

#include <cmath>

namespace ui {

namespace {

constexpr ui::Color Paper = ui::rgb(255, 255, 240);
constexpr ui::Color Grid = ui::rgb(200, 200, 200);
constexpr ui::Color Saturation = ui::rgb(0, 0, 160);
constexpr ui::Color Humidity = ui::rgb(0, 128, 192);

constexpr int Margin = 6;
constexpr int Grid_Lines = 5;
constexpr int Curve_Steps = 24;
// The saturation line and the curves at 75, 50 and 25 % of it.
constexpr double Curve_Fractions[] = {1.0, 0.75, 0.5, 0.25};

// A saturation-like rise over x from 0 to 1, scaled to 0..1.
double rise(double x) { return (std::exp(3.0 * x) - 1.0) / (std::exp(3.0) - 1.0); }

}  // namespace

void Draw_Program_Icon(ui::Canvas& canvas, int width, int height) {
    const int left = Margin;
    const int right = width - Margin;
    const int top = Margin;
    const int bottom = height - Margin;

    canvas.brush = {Paper, ui::Brush_Style::Solid};
    canvas.pen = {ui::Color_Black, 1, ui::Pen_Style::Solid};
    canvas.rectangle(0, 0, width, height);

    canvas.pen = {Grid, 1, ui::Pen_Style::Solid};
    for (int line = 1; line < Grid_Lines; ++line) {
        const int x = left + (right - left) * line / Grid_Lines;
        canvas.move_to(x, top);
        canvas.line_to(x, bottom);
    }

    for (double fraction : Curve_Fractions) {
        canvas.pen = {fraction == 1.0 ? Saturation : Humidity, fraction == 1.0 ? 2 : 1, ui::Pen_Style::Solid};
        canvas.move_to(left, bottom);
        for (int step = 1; step <= Curve_Steps; ++step) {
            const double x = static_cast<double>(step) / Curve_Steps;
            const double y = fraction * rise(x);
            canvas.line_to(left + static_cast<int>(std::lround(x * (right - left))),
                           bottom - static_cast<int>(std::lround(y * (bottom - top))));
        }
    }

    canvas.pen = {ui::Color_Black, 1, ui::Pen_Style::Solid};
    canvas.move_to(left, top);
    canvas.line_to(left, bottom);
    canvas.line_to(right + 1, bottom);
}

}  // namespace ui
