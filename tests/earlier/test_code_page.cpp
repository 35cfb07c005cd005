#include <iconv.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "earlier/entry_rules.h"
#include "earlier/hint_lines.h"
#include "tests/earlier/moistrel_test.h"

namespace {

// The text in code page 950, Big5 with Microsoft's additions, or nothing when a character has no
// form there. Windows writes the tilde operator U+223C as A1 E3, the pair glibc's table reads as
// the fullwidth tilde U+FF5E, so the text is handed over with that character in its place.
std::optional<std::string> in_code_page_950(std::string text) {
    for (std::size_t at = text.find("∼"); at != std::string::npos; at = text.find("∼", at))
        text.replace(at, std::string("∼").size(), "～");
    iconv_t converter = iconv_open("CP950", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) converter = iconv_open("BIG5-HKSCS", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no Big5 converter");
    std::vector<char> out(text.size() * 2 + 16);
    char* in_at = text.data();
    std::size_t in_left = text.size();
    char* out_at = out.data();
    std::size_t out_left = out.size();
    const std::size_t result = iconv(converter, &in_at, &in_left, &out_at, &out_left);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || in_left != 0) return std::nullopt;
    return std::string(out.data(), out_at);
}

bool writable_in_code_page_950(const std::string& text) { return in_code_page_950(text).has_value(); }

void add_form_texts(const ui::Form& form, Names& texts) {
    texts.push_back(form.caption());
    for (const ui::Control* control : form.controls()) texts.push_back(control->caption());
    if (!form.main_menu()) return;
    for (const auto& menu : form.main_menu()->menus()) {
        texts.push_back(menu->caption());
        for (const auto& item : menu->items()) texts.push_back(item->caption());
    }
}

TEST(Code_Page, TheCheckerWritesBig5AndRefusesWhatIsOutsideIt) {
    EXPECT_EQ(in_code_page_950("∼"), std::optional<std::string>("\xA1\xE3"));
    EXPECT_EQ(in_code_page_950("a1"), std::optional<std::string>("a1"));
    EXPECT_TRUE(writable_in_code_page_950("濕氣圖 溼 ℃ ％ ，"));
    EXPECT_FALSE(writable_in_code_page_950("湿"));  // the simplified shape
    EXPECT_FALSE(writable_in_code_page_950("\xE2\x88"));
}

// The program's texts were held in code page 950: every one of them must have a Big5 form.
TEST_F(Moistrel_Test, EveryTextOfTheEarlierEditionCanBeWrittenInCodePage950) {
    Names texts;
    for (const ui::Form* window : {static_cast<const ui::Form*>(&form), static_cast<const ui::Form*>(&about_box),
                                   static_cast<const ui::Form*>(&settings)})
        add_form_texts(*window, texts);
    texts.push_back(driver.action("Exit").caption());
    texts.push_back(driver.action("Exit").hint());
    for (const moistrel::Entry_Rule& rule : moistrel::Entry_Rules()) {
        texts.emplace_back(rule.too_high);
        texts.emplace_back(rule.too_low);
    }
    for (const moistrel::Range_Hint& hint : moistrel::Range_Hints()) {
        texts.emplace_back(hint.line1);
        texts.push_back(moistrel::Range_Line(hint, state()));
    }
    for (std::string_view hover :
         {moistrel::hover_text::State_Panel, moistrel::hover_text::Line_Switches,
          moistrel::hover_text::Chart_Adjustment, moistrel::hover_text::Messages, moistrel::hover_text::Exit_Button})
        texts.emplace_back(hover);
    // The key filter's request and the dialog's refusals, as the user meets them.
    driver.press_into("Edit_tdb");
    driver.key('x');
    texts.push_back(text("Message3"));
    in_settings([](test_support::Driver& dialog) {
        for (const char* refused : {"1", "1001"}) {
            dialog.press_into("edit_patm");
            dialog.get<ui::Edit>("edit_patm").select_all();
            dialog.type(refused);
            dialog.click("OKBtn");
        }
        dialog.escape();
    });
    EXPECT_EQ(front_end.boxes.size(), 2u);
    for (const test_support::Recorded_Box& box : front_end.boxes) texts.push_back(box.text);

    EXPECT_GT(texts.size(), 100u);
    for (const std::string& text : texts) EXPECT_TRUE(writable_in_code_page_950(text)) << "\"" << text << "\"";
}

}  // namespace
