#pragma once
#include <windows.h>

#include <string>
#include <unordered_map>

#include "platform/win32/Win32Handles.h"

struct IAccPropServices;

namespace nevra::win32 {

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

  TComOwner<IAccPropServices> FServices;
  std::unordered_map<HWND, std::string> FNamed;
};

}  // namespace nevra::win32
