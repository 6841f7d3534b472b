#include "ControlLookup.h"

#include <map>
#include <stdexcept>

#include "app/HotkeysForm.h"
#include "app/MainForm.h"
#include "platform/controls/ControlIds.h"
#include "platform/fake/FakePlatform.h"
#include "update/NewVersionForm.h"

namespace nevra::tools {

namespace {

// The ids of a form's controls, numbered in the order its constructor lays them out, as the
// native view numbers them.
std::map<std::string, int> IdsOf(const TForm& AForm) {
  std::map<std::string, int> Ids;
  const auto& Controls = AForm.Controls();
  for (size_t Index = 0; Index < Controls.size(); ++Index) Ids.emplace(Controls[Index]->Name(), ControlIdAt(Index));
  return Ids;
}

int Lookup(const std::map<std::string, int>& AIds, const std::string& AName, const char* AWindow) {
  const auto Found = AIds.find(AName);
  if (Found == AIds.end()) throw std::invalid_argument(std::string(AWindow) + " has no control named " + AName);
  return Found->second;
}

// Builds the main form on the in-memory platform.
std::map<std::string, int> ReadControlIds() {
  fake::TFakePlatform Platform;
  TFrmMain Form(Platform.Platform);
  return IdsOf(Form);
}

std::map<std::string, int> ReadNewVersionControlIds() {
  fake::TFakePlatform Platform;
  TUpdateOffer Offer;
  const TUpdateSite Site;
  TfrmNewVersion Form(Platform.Platform, Site, Offer);
  return IdsOf(Form);
}

std::map<std::string, int> ReadHotkeysControlIds() {
  fake::TFakePlatform Platform;
  TGlobalHotkeys Hotkeys(Platform.Hotkeys);
  TfrmHotkeys Form(Platform.Platform, Hotkeys);
  return IdsOf(Form);
}

}  // namespace

int MainFormControlId(const std::string& AName) {
  static const std::map<std::string, int> Ids = ReadControlIds();
  return Lookup(Ids, AName, "the main window");
}

int NewVersionControlId(const std::string& AName) {
  static const std::map<std::string, int> Ids = ReadNewVersionControlIds();
  return Lookup(Ids, AName, "the New Version dialog");
}

int HotkeysControlId(const std::string& AName) {
  static const std::map<std::string, int> Ids = ReadHotkeysControlIds();
  return Lookup(Ids, AName, "the Hotkeys dialog");
}

}  // namespace nevra::tools
