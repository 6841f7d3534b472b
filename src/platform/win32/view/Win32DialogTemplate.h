#pragma once
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace nevra::win32 {

// A dialog template in memory, for DialogBoxIndirectParamW: DLGTEMPLATE, then one
// DLGITEMTEMPLATE per item, each DWORD-aligned. Sizes are dialog units, so the dialog follows its
// font and the monitor's DPI on its own. Captions and texts are set when the dialog opens.
class TDialogTemplate {
 public:
  // Predefined window classes of the items, as the template names them.
  static constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;

  // A modal, centred dialog with a caption and a system menu, AStyle added, in 9-point Segoe UI;
  // AItems is the number of Item calls that follow.
  TDialogTemplate(short AWidth, short AHeight, WORD AItems, DWORD AExStyle, DWORD AStyle = 0);
  // A visible child of AClassAtom with AStyle added.
  void Item(DWORD AStyle, short AX, short AY, short AW, short AH, WORD AId, WORD AClassAtom, DWORD AExStyle = 0);
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(FBytes.data()); }

 private:
  template <typename T>
  void Put(T AValue) {
    const size_t At = FBytes.size();
    FBytes.resize(At + sizeof(T));
    std::memcpy(FBytes.data() + At, &AValue, sizeof(T));
  }
  void PutText(const wchar_t* AText);
  void Align();
  std::vector<uint8_t> FBytes;
};

}  // namespace nevra::win32
