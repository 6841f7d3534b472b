#include "platform/fake/FakeServices.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Text.h"
#include "platform/controls/Control.h"

namespace nevra::fake {

void TFakeWindowOps::SetBounds(const TRect& ABounds) {
  Bounds = ABounds;
  Calls.push_back("SetBounds");
}

void TFakeWindowOps::Show() {
  Visible = true;
  Calls.push_back("Show");
}

void TFakeWindowOps::Hide() {
  Visible = false;
  Calls.push_back("Hide");
}

void TFakeWindowOps::SetTopMost(bool ATopMost) {
  TopMost = ATopMost;
  Calls.push_back(ATopMost ? "SetTopMost:1" : "SetTopMost:0");
}

void TFakeWindowOps::ShowTopMostAt(const TRect& ABounds) {
  Bounds = ABounds;
  Visible = true;
  TopMost = true;
  Calls.push_back("ShowTopMostAt");
}

TMessageResult TFakeDialogs::ShowMessage(TMessageKind AKind, const std::string& AText) {
  Shown.push_back({AKind, AText});
  if (WhileOpen) WhileOpen();
  if (!Answers.empty()) {
    const TMessageResult Answer = Answers.front();
    Answers.pop_front();
    return Answer;
  }
  return AKind == TMessageKind::mkConfirmation ? TMessageResult::mrYes : TMessageResult::mrOk;
}

bool TFakeDialogs::InputText(const std::string& ACaption, const std::string& APrompt, std::string& AValue) {
  Inputs.push_back({ACaption, APrompt, AValue});
  if (Typed.empty()) return false;
  AValue = Typed.front();
  Typed.pop_front();
  return true;
}

uint32_t TFakeRandom::Next(uint32_t ABound) {
  Bounds.push_back(ABound);
  if (!Script.empty()) {
    FLast = Script.front();
    Script.pop_front();
  }
  return FLast % ABound;
}

void TFakeApplication::ApplyVisualStyle(const std::string& AStyleName) {
  Calls.push_back("ApplyVisualStyle:" + AStyleName);
  if (!StyleError.empty()) throw std::runtime_error(StyleError);
}

void TFakeApplication::SetTitle(const std::string& ATitle) {
  FTitle = ATitle;
  Calls.push_back("SetTitle:" + ATitle);
}

void TFakeApplication::CreateMainWindow(TForm& AForm) {
  MainForm = &AForm;
  Calls.push_back("CreateMainWindow");
}

void TFakeApplication::RunMessageLoop() {
  Calls.push_back("RunMessageLoop");
  if (MainForm == nullptr) throw std::logic_error("message loop without a main window");
  if (WhileLooping) WhileLooping(*MainForm);
  MainForm->CloseQuery();
}

}  // namespace nevra::fake

