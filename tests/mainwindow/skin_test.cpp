#include "mainwindow/skin.h"

#include "main_window_fixture.h"

#include <commctrl.h>

#include "mainwindow/frmsplash.h"

namespace mainwindow_tests {
namespace {

using mainwindow::SkinPart;
using testing_support::MessageRecorder;

constexpr COLORREF kPanel = RGB(0x12, 0x34, 0x56);
constexpr COLORREF kText = RGB(0xAB, 0xCD, 0xEF);
constexpr COLORREF kAccent = RGB(0x2D, 0x6C, 0xB0);

const char kSkin[] =
    "[Skin]\r\nName=Test\r\nPanel=#123456\r\nText=#abcdef\r\nAccent=#2D6CB0\r\nFace=blue\r\n";

TEST(SkinColour, IsHashAndSixHexDigits) {
  const std::pair<const char*, bool> cases[] = {
      {"#2D6CB0", true},   {"#2d6cb0", true},  {"2D6CB0", false}, {"#2D6CB", false},
      {"#2D6CB00", false}, {"#GG0000", false}, {"", false},       {"#2D 6CB", false}};
  for (const auto& [text, valid] : cases) {
    SCOPED_TRACE(text);
    COLORREF colour = 0;
    EXPECT_EQ(mainwindow::ParseSkinColour(text, &colour), valid);
    if (valid) {
      EXPECT_EQ(colour, kAccent);
    }
  }
}

TEST(Skin, ColoursComeFromTheFileAndThePlatformFillsTheRest) {
  testing_support::ScratchFolder folder;
  mainwindow::Skin skin;
  skin.Load(folder.path());
  EXPECT_FALSE(skin.loaded());
  EXPECT_EQ(skin.Colour(SkinPart::Panel), GetSysColor(COLOR_BTNFACE));

  testing_support::WriteFile(folder / "skins\\frmmain.skn", kSkin);
  skin.Load(folder.path());
  EXPECT_TRUE(skin.loaded());
  EXPECT_EQ(skin.Colour(SkinPart::Panel), kPanel);
  EXPECT_EQ(skin.Colour(SkinPart::Text), kText);
  // Malformed and missing colours keep the platform's.
  EXPECT_EQ(skin.Colour(SkinPart::Face), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(skin.Colour(SkinPart::NavBar), mainwindow::Skin::DefaultColour(SkinPart::NavBar));

  LOGBRUSH brush{};
  GetObjectA(skin.Brush(SkinPart::Panel), sizeof(brush), &brush);
  EXPECT_EQ(brush.lbColor, kPanel);
}

// What a label on the welcome panel is painted with: its text colour and the
// brush and colour of its background.
struct LabelColours {
  COLORREF text;
  COLORREF background;
};

LabelColours ColoursOf(HWND label) {
  HDC dc = GetDC(label);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(label), WM_CTLCOLORSTATIC,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(label)));
  LOGBRUSH info{};
  GetObjectA(brush, sizeof(info), &info);
  LabelColours colours{GetTextColor(dc), info.lbColor};
  ReleaseDC(label, dc);
  return colours;
}

TEST_F(MainWindowTest, WithASkinFileTheMainWindowWearsItsColours) {
  testing_support::WriteFile(folder() / "skins\\frmmain.skn", kSkin);
  MessageRecorder messages;
  Load();
  const LabelColours label = ColoursOf(Control(Ctl::SkinLabel2));
  EXPECT_EQ(label.text, kText);
  EXPECT_EQ(label.background, kPanel);
  EXPECT_EQ(mainwindow::SkinColour(Control(Ctl::Frame2), SkinPart::Accent), kAccent);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(Control(Ctl::ListView1), LVM_GETBKCOLOR, 0, 0)),
            kPanel);
  EXPECT_TRUE(main().skin().loaded());
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MainWindowTest, WithoutASkinFileTheMainWindowKeepsThePlatformColours) {
  MessageRecorder messages;
  Load();
  const LabelColours label = ColoursOf(Control(Ctl::SkinLabel2));
  EXPECT_EQ(label.text, GetSysColor(COLOR_BTNTEXT));
  EXPECT_EQ(label.background, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(Control(Ctl::ListView1), LVM_GETBKCOLOR, 0, 0)),
            GetSysColor(COLOR_WINDOW));
  EXPECT_FALSE(main().skin().loaded());
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MainWindowTest, TheStartWindowWearsTheSkinToo) {
  testing_support::WriteFile(folder() / "skins\\frmmain.skn", kSkin);
  mainwindow::Frmsplash splash(mainwindow::Program{folder().path(), ""}, {});
  ASSERT_TRUE(splash.Load());
  EXPECT_EQ(mainwindow::SkinColour(splash.hwnd(), SkinPart::Accent), kAccent);
  splash.Unload();
}

}  // namespace
}  // namespace mainwindow_tests
