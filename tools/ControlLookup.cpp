#include "ControlLookup.h"

#include <map>
#include <stdexcept>

#include "app/MainForm.h"
#include "platform/controls/ControlIds.h"
#include "platform/fake/FakePlatform.h"

namespace nevra::tools {

namespace {

// Builds the main form on the in-memory platform: its constructor lays out every control in
// the order the native view numbers them.
std::map<std::string, int> ReadControlIds() {
  fake::TFakePlatform Platform;
  TFrmMain Form(Platform.Platform);
  std::map<std::string, int> Ids;
  const auto& Controls = Form.Controls();
  for (size_t Index = 0; Index < Controls.size(); ++Index) Ids.emplace(Controls[Index]->Name(), ControlIdAt(Index));
  return Ids;
}

}  // namespace

int MainFormControlId(const std::string& AName) {
  static const std::map<std::string, int> Ids = ReadControlIds();
  const auto Found = Ids.find(AName);
  if (Found == Ids.end()) throw std::invalid_argument("the main window has no control named " + AName);
  return Found->second;
}

}  // namespace nevra::tools
