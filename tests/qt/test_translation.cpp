#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <vector>

#include "ui/control.h"
#include "ui/qt/colors.h"
#include "ui/qt/fonts.h"
#include "ui/qt/key_translation.h"
#include "ui/qt/mouse_input.h"
#include "ui/qt/text.h"

using ui::qt::Key_Input;

TEST(Key_Translation, KeysBecomeModelKeysOrTheCharactersTheyType) {
    struct Case {
        int qt_key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        Key_Input expected;
    };
    const Case cases[] = {
        {Qt::Key_Tab, Qt::NoModifier, "\t", {ui::Key::Tab, {}}},
        {Qt::Key_Tab, Qt::ShiftModifier, "", {ui::Key::Back_Tab, {}}},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", {ui::Key::Back_Tab, {}}},
        // With Ctrl they step through the sheets: keys still, never characters.
        {Qt::Key_Tab, Qt::ControlModifier, "\t", {ui::Key::Tab, {}}},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "", {ui::Key::Back_Tab, {}}},
        {Qt::Key_PageDown, Qt::ControlModifier, "", {ui::Key::Page_Down, {}}},
        {Qt::Key_Left, Qt::NoModifier, "", {ui::Key::Left, {}}},
        {Qt::Key_Right, Qt::KeypadModifier, "", {ui::Key::Right, {}}},
        {Qt::Key_Up, Qt::NoModifier, "", {ui::Key::Up, {}}},
        {Qt::Key_Down, Qt::NoModifier, "", {ui::Key::Down, {}}},
        {Qt::Key_Home, Qt::NoModifier, "", {ui::Key::Home, {}}},
        {Qt::Key_End, Qt::ShiftModifier, "", {ui::Key::End, {}}},
        {Qt::Key_PageUp, Qt::NoModifier, "", {ui::Key::Page_Up, {}}},
        {Qt::Key_PageDown, Qt::NoModifier, "", {ui::Key::Page_Down, {}}},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", {ui::Key::Delete, {}}},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", {std::nullopt, "\b"}},
        {Qt::Key_Return, Qt::NoModifier, "\r", {std::nullopt, "\r"}},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", {std::nullopt, "\r"}},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", {std::nullopt, "\x1b"}},
        {Qt::Key_V, Qt::ControlModifier, "\x16", {std::nullopt, "\x16"}},
        {Qt::Key_C, Qt::ControlModifier, "", {std::nullopt, "\x03"}},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "", {std::nullopt, "\x01"}},
        {Qt::Key_1, Qt::ControlModifier, "1", {}},
        {Qt::Key_5, Qt::NoModifier, "5", {std::nullopt, "5"}},
        {Qt::Key_Period, Qt::KeypadModifier, ".", {std::nullopt, "."}},
        {Qt::Key_Space, Qt::NoModifier, " ", {std::nullopt, " "}},
        {Qt::Key_Minus, Qt::NoModifier, "-", {std::nullopt, "-"}},
        {Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)), {std::nullopt, "\xE9"}},
        {Qt::Key_X, Qt::AltModifier, "x", {}},
        {Qt::Key_Tab, Qt::AltModifier, "", {}},
        {Qt::Key_F1, Qt::NoModifier, "", {}},
        {Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x20AC)), {std::nullopt, "\xE2\x82\xAC"}},
        {Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("濕"), {std::nullopt, "濕"}},
        {Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x85)), {}},
        {Qt::Key_unknown, Qt::NoModifier, "ab", {std::nullopt, "ab"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::qt::translate_key(c.qt_key, c.modifiers, c.text), c.expected)
            << "Qt key " << c.qt_key << " text " << c.text.toStdString();
}

TEST(Text, ModelTextsAreUtf8AndStrayBytesAreLatin1) {
    EXPECT_EQ(ui::qt::to_qstring("m3/kg DA"), "m3/kg DA");
    EXPECT_EQ(ui::qt::to_qstring("\xE6\x96\xB0\xE7\xB4\xB0\xE6\x98\x8E\xE9\xAB\x94"), QString::fromUtf8("新細明體"));
    EXPECT_EQ(ui::qt::to_qstring("1\xE9"
                                 "2"),
              QString("1") + QChar(0xE9) + "2");
    // A sequence cut short, an overlong form and a surrogate are no UTF-8.
    EXPECT_EQ(ui::qt::to_qstring("\xE6\x96"), QString(QChar(0xE6)) + QChar(0x96));
    EXPECT_EQ(ui::qt::to_qstring("\xC0\xAF"), QString(QChar(0xC0)) + QChar(0xAF));
    EXPECT_EQ(ui::qt::to_qstring("\xED\xA0\x80").size(), 3);
    EXPECT_EQ(ui::qt::to_qstring("\xF0\x9F\x98\x80"), QString::fromUtf8("\xF0\x9F\x98\x80"));
}

TEST(Text, PositionsMapBetweenBytesAndQtUnits) {
    // "1", a three-byte character, "2", a four-byte one (two UTF-16 units), "3".
    const std::string text =
        "1\xE4\xB8\xAD"
        "2\xF0\x9F\x98\x80"
        "3";
    struct Case {
        int byte;
        int qt;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {4, 2}, {5, 3}, {9, 5}, {10, 6}};
    for (const Case& c : cases) {
        EXPECT_EQ(ui::qt::qt_position(text, c.byte), c.qt) << "byte " << c.byte;
        EXPECT_EQ(ui::qt::byte_position(text, c.qt), c.byte) << "unit " << c.qt;
    }
    EXPECT_EQ(ui::qt::qt_position(text, 2), 2);  // inside a character: after it
    EXPECT_EQ(ui::qt::byte_position(text, 99), 10);
}

