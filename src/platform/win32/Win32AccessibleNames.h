#pragma once
#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/controls/Control.h"

struct IAccPropServices;

namespace nevra::win32 {

// The name a screen reader should announce for the spin box at AIndex of AControls: the caption
// of the label, check box or radio button that introduces it (the nearest one before it in the
// same container). A label that only separates two spin boxes (the "X" between the coordinates)
// introduces neither; boxes that share an introduction are numbered from the second on.
std::string SpinBoxAccessibleName(const std::vector<TControl*>& AControls, size_t AIndex);
// Whether AControl's caption can name a spin box after it: a label, check box or radio button.
bool CanNameSpinBox(const TControl& AControl);

// Accessible names set on windows from outside (dynamic annotation), for controls whose own text
// cannot name them, such as an edit box. Where the accessibility runtime or COM is missing,
// nothing is set and nothing fails. Each name is taken off again when its window goes.
class TAccessibleNames {
 public:
  TAccessibleNames();
  ~TAccessibleNames();
  TAccessibleNames(const TAccessibleNames&) = delete;
  TAccessibleNames& operator=(const TAccessibleNames&) = delete;

  // Does nothing when AWindow has that name already.
  void SetName(HWND AWindow, const std::string& AName);

 private:
  static LRESULT CALLBACK ClearOnDestroy(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam,
                                         UINT_PTR ASubclassId, DWORD_PTR ARefData);
  void Clear(HWND AWindow);

  IAccPropServices* FServices = nullptr;
  std::unordered_map<HWND, std::string> FNamed;
};

}  // namespace nevra::win32
