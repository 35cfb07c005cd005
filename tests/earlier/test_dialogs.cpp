#include <string>

#include "engine/property.h"
#include "numtext/general_format.h"
#include "numtext/text_to_number.h"
#include "tests/earlier/moistrel_test.h"

namespace {

using test_support::Driver;

void type_over(Driver& dialog, const std::string& text) {
    dialog.press_into("edit_patm");
    dialog.get<ui::Edit>("edit_patm").select_all();
    dialog.type(text);
}

TEST_F(Moistrel_Test, EnterAtOnceAppliesTheStartPressureAndChangesNothing) {
    const Names before = panel_texts();
    in_settings([](Driver& dialog) {
        EXPECT_EQ(dialog.form().caption(), "大氣壓力設定");
        EXPECT_EQ(dialog.text("edit_patm"), "101.325");
        dialog.press_into("edit_patm");
        dialog.enter();
    });
    EXPECT_EQ(settings.modal_result(), ui::Mr_Ok);
    EXPECT_EQ(state().Patm, 101.325f);
    EXPECT_EQ(panel_texts(), before);
}

// The dialog is never filled from the current pressure: it shows what was typed last.
TEST_F(Moistrel_Test, ACancelledPressureWaitsInTheDialogForTheNextOk) {
    in_settings([](Driver& dialog) {
        type_over(dialog, "90");
        dialog.escape();
    });
    EXPECT_EQ(state().Patm, 101.325f);
    in_settings([](Driver& dialog) {
        EXPECT_EQ(dialog.text("edit_patm"), "90");
        dialog.click("OKBtn");
    });
    EXPECT_EQ(state().Patm, 90.0f);
    EXPECT_EQ(state().Tdb, 20.0f);
    EXPECT_EQ(state().RH, 50.0f);
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

// At or below the saturation pressure at 70 degC the chart's states leave the engine's domain;
// far above ten atmospheres the recompute overflowed (1e38 kPa).
TEST_F(Moistrel_Test, APressureOutOfRangeIsRefusedAndTheDialogStaysOpenOnIt) {
    const std::string bound = numtext::format_general(Calc_Property(Kind_Pws, 70));
    const struct {
        std::string typed;
        const char* refusal;
    } cases[] = {
        {".", Patm_Too_Low},   {"0", Patm_Too_Low},        {"-5", Patm_Too_Low},
        {bound, Patm_Too_Low}, {"1000.01", Patm_Too_High}, {"1" + std::string(38, '0'), Patm_Too_High},
    };
    for (const auto& [typed, refusal] : cases) {
        in_settings([&](Driver& dialog) {
            type_over(dialog, typed);
            dialog.click("OKBtn");
            EXPECT_EQ(dialog.form().modal_result(), ui::Mr_None) << typed;
            EXPECT_EQ(dialog.focused_name(), "edit_patm") << typed;
            dialog.escape();
        });
        EXPECT_EQ(front_end.take_box_texts(), (Names{refusal})) << typed;
        EXPECT_EQ(state().Patm, 101.325f) << typed;
        EXPECT_EQ(text("Edit_ah"), "0.0072") << typed;
    }
}

TEST_F(Moistrel_Test, PressuresJustInsideTheBoundsAreApplied) {
    for (const char* typed : {"31.3", "1000"}) {
        in_settings([&](Driver& dialog) {
            type_over(dialog, typed);
            dialog.click("OKBtn");
        });
        EXPECT_TRUE(front_end.boxes.empty()) << typed;
        EXPECT_EQ(state().Patm, numtext::text_to_single(typed)) << typed;
    }
}

TEST_F(Moistrel_Test, OkWithABadTextShowsTheConversionErrorAndClosesWithoutApplying) {
    in_settings([](Driver& dialog) {
        type_over(dialog, "9-0");
        dialog.click("OKBtn");
    });
    EXPECT_EQ(front_end.take_box_texts(), (Names{"'9-0' is not a valid floating point value."}));
    EXPECT_EQ(settings.modal_result(), ui::Mr_Ok);
    EXPECT_EQ(state().Patm, 101.325f);
}

}  // namespace