TEST(Text, CaptionsLoseTheirMnemonicsForQt) {
    EXPECT_EQ(ui::qt::caption_without_mnemonics("Lines && Curves"), "Lines && Curves");
    EXPECT_EQ(ui::qt::caption_without_mnemonics("&Set"), "Set");
    EXPECT_EQ(ui::qt::caption_without_mnemonics("Misc."), "Misc.");
}

TEST(Fonts, SizesBecomePixelSizesAt96Dpi) {
    struct Case {
        int size;
        int height;
        int pixels;
    };
    const Case cases[] = {{8, 0, 11}, {9, 0, 12}, {10, 0, 13}, {12, 0, 16}, {0, 14, 14}, {0, -13, 13}, {0, 0, 11}};
    for (const Case& c : cases) {
        ui::Font font;
        font.size = c.size;
        font.height = c.height;
        EXPECT_EQ(ui::qt::to_qfont(font).pixelSize(), c.pixels) << "size " << c.size << " height " << c.height;
    }
    ui::Font huge;
    huge.size = 2147483647;
    EXPECT_GT(ui::qt::to_qfont(huge).pixelSize(), 0);
    ui::Font styled;
    styled.bold = true;
    styled.italic = true;
    EXPECT_TRUE(ui::qt::to_qfont(styled).bold());
    EXPECT_TRUE(ui::qt::to_qfont(styled).italic());
}

TEST(Fonts, TheLayoutsFacesFindTheDebianFonts) {
    ui::qt::install_font_substitutions();
    struct Case {
        const char* face;
        const char* family;
    };
    const Case cases[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
        {"新細明體", "Noto Sans CJK TC"},
        {"細明體", "Noto Sans CJK TC"},
        {"PMingLiU", "Noto Sans CJK TC"},
        {"MingLiU", "Noto Sans CJK TC"},
        // An installed face without a substitute is taken as it is named.
        {"Liberation Serif", "Liberation Serif"},
    };
    for (const Case& c : cases) {
        ui::Font font;
        font.name = c.face;
        EXPECT_EQ(QFontInfo(ui::qt::to_qfont(font)).family(), c.family) << c.face;
    }
}

// The family that draws each run of a text in the font, as Qt's fallback picks it, in lower case.
std::vector<QString> drawing_families(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<QString> families;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (const quint32 glyph : run.glyphIndexes()) {
            EXPECT_NE(glyph, 0u) << text.toStdString() << " has a missing glyph in "
                                 << run.rawFont().familyName().toStdString();
        }
        families.push_back(run.rawFont().familyName().toLower());
    }
    return families;
}

// Chinese characters take the Traditional Chinese shapes, and the tilde operator of the range
// hints, which Noto Sans CJK lacks, comes from DejaVu Sans.
TEST(Fonts, TheLayoutsFaceDrawsTraditionalChineseAndTheTildeOperator) {
    ui::qt::install_font_substitutions();
    ui::Font font;
    font.size = 0;
    font.height = -11;
    const QFont shown = ui::qt::to_qfont(font);
    struct Case {
        const char* text;
        const char* family;
    };
    const Case cases[] = {{"Psy", "liberation sans"}, {"濕氣圖", "noto sans cjk tc"}, {"∼", "dejavu sans"}};
    for (const Case& c : cases)
        EXPECT_EQ(drawing_families(shown, QString::fromUtf8(c.text)), std::vector<QString>{c.family}) << c.text;
}

TEST(Colors, ModelColoursAndSystemColoursOnScreen) {
    struct Case {
        ui::Color color;
        QColor shown;
    };
    const Case cases[] = {
        {ui::rgb(0x12, 0x34, 0x56), QColor(0x12, 0x34, 0x56)},
        {ui::Color_Black, Qt::black},
        {ui::Color_White, Qt::white},
        {ui::Color_Button_Face, QColor(0xF0, 0xF0, 0xF0)},
        {ui::Color_Window, Qt::white},
        {ui::Color_Window_Text, Qt::black},
        {ui::Color_Info_Background, QColor(0xFF, 0xFF, 0xE1)},
        {ui::Color_Highlight, QColor(0x00, 0x78, 0xD7)},
        {ui::Color_Highlight_Text, Qt::white},
        {ui::Color_Button_Highlight, Qt::white},
        {ui::Color_Inactive_Caption_Text, QColor(0xC0, 0xC0, 0xC0)},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::qt::to_qcolor(c.color), c.shown) << std::hex << c.color;
}

TEST(Mouse, PositionsFloorToThePixelUnderThePointer) {
    struct Case {
        double coordinate;
        int pixel;
    };
    const Case cases[] = {{0.0, 0}, {10.99, 10}, {-0.01, -1}, {-3.0, -3}, {1e300, 1 << 24}, {-1e300, -(1 << 24)}};
    for (const Case& c : cases) EXPECT_EQ(ui::qt::whole_pixel(c.coordinate), c.pixel) << c.coordinate;
    EXPECT_EQ(ui::qt::whole_pixel(std::nan("")), 0);
}
