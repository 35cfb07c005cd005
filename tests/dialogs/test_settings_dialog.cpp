#include "tests/dialogs/settings_dialog_test.h"

namespace {

using Driver = test_support::Driver;
using Box = test_support::Recorded_Box;

const Texts Start_Texts = {"101.325", "14.695", "0", "0"};

// The user clicks into the edit, selects its whole text and types over it. Leaving another edit
// sends the focus to OK first, so the click may have to be repeated.
void retype(Driver& driver, const std::string& edit, const std::string& text) {
    auto& field = driver.get<ui::Edit>(edit);
    for (int click = 0; click < 2 && !field.focused(); ++click) driver.press_into(edit);
    ASSERT_TRUE(field.focused());
    field.select_all();
    driver.type(text.empty() ? std::string("\b") : text);
}

bool whole_text_selected(const ui::Edit& edit) {
    return edit.sel_start() == 0 && edit.sel_length() == static_cast<int>(edit.text().size());
}

struct Leave_Way {
    const char* name;
    void (*leave)(Driver&);
};
const Leave_Way Leave_Ways[] = {
    {"Tab", [](Driver& driver) { driver.tab(); }},
    {"Enter", [](Driver& driver) { driver.enter(); }},
};

TEST_F(Settings_Dialog_Test, LeavingAnEditWritesTheOtherThreeAndEndsOnOk) {
    const struct {
        const char* edit;
        const char* typed;
        Texts expected;
    } cases[] = {
        {"edit_m", "1000", {"89.874", "13.034", "1000", "3281"}},
        {"edit_patm", "90", {"90", "13.053", "988", "3243"}},
        {"edit_psi", "14.7", {"101.358", "14.7", "-3", "-9"}},
        {"edit_m", "-100", {"102.532", "14.87", "-100", "-328"}},
        {"edit_ft", "10000", {"69.681", "10.106", "3048", "10000"}},
        {"edit_patm", "35.61", {"35.61", "5.165", "7968", "26143"}},
        {"edit_m", "8000", {"35.61", "5.165", "8000", "26247"}},
        {"edit_m", "5000", {"54.02", "7.835", "5000", "16404"}},
    };
    for (const Leave_Way& way : Leave_Ways) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.edit) + " " + c.typed + " left by " + way.name);
            std::string focus;
            const int result = show([&](Driver& driver) {
                retype(driver, c.edit, c.typed);
                way.leave(driver);
                focus = driver.focused_name();
                driver.escape();
            });
            EXPECT_EQ(texts(), c.expected);
            EXPECT_EQ(focus, "OKBtn");
            EXPECT_EQ(result, ui::Mr_Cancel);
        }
    }
    EXPECT_TRUE(applied.empty());
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Settings_Dialog_Test, LeavingAnUntouchedEditRewritesNothing) {
    show([&](Driver& driver) {
        driver.press_into("edit_psi");
        driver.tab();
        EXPECT_EQ(driver.focused_name(), "OKBtn") << "Tab ends on OK, not on the next edit";
        driver.escape();
    });
    EXPECT_EQ(texts(), Start_Texts);
}

// The change test compares with the value stored by the last OK, not with what the edit showed.
TEST_F(Settings_Dialog_Test, AnEditCountsAsChangedAgainstItsStoredValue) {
    const struct {
        const char* typed_kPa;
        const char* psi_after;
    } cases[] = {
        {"101.3250", "14.695"},  // differs from the stored value's text "101.325"
        {"101.325", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed_kPa);
        show([&](Driver& driver) {
            retype(driver, "edit_psi", "1");
            driver.tab();
            ASSERT_EQ(dialog.edit_patm->text(), "6.895");
            retype(driver, "edit_patm", c.typed_kPa);
            driver.tab();
            driver.escape();
        });
        EXPECT_EQ(dialog.edit_psi->text(), c.psi_after);
    }
}

