#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Hotkeys.h"
#include "platform/KeyboardHook.h"
#include "platform/KeyboardInput.h"
#include "platform/Locale.h"
#include "platform/MouseHook.h"
#include "platform/MouseInput.h"
#include "platform/Random.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"
#include "platform/WindowOps.h"
#include "platform/fake/FakeTime.h"
#include "product/AppInfo.h"

namespace nevra::fake {

// Every record the fake mouse and keyboard inputs sent, in the order they went out, so a test
// sees keys and mouse records interleaved as the system would get them.
struct TFakeSentInput {
  std::variant<TMouseInputRecord, TKeyInputRecord> Input;
  uint64_t AtMs;  // virtual time of the SendInput call
};
using TFakeInputLog = std::vector<TFakeSentInput>;

class TFakeMouseInput final : public IMouseInput {
 public:
  TFakeMouseInput(TFakeTime& ATime, TFakeInputLog& ALog) : FTime(ATime), FLog(ALog) {}
  struct TSent {
    TMouseInputRecord Record;
    uint64_t AtMs;  // virtual time of the SendInput call
  };
  const std::vector<TSent>& Sent() const { return FSent; }
  // Forgets what was sent, the keys in the shared log too.
  void ClearSent() {
    FSent.clear();
    FLog.clear();
  }

  TPoint Cursor{400, 300};
  bool CursorReadable = true;
  TVirtualDesktop Desktop{0, 0, 1920, 1080};
  // What each SendInput call costs in time (the real call takes a fraction of a millisecond).
  uint64_t CostMicroseconds = 0;

  using IMouseInput::SendMouseInput;
  void SendMouseInput(std::span<const TMouseInputRecord> ARecords) override {
    for (const TMouseInputRecord& Record : ARecords) {
      FSent.push_back({Record, FTime.Now()});
      FLog.push_back({Record, FTime.Now()});
    }
    FTime.Spend(CostMicroseconds);
  }
  bool GetCursorPos(TPoint& APoint) override {
    if (CursorReadable) APoint = Cursor;
    return CursorReadable;
  }
  TVirtualDesktop GetVirtualDesktop() override { return Desktop; }

 private:
  TFakeTime& FTime;
  TFakeInputLog& FLog;
  std::vector<TSent> FSent;
};

class TFakeKeyboardInput final : public IKeyboardInput {
 public:
  TFakeKeyboardInput(TFakeTime& ATime, TFakeInputLog& ALog) : FTime(ATime), FLog(ALog) {}
  void SendKeyInput(const TKeyInputRecord& ARecord) override { FLog.push_back({ARecord, FTime.Now()}); }
  // A layout of its own: every key's scan code is its virtual key plus kScanCodeOffset, so a test
  // tells the two apart.
  static constexpr uint16_t kScanCodeOffset = 0x100;
  uint16_t ScanCodeOf(uint32_t AVk) override { return static_cast<uint16_t>(AVk + kScanCodeOffset); }

 private:
  TFakeTime& FTime;
  TFakeInputLog& FLog;
};

class TFakeWindowOps final : public IWindowOps {
 public:
  TRect Bounds{100, 100, 100 + 575, 100 + 614};
  bool Visible = false;
  bool TopMost = false;
  TRect WorkArea{0, 0, 1920, 1040};
  int32_t Caption = 23;
  int32_t SizingFrame = 4;
  // Every call, in order, for tests that care about the sequence.
  std::vector<std::string> Calls;

  TRect GetBounds() override { return Bounds; }
  void SetBounds(const TRect& ABounds) override;
  bool IsVisible() override { return Visible; }
  void Show() override;
  void Hide() override;
  void SetTopMost(bool ATopMost) override;
  void ShowTopMostAt(const TRect& ABounds) override;
  void RestoreApplication() override { Calls.push_back("RestoreApplication"); }
  void BringToForeground() override { Calls.push_back("BringToForeground"); }
  TRect GetWorkArea() override { return WorkArea; }
  // The control ControlIdAt finds at a screen point, by its window id.
  std::map<std::pair<int32_t, int32_t>, int32_t> ControlIds;
  int32_t ControlIdAt(const TPoint& APoint) override {
    const auto Found = ControlIds.find({APoint.X, APoint.Y});
    return Found == ControlIds.end() ? 0 : Found->second;
  }
  int32_t CaptionHeight() override { return Caption; }
  int32_t SizingFrameHeight() override { return SizingFrame; }
};

class TFakeDialogs final : public IDialogs {
 public:
  struct TShown {
    TMessageKind Kind;
    std::string Text;
  };
  std::vector<TShown> Shown;
  // Answers given in order; OK (or Yes for a confirmation) once they run out.
  std::deque<TMessageResult> Answers;
  // Runs while a box is open, as the nested loop of a real modal box would run other handlers.
  std::function<void()> WhileOpen;

