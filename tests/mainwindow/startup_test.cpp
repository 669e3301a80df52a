#include "mainwindow/startup.h"

#include <gtest/gtest.h>

#include "mainwindow/frmmaincode.h"
#include "mainwindow/frmsplash.h"
#include "platform/pump.h"
#include "support/scratch.h"

namespace {

TEST(Startup, StartWindowShowsForTwoSecondsThenTheMainWindow) {
  testing_support::ScratchFolder folder;
  mainwindow::Program program{folder.path(), ""};

  const ULONGLONG started = GetTickCount64();
  Normal::Started windows = Normal::Main(program);
  ASSERT_TRUE(windows.splash && windows.splash->hwnd());
  ASSERT_TRUE(windows.main && windows.main->hwnd()) << "the main window loads at once";
  EXPECT_TRUE(IsWindowVisible(windows.splash->hwnd()));
  EXPECT_FALSE(IsWindowVisible(windows.main->hwnd()));
  char caption[64] = {};
  GetWindowTextA(windows.splash->hwnd(), caption, sizeof(caption));
  EXPECT_STREQ(caption, "Murvane");

  // Run the message loop until the main window appears (or give up after 10 s).
  while (!IsWindowVisible(windows.main->hwnd()) && GetTickCount64() - started < 10000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    platform::DoEvents();
  }
  const ULONGLONG elapsed = GetTickCount64() - started;
  EXPECT_TRUE(IsWindowVisible(windows.main->hwnd()));
  EXPECT_GE(elapsed, 1900u);
  EXPECT_LT(elapsed, 6000u);
  EXPECT_EQ(windows.splash->hwnd(), nullptr) << "the start window is gone";
  GetWindowTextA(windows.main->hwnd(), caption, sizeof(caption));
  EXPECT_STREQ(caption, "Murvane V6.10");
}

}  // namespace