TEST_F(Settings_Dialog_Test, OkStoresAllFourTextsAsShown) {
    show([&](Driver& driver) {
        retype(driver, "edit_patm", "90");
        driver.tab();
        retype(driver, "edit_patm", "101.325");
        driver.tab();
        driver.click("OKBtn");
    });
    EXPECT_EQ(texts(), (Texts{"101.325", "13.053", "988", "3243"})) << "101.325 was unchanged: nothing converted";
    EXPECT_EQ(applied, Texts{"101.325"});

    // Retyping a stored text converts nothing, so the kPa edit keeps what psi 1 gave it.
    const struct {
        const char* edit;
        const char* stored_text;
    } stored[] = {{"edit_psi", "13.053"}, {"edit_m", "988"}, {"edit_ft", "3243"}};
    show([&](Driver& driver) {
        retype(driver, "edit_psi", "1");
        driver.tab();
        for (const auto& field : stored) {
            SCOPED_TRACE(field.edit);
            retype(driver, field.edit, field.stored_text);
            driver.tab();
            EXPECT_EQ(dialog.edit_patm->text(), "6.895");
        }
        driver.escape();
    });
}

TEST_F(Settings_Dialog_Test, TheKeyFilterPassesOnlyTheCharactersOfANumber) {
    show([&](Driver& driver) {
        retype(driver, "edit_patm", "a9b,0 .-\b5");
        EXPECT_EQ(driver.text("edit_patm"), "90.5");
        retype(driver, "edit_m", "1-2");
        EXPECT_EQ(driver.text("edit_m"), "1-2") << "the conversion, not the filter, judges the text";
        driver.escape();
    });
}

TEST_F(Settings_Dialog_Test, ATextThatIsNotANumberKeepsTheFocusAndRewritesNothing) {
    show([&](Driver& driver) {
        retype(driver, "edit_m", "1-2");
        driver.click("OKBtn");
        EXPECT_EQ(driver.focused_name(), "edit_m");
        driver.escape();
    });
    EXPECT_EQ(front_end.boxes,
              (std::vector<Box>{{"'1-2' is not a valid floating point value.", "Hygrodex", ui::Message_Icon::Stop}}));
    EXPECT_EQ(texts(), (Texts{"101.325", "14.695", "1-2", "0"}));
    EXPECT_TRUE(applied.empty()) << "the exit's error stops the press of OK";
}

TEST_F(Settings_Dialog_Test, OkRightAfterTypingRunsTheExitFirst) {
    const int result = show([&](Driver& driver) {
        retype(driver, "edit_m", "1000");
        driver.click("OKBtn");
    });
    EXPECT_EQ(result, ui::Mr_Ok);
    EXPECT_EQ(applied, Texts{"89.874"});
}

TEST_F(Settings_Dialog_Test, EnterTwiceConvertsThenPressesOk) {
    const int result = show([&](Driver& driver) {
        retype(driver, "edit_m", "1000");
        driver.enter();
        EXPECT_EQ(driver.focused_name(), "OKBtn");
        EXPECT_TRUE(applied.empty());
        driver.enter();
    });
    EXPECT_EQ(result, ui::Mr_Ok);
    EXPECT_EQ(applied, Texts{"89.874"});
}

TEST_F(Settings_Dialog_Test, EscapeAndTheCloseBoxApplyNothingAndLeaveTheTypedText) {
    const Leave_Way cancels[] = {
        {"Escape", [](Driver& driver) { driver.escape(); }},
        {"close box", [](Driver& driver) { driver.close(); }},
        {"Cancel", [](Driver& driver) { driver.click("CancelBtn"); }},
    };
    for (const Leave_Way& cancel : cancels) {
        SCOPED_TRACE(cancel.name);
        dialog.Fill_From_Patm(101.325f);
        const int result = show([&](Driver& driver) {
            retype(driver, "edit_patm", "90");
            cancel.leave(driver);
        });
        EXPECT_EQ(result, ui::Mr_Cancel);
        EXPECT_TRUE(applied.empty());
        EXPECT_EQ(dialog.edit_patm->text(), "90");
    }
    EXPECT_EQ(dialog.edit_psi->text(), "13.053") << "a click on Cancel runs the exit first";
}

// Escape presses Cancel without moving the focus, so the edit's exit does not run.
TEST_F(Settings_Dialog_Test, EscapeLeavesTheOtherEditsUnconverted) {
    show([&](Driver& driver) {
        retype(driver, "edit_patm", "90");
        driver.escape();
    });
    EXPECT_EQ(texts(), (Texts{"90", "14.695", "0", "0"}));
}