  TMessageResult ShowMessage(TMessageKind AKind, const std::string& AText) override;

  struct TInput {
    std::string Caption, Prompt, Initial;
  };
  std::vector<TInput> Inputs;
  // What the user types into each text-input dialog, in order; nothing left means Cancel.
  std::deque<std::string> Typed;
  bool InputText(const std::string& ACaption, const std::string& APrompt, std::string& AValue) override;
  void SetTranslator(std::function<std::string(const std::string&)> ATranslate) override {
    Translator = std::move(ATranslate);
  }
  std::function<std::string(const std::string&)> Translator;
};

class TFakeShell final : public IShell {
 public:
  std::vector<std::string> Opened;
  std::vector<std::string> Started;
  void Open(const std::string& ATarget) override { Opened.push_back(ATarget); }
  void Start(const std::string& AFile) override { Started.push_back(AFile); }
};

// Draws the scripted values in order, then repeats the last one (0 if none is scripted).
class TFakeRandom final : public IRandom {
 public:
  std::deque<uint32_t> Script;
  std::vector<uint32_t> Bounds;  // the bound of every draw
  uint32_t Next(uint32_t ABound) override;

 private:
  uint32_t FLast = 0;
};

class TFakeApplication final : public IApplication {
 public:
  std::vector<std::string> Calls;
  std::string StyleError;  // when set, applying the style throws this
  TForm* MainForm = nullptr;
  // What the user does while the message loop runs; closes the window by default.
  std::function<void(TForm&)> WhileLooping;

  void Initialize() override { Calls.push_back("Initialize"); }
  void ApplyVisualStyle(const std::string& AStyleName) override;
  void SetTitle(const std::string& ATitle) override;
  std::string Title() const override { return FTitle; }
  void CreateMainWindow(TForm& AForm) override;
  void RunMessageLoop() override;
  void DestroyMainWindow() override { Calls.push_back("DestroyMainWindow"); }
  // Runs the form's FormShow, then WhileModal (what the user does); the form must have closed
  // by then, as a real modal loop would not return before.
  void ShowModal(TForm& AForm) override;
  std::function<void(TForm&)> WhileModal;
  void SetSessionEndHandler(std::function<void()> AHandler) override { FSessionEnd = std::move(AHandler); }
  // Windows ends the session while the message loop runs.
  void EndSession();

 private:
  std::string FTitle;
  std::function<void()> FSessionEnd;
};

class TFakeHotkeys final : public IHotkeys {
 public:
  struct TRegistration {
    uint32_t Modifiers;
    uint32_t Vk;
    friend bool operator==(const TRegistration&, const TRegistration&) = default;
  };
  // What the system holds now, by id. Keys it refuses (taken by another program, or registered
  // already under another id, as Windows refuses them) are never held.
  std::map<int32_t, TRegistration> Registered;
  std::set<std::pair<uint32_t, uint32_t>> TakenByOthers;  // (modifiers, vk), no-repeat bit ignored
  std::vector<std::string> Calls;
  std::map<uint32_t, std::string> LayoutNames;
  // The keys the user holds down now.
  std::set<uint32_t> DownKeys;

  bool Register(int32_t AId, uint32_t AModifiers, uint32_t AVk, std::function<void()> AOnPress) override;
  void Unregister(int32_t AId) override;
  std::string KeyName(uint32_t AVk) override;
  bool KeyDown(uint32_t AVk) override { return DownKeys.contains(AVk); }
  // The handler a key combination would run, if one is registered for it.
  std::function<void()> HandlerFor(uint32_t AModifiers, uint32_t AVk) const;

 private:
  std::map<int32_t, std::function<void()>> FHandlers;
};

class TFakeEnvironment final : public IEnvironment {
 public:
  std::map<std::string, std::string> Variables{{"APPDATA", "C:\\Users\\Tester\\AppData\\Roaming"}};
  std::string ExeFolder = std::string("C:\\Program Files\\") + kApplicationTitle;
  std::string GetVariable(const std::string& AName) override;
  std::string Temp = "C:\\Users\\Tester\\AppData\\Local\\Temp";
  std::string ExecutableFolder() override { return ExeFolder; }
  std::string TempFolder() override { return Temp; }
};

// Files in memory by exact path; folders are remembered as they are made.
class TFakeFileSystem final : public IFileSystem {
 public:
  std::map<std::string, std::string> Files;
  std::set<std::string> Folders;
  std::set<std::string> Unreadable;   // exist, but cannot be read
  std::set<std::string> Unwritable;   // writes throw
  std::set<std::string> Undeletable;  // deletes and renames throw
  std::set<std::string> Unlistable;   // folders that cannot be listed
  bool FoldersFail = false;
  int Writes = 0;
  // Runs after each step that changes a file (a whole write, a rename, a delete): the states a
  // program cut short could leave.
  std::function<void()> AfterChange;