namespace nevra::fake {

void TFakeApplication::ShowModal(TForm& AForm) {
  Calls.push_back("ShowModal:" + AForm.Name());
  AForm.Show();
  if (WhileModal) WhileModal(AForm);
  if (!AForm.Closed()) throw std::logic_error("the modal window " + AForm.Name() + " was left open");
}

void TFakeApplication::EndSession() {
  Calls.push_back("EndSession");
  if (FSessionEnd) FSessionEnd();
}

bool TFakeHotkeys::Register(int32_t AId, uint32_t AModifiers, uint32_t AVk, std::function<void()> AOnPress) {
  Calls.push_back("Register:" + std::to_string(AId));
  const uint32_t Plain = AModifiers & ~HotkeyModifiers::NoRepeat;
  if (TakenByOthers.count({Plain, AVk}) || Registered.count(AId) || HandlerFor(Plain, AVk)) return false;
  Registered[AId] = {AModifiers, AVk};
  FHandlers[AId] = std::move(AOnPress);
  return true;
}

void TFakeHotkeys::Unregister(int32_t AId) {
  Calls.push_back("Unregister:" + std::to_string(AId));
  Registered.erase(AId);
  FHandlers.erase(AId);
}

std::string TFakeHotkeys::KeyName(uint32_t AVk) {
  const auto Found = LayoutNames.find(AVk);
  return Found == LayoutNames.end() ? std::string() : Found->second;
}

std::function<void()> TFakeHotkeys::HandlerFor(uint32_t AModifiers, uint32_t AVk) const {
  for (const auto& [Id, Registration] : Registered)
    if ((Registration.Modifiers & ~HotkeyModifiers::NoRepeat) == AModifiers && Registration.Vk == AVk)
      return FHandlers.at(Id);
  return nullptr;
}

std::string TFakeEnvironment::GetVariable(const std::string& AName) {
  const auto Found = Variables.find(AName);
  return Found == Variables.end() ? std::string() : Found->second;
}

std::optional<std::string> TFakeFileSystem::ReadFile(const std::string& APath) {
  const auto Found = Files.find(APath);
  if (Found == Files.end() || Unreadable.count(APath)) return std::nullopt;
  return Found->second;
}

std::optional<std::string> TFakeFileSystem::ReadFileStart(const std::string& APath, size_t AMaxBytes) {
  auto Content = ReadFile(APath);
  if (Content) Content->resize(std::min(Content->size(), AMaxBytes));
  return Content;
}

bool TFakeFileSystem::CreateDirectories(const std::string& APath) {
  if (FoldersFail) return false;
  Folders.insert(APath);
  return true;
}

void TFakeFileSystem::WriteFileAtomically(const std::string& APath, const std::string& AContent) {
  const auto Slash = APath.rfind('\\');
  if (Unwritable.count(APath) || (Slash != std::string::npos && !Folders.count(APath.substr(0, Slash))))
    throw EFileError("cannot write " + APath);
  Files[APath] = AContent;
  ++Writes;
  if (AfterChange) AfterChange();
}

}  // namespace nevra::fake

namespace nevra::fake {

std::vector<std::string> TFakeFileSystem::ListFiles(const std::string& AFolder, const std::string& AExtension) {
  if (Unlistable.count(AFolder)) throw EFileError("cannot list " + AFolder);
  std::vector<std::string> Names;
  const std::string Prefix = AFolder + "\\";
  for (const auto& [Path, Content] : Files) {
    if (Path.rfind(Prefix, 0) != 0) continue;
    const std::string Name = Path.substr(Prefix.size());
    if (Name.find('\\') != std::string::npos || Name.size() < AExtension.size()) continue;
    if (SameTextAscii(std::string_view(Name).substr(Name.size() - AExtension.size()), AExtension))
      Names.push_back(Name);
  }
  return Names;
}

namespace {
class TFakeOutputFile final : public IOutputFile {
 public:
  explicit TFakeOutputFile(std::string& AContent) : FContent(AContent) {}
  void Write(std::string_view ABytes) override { FContent.append(ABytes); }
  void Close() override {}

 private:
  std::string& FContent;
};
}  // namespace

std::unique_ptr<IOutputFile> TFakeFileSystem::CreateOutputFile(const std::string& APath) {
  if (Unwritable.count(APath)) throw EFileError("cannot create " + APath);
  std::string& Content = Files[APath];
  Content.clear();
  return std::make_unique<TFakeOutputFile>(Content);
}

void TFakeFileSystem::RemoveFile(const std::string& APath) {
  if (Undeletable.count(APath) || !Files.count(APath)) throw EFileError("cannot delete " + APath);
  Files.erase(APath);
  if (AfterChange) AfterChange();
}

void TFakeFileSystem::RenameFile(const std::string& AFrom, const std::string& ATo) {
  if (Undeletable.count(AFrom) || !Files.count(AFrom) || Files.count(ATo))
    throw EFileError("cannot rename " + AFrom + " to " + ATo);
  Files[ATo] = std::move(Files[AFrom]);
  Files.erase(AFrom);
  if (AfterChange) AfterChange();
}

}  // namespace nevra::fake

namespace nevra::fake {

bool TFakeMouseHook::Install(TMouseHookProc AProc) {
  ++Installs;
  FProc = Refuse ? nullptr : std::move(AProc);
  return !Refuse;
}

}  // namespace nevra::fake
