// frmMainCode: the program's home window. Loaded once at start (hidden), shown
// by the start window, and kept until the exit procedure; closing it only
// hides it, and the tray icon brings it back.
//
// It owns what lives for the whole run: the values read at load (folders,
// versions, statistics, schedule), the notification queue, the skin, the tray
// icon and its menu, and the status panel in which cleaning passes run. The
// pass itself is the engine's; this window is its view.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>

#include "engine/pass_types.h"
#include "engine/pass_view.h"
#include "mainwindow/program.h"
#include "mainwindow/skin.h"
#include "mainwindow/tray.h"
#include "notify/notification_queue.h"
#include "platform/window.h"

namespace mainwindow {

inline constexpr const char* kCommand1ToolTip =
    "It's highly recommended that you shut down all other programs when erase the "
    "tracks,Kestrane can not erase the files which being used by other programs.";

class FrmMainCode : public platform::Window, private engine::PassView {
 public:
  // Child controls, by their designer names; the value is the control id
  // (scripts/screenshots.sh presses a few of them by number).
  enum class Ctl : int {
    Picture1 = 1001,  // navigation bar
    Image1,
    Label1,
    Image2,
    Label2,
    Image3,
    Label3,
    Image4,
    Label4,
    Image5,
    Label5,
    Image6,
    Label6,
    Image9,
    Label13,
    Image10,
    Label7,
    Frame2,  // welcome panel
    Frame1,
    Picture2,
    SkinLabel3,
    SkinLabel2,
    SkinLabel1,
    Frame5,
    Picture6,
    Picture4,
    SkinLabel7,
    SkinLabel8,
    SkinLabel6,
    SkinLabel9,
    Frame4,  // status panel
    ListView1,
    coolprogressbar1,
    SkinLabel5,
    Command1,
    Command2,
    Frame3,  // statistics panel
    SkinLabel10,
    Label12,
    Label14,
    Frame6,
    Picture5,  // banner
    Picture3,
    Label51,  // bottom strip
  };

  // Menu and tray menu items, by their designer names.
  enum class Cmd : int {
    CleanNow1 = 101,
    CleanSettings,
    CleanOptions,
    exit,
    CleanRegistry = 111,
    SearchandErase,
    FileShredder,
    help1 = 121,
    OurWebsite,
    friend_ /* "friend" is taken by C++ */,
    affiliate,
    about,
    web = 131,
    help2,
    options1,
    settings1,
    restore1,
    cleannow2,
    exit1,
  };

  // Ways out of this window into the rest of the program.
  struct Hooks {
    std::function<void()> unloadSplash;  // the start window, if still loaded
    // Ends the program at once. Empty: ends the message loop.
    std::function<void()> endProgram;
  };

  explicit FrmMainCode(const Program& program);
  ~FrmMainCode() override;

  void SetHooks(Hooks hooks);

  // Creates the window without showing it and runs its load steps.
  bool Load();
  // Shows it modeless, in whatever state (normal or minimized) it has.
  void Show();
  // Shows it in normal state (the tray's left click and "Restore").
  void Restore();

  // The menu bar's shortcuts, for the message loop.
  HACCEL accelerators() const { return accelerators_; }

  // Operations other parts of the program call.
  void CleanNow();
  void ClearSelections();
  std::string GetIEVersion();
  void ExitProcedure();

  // Values read at load and kept for the run.
  const engine::PassEnvironment& environment() const { return environment_; }
  short NotifyOnFinish() const { return notifyOnFinish_; }
  void SetNotifyOnFinish(short value) { notifyOnFinish_ = value; }
  const std::array<std::string, 7>& scheduleDays() const { return scheduleDays_; }
  const std::string& scheduleTime() const { return scheduleTime_; }
  double registryCount() const { return registryCount_; }
  double byteCount() const { return byteCount_; }
  bool bossKeyWanted() const { return bossKeyWanted_; }
  notify::NotificationQueue& notificationQueue() { return notificationQueue_; }
  Skin& skin() { return skin_; }
  const TrayIcon& trayIcon() const { return tray_; }

  HWND Control(Ctl control) const;
  HMENU trayMenu() const { return mPopupSys_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Building the window.
  void CreateControls();
  void CreateNavigationBar();
  void CreateWelcomePanel();
  void CreateStatusPanel();
  void CreateStatisticsPanel();
  void CreateBannerAndStrip();
  void CreateMenus();
  HWND AddControl(Ctl id, HWND parent, const char* className, const std::string& text, DWORD style,
                  int x, int y, int width, int height);
  HWND Remember(Ctl id, HWND control);

  // Load steps.
  void Form_Load();
  void LoadStatistics();

  // Window events.
  void Form_QueryUnload();
  void Form_Activate();
  void Form_MouseMove(int x);
  void OnCommand(int id, int code, HWND control);
  void OnTimer(UINT_PTR timer);

  // Handlers named after their control and event.
  void Image1_Click();
  void Image2_Click();
  void Image3_Click();
  void Image4_Click();
  void Image5_Click();
  void Image6_Click();
  void Image9_Click();
  void Image10_Click();
  void Image_MouseMove(int index);
  void Picture1_MouseMove();
  void Picture2_Click();
  void Label51_Click();
  void Command1_Click();
  void Command2_Click();
  void Timer1_Timer();
  void tmrShowPopup_Timer();
  void CleanNow1_Click();
  void cleannow2_Click();
  void restore1_Click();
  void ShowTrayMenu();

  // Windows that come with later work.
  void ShowFrmsettings();
  void ShowFrmoption();
  void ShowFrmLocate();
  void ShowFrmabout();

  void StartSiblingTool(const char* fileName);
  void ShowPanel(Ctl shown, Ctl hidden);

  // engine::PassView
  void BeginPass() override;
  void ClearRows() override;
  void AddRow(const std::string& caption, const std::string& status) override;
  void SetRowStatus(const std::string& status) override;
  void SetProgress(int value) override;
  void SetStatusLine(const std::string& text) override;
  void Pump() override;
  void EndPass() override;
  void Report(const engine::PassReport& report) override;
  void ShowStatistics(const engine::PassStatistics& statistics) override;
  void ShowMainWindow() override;
  void ExitProgram() override;

  Program program_;
  Hooks hooks_;
  Skin skin_;  // Skin1
  TrayIcon tray_;
  notify::NotificationQueue notificationQueue_;
  // The popup being shown (m_NotificationWindow); none until popups exist.
  notify::ShownNotification* m_NotificationWindow = nullptr;

  engine::PassEnvironment environment_;
  short notifyOnFinish_ = 0;
  std::array<std::string, 7> scheduleDays_;
  std::string scheduleTime_;
  double registryCount_ = 0;
  double byteCount_ = 0;
  bool bossKeyWanted_ = false;
  // The window procedure the boss key replaced, put back by the exit procedure.
  WNDPROC previousWindowProc_ = nullptr;

  std::map<int, HWND> controls_;
  std::array<HWND, 8> images_{};
  HMENU menuBar_ = nullptr;
  HMENU mPopupSys_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HWND toolTip_ = nullptr;
  int currentRow_ = -1;
  bool waitCursor_ = false;
  bool exiting_ = false;
};

}  // namespace mainwindow