  bool FileExists(const std::string& APath) override { return Files.count(APath) || Unreadable.count(APath); }
  std::optional<std::string> ReadFile(const std::string& APath) override;
  std::optional<std::string> ReadFileStart(const std::string& APath, size_t AMaxBytes) override;
  bool CreateDirectories(const std::string& APath) override;
  void WriteFileAtomically(const std::string& APath, const std::string& AContent) override;
  // In the order the names sort, as NTFS lists them.
  std::vector<std::string> ListFiles(const std::string& AFolder, const std::string& AExtension) override;
  void RemoveFile(const std::string& APath) override;
  void RenameFile(const std::string& AFrom, const std::string& ATo) override;
  // The bytes land in Files as they are written; Unwritable paths cannot be created.
  std::unique_ptr<IOutputFile> CreateOutputFile(const std::string& APath) override;
};

class TFakeMouseHook final : public IMouseHook {
 public:
  bool Refuse = false;  // the system refuses the hook
  int Installs = 0;
  bool Install(TMouseHookProc AProc) override;
  void Remove() override { FProc = nullptr; }
  bool Installed() const override { return static_cast<bool>(FProc); }
  // The system sees a mouse message: it reaches the hook procedure, if one is installed. True
  // when the procedure took it (no window receives it).
  bool Send(uint32_t AMessage, int32_t AX, int32_t AY, int32_t AData = 0) const {
    // A copy: the procedure may remove the hook.
    const TMouseHookProc Proc = FProc;
    return Proc && Proc(TMouseHookEvent{AMessage, AX, AY, AData});
  }

 private:
  TMouseHookProc FProc;
};

class TFakeKeyboardHook final : public IKeyboardHook {
 public:
  bool Install(TKeyboardHookProc AProc) override {
    FProc = std::move(AProc);
    return true;
  }
  void Remove() override { FProc = nullptr; }
  bool Installed() const override { return static_cast<bool>(FProc); }
  // The system sees a key event: it reaches the hook procedure, if one is installed. True when
  // the procedure took it.
  bool Send(const TKeyEvent& AEvent) const {
    const TKeyboardHookProc Proc = FProc;  // the procedure may remove the hook
    return Proc && Proc(AEvent);
  }

 private:
  TKeyboardHookProc FProc;
};

// Other copies of the program in the same session, in memory.
class TFakeSingleInstance final : public ISingleInstance {
 public:
  // Another copy holds the session; Forward asks FirstCopy for its answer.
  bool OtherCopyRuns = false;
  std::function<std::optional<int>(const std::vector<std::string>&)> FirstCopy;
  std::vector<std::vector<std::string>> Forwarded;

  bool Claim() override { return !OtherCopyRuns; }
  std::optional<int> Forward(const std::vector<std::string>& AArguments) override {
    Forwarded.push_back(AArguments);
    return FirstCopy ? FirstCopy(AArguments) : std::nullopt;
  }
  void SetReceiver(std::function<int(const std::vector<std::string>&)> AReceiver) override {
    Receiver = std::move(AReceiver);
  }
  // A later copy starts with these arguments: they reach this copy's receiver.
  std::optional<int> StartAnother(const std::vector<std::string>& AArguments) const {
    if (!Receiver) return std::nullopt;
    return Receiver(AArguments);
  }
  std::function<int(const std::vector<std::string>&)> Receiver;
};

class TFakeLocale final : public ILocale {
 public:
  std::string Separator = ".";
  uint16_t UILanguage = 0x0409;  // English (United States)
  std::string DecimalSeparator() override { return Separator; }
  uint16_t SystemDefaultUILanguage() override { return UILanguage; }
};

class TFakeRegistry final : public IRegistry {
 public:
  // By key path and value name.
  std::map<std::pair<std::string, std::string>, std::string> Values;
  bool ReadOnly = false;
  std::optional<std::string> ReadString(const std::string& AKey, const std::string& AName) override {
    const auto Found = Values.find({AKey, AName});
    if (Found == Values.end()) return std::nullopt;
    return Found->second;
  }
  bool WriteString(const std::string& AKey, const std::string& AName, const std::string& AValue) override {
    if (ReadOnly) return false;
    Values[{AKey, AName}] = AValue;
    return true;
  }
};

}  // namespace nevra::fake
