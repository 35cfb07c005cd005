#include <string>

#include "engine/property.h"
#include "numtext/general_format.h"
#include "tests/earlier/moistrel_test.h"

namespace {

using test_support::Driver;

void type_over(Driver& dialog, const std::string& text) {
    dialog.press_into("edit_patm");
    dialog.get<ui::Edit>("edit_patm").select_all();
    dialog.type(text);
}

constexpr const char* Patm_Too_Low = "大氣壓力輸入值太低，請重新輸入";

TEST_F(Moistrel_Test, EnterAtOnceAppliesTheStartPressureAndChangesNothing) {
    const Names before = panel_texts();
    in_settings([](Driver& dialog) {
        EXPECT_EQ(dialog.form().caption(), "大氣壓力設定");
        EXPECT_EQ(dialog.text("edit_patm"), "101.325");
        dialog.press_into("edit_patm");
        dialog.enter();
    });
    EXPECT_EQ(settings.modal_result(), ui::Mr_Ok);
    EXPECT_EQ(form.State.Patm, 101.325f);
    EXPECT_EQ(panel_texts(), before);
}

// The dialog is never filled from the current pressure: it shows what was typed last.
TEST_F(Moistrel_Test, ACancelledPressureWaitsInTheDialogForTheNextOk) {
    in_settings([](Driver& dialog) {
        type_over(dialog, "90");
        dialog.escape();
    });
    EXPECT_EQ(form.State.Patm, 101.325f);
    in_settings([](Driver& dialog) {
        EXPECT_EQ(dialog.text("edit_patm"), "90");
        dialog.click("OKBtn");
    });
    EXPECT_EQ(form.State.Patm, 90.0f);
    EXPECT_EQ(form.State.Tdb, 20.0f);
    EXPECT_EQ(form.State.RH, 50.0f);
    EXPECT_EQ(text("Edit_ah"), "0.0081");
}

TEST_F(Moistrel_Test, TheKPaFieldDropsOtherKeysSilently) {
    in_settings([](Driver& dialog) {
        type_over(dialog, "9a 0.-x");
        EXPECT_EQ(dialog.text("edit_patm"), "90.-");
        dialog.escape();
    });
    EXPECT_TRUE(front_end.boxes.empty());
    EXPECT_EQ(text("Message3"), "");
}

// At or below the saturation pressure at 70 degC the chart's states leave the engine's domain.
TEST_F(Moistrel_Test, APressureTooLowIsRefusedAndTheDialogStaysOpenOnIt) {
    const std::string bound = numtext::format_general(Calc_Property(Kind_Pws, 70));
    for (const std::string& typed : {std::string("."), std::string("0"), std::string("-5"), bound}) {
        in_settings([&](Driver& dialog) {
            type_over(dialog, typed);
            dialog.click("OKBtn");
            EXPECT_EQ(dialog.form().modal_result(), ui::Mr_None) << typed;
            EXPECT_EQ(dialog.focused_name(), "edit_patm") << typed;
            dialog.escape();
        });
        EXPECT_EQ(front_end.take_box_texts(), (Names{Patm_Too_Low})) << typed;
        EXPECT_EQ(form.State.Patm, 101.325f) << typed;
        EXPECT_EQ(text("Edit_ah"), "0.0072") << typed;
    }
}

TEST_F(Moistrel_Test, APressureJustAboveTheBoundIsApplied) {
    in_settings([](Driver& dialog) {
        type_over(dialog, "31.3");
        dialog.click("OKBtn");
    });
    EXPECT_TRUE(front_end.boxes.empty());
    EXPECT_EQ(form.State.Patm, 31.3f);
}

TEST_F(Moistrel_Test, OkWithABadTextShowsTheConversionErrorAndClosesWithoutApplying) {
    in_settings([](Driver& dialog) {
        type_over(dialog, "9-0");
        dialog.click("OKBtn");
    });
    EXPECT_EQ(front_end.take_box_texts(), (Names{"'9-0' is not a valid floating point value."}));
    EXPECT_EQ(settings.modal_result(), ui::Mr_Ok);
    EXPECT_EQ(form.State.Patm, 101.325f);
}

}  // namespace
