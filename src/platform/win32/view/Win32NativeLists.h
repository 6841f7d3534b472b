#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// The messages that tell a list box and a drop-down list apart.
struct TListMessages {
  UINT Reset;
  UINT Add;
  UINT Delete;
  UINT Count;
  UINT SetSelection;
  UINT GetSelection;
  UINT TextLength;
  UINT Text;
  UINT SelectionChanged;  // the notification of the user's pick
};

// A list of entries: entries and selection mirrored (neither message raises a notification, so
// setting the index from code runs no handler), the user's pick handed to the model. In the
// style its entries are owner-drawn, their texts kept in the control (LBS_HASSTRINGS,
// CBS_HASSTRINGS), and a little higher than a line of text.
template <typename TListModel>
class TNativeList : public TNativeControl {
 public:
  void Sync(TControlProperty AProperty) override;
  bool HandleCommand(UINT ACode) override;
  bool DrawItem(const DRAWITEMSTRUCT& AItem) override;

 protected:
  TNativeList(TListModel& AModel, size_t AIndex, TNativeContext& AContext, const TListMessages& AMessages)
      : TNativeControl(AModel, AIndex, AContext), FList(AModel), FMessages(AMessages) {}
  // The text of the entry at AIndex.
  std::wstring EntryText(HWND AWindow, WPARAM AIndex) const;
  // The height of an entry in the style: a line of its text with a little room above and below.
  int EntryHeight() const;

 private:
  void ShowItems();
  void ShowSelection();
  TListModel& FList;
  const TListMessages& FMessages;
};

}  // namespace nevra::win32