TEST_F(Settings_Dialog_Test, AnEmptyEditConvertsNothingAndOkThenFailsHalfway) {
    const int result = show([&](Driver& driver) {
        retype(driver, "edit_patm", "90");
        driver.tab();
        retype(driver, "edit_m", "");
        driver.tab();
        EXPECT_EQ(driver.focused_name(), "OKBtn");
        EXPECT_EQ(driver.text("edit_ft"), "3243") << "leaving an empty edit rewrites no other";
        driver.click("OKBtn");
    });
    EXPECT_EQ(result, ui::Mr_Ok) << "the dialog closes through the conversion error all the same";
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(front_end.take_box_texts(), Texts{"'' is not a valid floating point value."});

    // The kPa and psi fields were stored before the empty m stopped OK; the ft field was not.
    show([&](Driver& driver) {
        retype(driver, "edit_patm", "90");
        driver.tab();
        EXPECT_EQ(driver.text("edit_m"), "") << "90 kPa is the stored pressure now";
        retype(driver, "edit_ft", "3243");
        driver.tab();
        EXPECT_EQ(driver.text("edit_m"), "988") << "3243 ft is not the stored elevation";
        driver.escape();
    });
}

TEST_F(Settings_Dialog_Test, OkRefusesAPressureAtOrBelowSaturationAt70DegreesAndStaysOpen) {
    const struct {
        const char* edit;
        const char* typed;
        bool refused;
    } cases[] = {
        {"edit_patm", "31.197", true},  // the saturation pressure at 70 degree C is 31.1978
        {"edit_patm", "31.198", false}, {"edit_patm", "0", true},
        {"edit_patm", "-5", true},      {"edit_psi", "4.5", true},  // 31.028 kPa
        {"edit_m", "8900", false},                                  // 31.224 kPa
        {"edit_m", "9000", true},                                   // 30.765 kPa
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " " + c.typed);
        applied.clear();
        dialog.Fill_From_Patm(101.325f);
        Texts typed_texts;
        bool stayed_open = false;
        const int result = show([&](Driver& driver) {
            retype(driver, c.edit, c.typed);
            driver.click("OKBtn");
            stayed_open = dialog.modal_result() == ui::Mr_None;
            if (!stayed_open) return;
            typed_texts = texts();
            EXPECT_EQ(driver.focused_name(), "edit_patm");
            EXPECT_TRUE(whole_text_selected(*dialog.edit_patm)) << "ready to be typed over";
            driver.escape();
        });
        EXPECT_EQ(stayed_open, c.refused);
        if (c.refused) {
            EXPECT_EQ(result, ui::Mr_Cancel);
            EXPECT_TRUE(applied.empty());
            EXPECT_EQ(typed_texts, texts()) << "the typed and converted texts stay";
            EXPECT_EQ(front_end.boxes,
                      (std::vector<Box>{{"Patm is too low. Please reinput!!", "Error", ui::Message_Icon::Stop}}));
        } else {
            EXPECT_EQ(result, ui::Mr_Ok);
            EXPECT_EQ(applied, Texts{dialog.edit_patm->text()});
            EXPECT_TRUE(front_end.boxes.empty());
        }
        front_end.boxes.clear();
    }
}

// Far below the sea the pressure's fit grows without bound: -99999999 ft once gave 1.5e14 kPa,
// and every later opening of the dialog a "Floating point overflow." box instead.
TEST_F(Settings_Dialog_Test, AnElevationAbove9000OrBelowMinus5000MetresIsRefusedWhenLeftAndOkWaits) {
    const char* const too_high = "Elevation is too high. Please reinput!!";
    const char* const too_low = "Elevation is too low. Please reinput!!";
    const struct {
        const char* edit;
        const char* typed;
        const char* refusal;     // nullptr: accepted
        const char* kPa_prefix;  // of the accepted elevation's pressure
    } cases[] = {
        {"edit_m", "9000", nullptr, "30.76"},    {"edit_m", "9000.5", too_high, ""},
        {"edit_m", "12000", too_high, ""},       {"edit_ft", "29528", nullptr, "30.76"},
        {"edit_ft", "29529", too_high, ""},      {"edit_m", "-5000", nullptr, "177.6"},
        {"edit_m", "-5000.5", too_low, ""},      {"edit_m", "-19024165470208", too_low, ""},
        {"edit_ft", "-16404", nullptr, "177.6"}, {"edit_ft", "-16405", too_low, ""},
        {"edit_ft", "-99999999", too_low, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " " + c.typed);
        dialog.Fill_From_Patm(101.325f);
        show([&](Driver& driver) {
            retype(driver, c.edit, c.typed);
            driver.tab();
            EXPECT_EQ(driver.focused_name(), "OKBtn");
            if (c.refusal) {
                driver.click("OKBtn");
                EXPECT_EQ(dialog.modal_result(), ui::Mr_None) << "OK waits for another elevation";
            }
            driver.escape();
        });
        EXPECT_TRUE(applied.empty());
        if (c.refusal) {
            Texts expected = Start_Texts;
            expected[std::string(c.edit) == "edit_m" ? 2 : 3] = c.typed;
            EXPECT_EQ(texts(), expected) << "nothing converted, the typed text stays";
            EXPECT_EQ(front_end.take_box_texts(), Texts{c.refusal});
        } else {
            EXPECT_EQ(dialog.edit_patm->text().substr(0, 5), c.kPa_prefix);
            EXPECT_TRUE(front_end.boxes.empty());
        }
    }
}

