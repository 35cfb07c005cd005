#include "engine/property.h"
#include "tests/ui/fixture.h"

namespace {

using Box_Test = Window_Test;

TEST_F(Box_Test, TheErrorBoxIsCaptionedErrorWithTheStopIcon) {
    app.error_box("Tdb is too low. Please reinput!!");
    ASSERT_EQ(front_end.boxes.size(), 1u);
    EXPECT_EQ(front_end.boxes[0],
              (test_support::Recorded_Box{"Tdb is too low. Please reinput!!", "Error", ui::Message_Icon::Stop}));
}

TEST_F(Box_Test, AFailedMathFunctionInTheEngineIsReportedAndComputationGoesOn) {
    const float dew_point = Calc_Property(Kind_Tdp, 20, 0);
    EXPECT_EQ(dew_point, 20.0f) << "the dew point of no vapour is capped at the dry bulb";
    ASSERT_EQ(front_end.boxes.size(), 1u);
    EXPECT_EQ(front_end.boxes[0], (test_support::Recorded_Box{"log: SING error", "Testprog", ui::Message_Icon::Stop}));
}

TEST(Exception_Box, AFullStopIsAddedWhenTheMessageEndsInACharacterAfterIt) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"'abc' is not a valid floating point value", "'abc' is not a valid floating point value."},
        {"Floating point division by zero", "Floating point division by zero."},
        {"Already ends.", "Already ends."},
        {"Ends in a bang!", "Ends in a bang!"},
        {"Ends in a digit 7", "Ends in a digit 7."},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ui::exception_box_text(c.message), c.shown) << c.message;
}

TEST(Exception_Box, TheTitleIsTheFileNameWithoutExtensionWithItsFirstLetterKept) {
    EXPECT_EQ(ui::title_from_program_file("HYGRODEX.EXE"), "Hygrodex");
    EXPECT_EQ(ui::title_from_program_file("hygrodex"), "hygrodex");
    EXPECT_EQ(ui::title_from_program_file("Hygrodex"), "Hygrodex");
}

}  // namespace