TEST_F(Settings_Dialog_Test, OkRefusesAPressureAboveAThousandKilopascalsAndStaysOpen) {
    const struct {
        const char* edit;
        const char* typed;
        bool refused;
    } cases[] = {
        {"edit_patm", "1000", false},
        {"edit_patm", "1000.001", true},
        {"edit_patm", "1000000", true},
        {"edit_psi", "145.1", true},  // 1000.46 kPa
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " " + c.typed);
        applied.clear();
        dialog.Fill_From_Patm(101.325f);
        const int result = show([&](Driver& driver) {
            retype(driver, c.edit, c.typed);
            driver.click("OKBtn");
            if (dialog.modal_result() != ui::Mr_None) return;
            EXPECT_EQ(driver.focused_name(), "edit_patm");
            EXPECT_TRUE(whole_text_selected(*dialog.edit_patm)) << "ready to be typed over";
            driver.escape();
        });
        if (c.refused) {
            EXPECT_EQ(result, ui::Mr_Cancel);
            EXPECT_TRUE(applied.empty());
            EXPECT_EQ(front_end.boxes,
                      (std::vector<Box>{{"Patm is too high. Please reinput!!", "Error", ui::Message_Icon::Stop}}));
        } else {
            EXPECT_EQ(result, ui::Mr_Ok);
            EXPECT_EQ(applied, Texts{"1000"});
            EXPECT_TRUE(front_end.boxes.empty());
        }
        front_end.boxes.clear();
    }
}

TEST_F(Settings_Dialog_Test, OkWaitsForARefusedElevationToBeReplaced) {
    const struct {
        const char* name;
        void (*replace)(Driver&);
        const char* applied_kPa;
    } cases[] = {
        {"retyped",
         [](Driver& driver) {
             retype(driver, "edit_m", "1000");
             driver.tab();
         },
         "89.874"},
        {"converted from kPa",
         [](Driver& driver) {
             retype(driver, "edit_patm", "90");
             driver.tab();
         },
         "90"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        applied.clear();
        dialog.Fill_From_Patm(101.325f);
        const int result = show([&](Driver& driver) {
            retype(driver, "edit_m", "12000");
            driver.click("OKBtn");
            EXPECT_EQ(dialog.modal_result(), ui::Mr_None);
            EXPECT_EQ(driver.focused_name(), "edit_m");
            EXPECT_TRUE(whole_text_selected(*dialog.edit_m));
            EXPECT_EQ(front_end.take_box_texts(), Texts{"Elevation is too high. Please reinput!!"})
                << "reported once, when the edit was left";
            driver.click("OKBtn");
            EXPECT_EQ(dialog.modal_result(), ui::Mr_None) << "still the refused text";
            EXPECT_EQ(front_end.take_box_texts(), Texts{"Elevation is too high. Please reinput!!"});
            c.replace(driver);
            driver.click("OKBtn");
        });
        EXPECT_EQ(result, ui::Mr_Ok);
        EXPECT_EQ(applied, Texts{c.applied_kPa});
    }
}

// The menu's refill writes the edits only: the change test still compares with the last OK.
TEST_F(Settings_Dialog_Test, FillingFromAPressureLeavesTheStoredValues) {
    dialog.Fill_From_Patm(89.874f);
    EXPECT_EQ(texts(), (Texts{"89.874", "13.034", "1000", "3281"}));
    show([&](Driver& driver) {
        retype(driver, "edit_patm", "101.325");
        driver.tab();
        driver.escape();
    });
    EXPECT_EQ(texts(), (Texts{"101.325", "13.034", "1000", "3281"}));
}

}  // namespace
