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
  UINT SelectionChanged;  // the notification of the user's pick
};

// A list of entries: entries and selection mirrored (neither message raises a notification, so
// setting the index from code runs no handler), the user's pick handed to the model.
template <typename TListModel>
class TNativeList : public TNativeControl {
 public:
  void Sync(TControlProperty AProperty) override;
  bool HandleCommand(UINT ACode) override;

 protected:
  TNativeList(TListModel& AModel, size_t AIndex, TNativeContext& AContext, const TListMessages& AMessages)
      : TNativeControl(AModel, AIndex, AContext), FList(AModel), FMessages(AMessages) {}
  // The style's entry heights, for a field AFieldHeight high.
  void SizeEntries(int AFieldHeight) const;

 private:
  void ShowItems();
  void ShowSelection();
  TListModel& FList;
  const TListMessages& FMessages;
};

// A drop-down list that takes no typed text.
class TNativeComboBox final : public TNativeList<TComboBox> {
 public:
  TNativeComboBox(TComboBox& AModel, size_t AIndex, TNativeContext& AContext);
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;
  void Layout() override;
  bool HandleCommand(UINT ACode) override;
};

class TNativeListBox final : public TNativeList<TListBox> {
 public:
  TNativeListBox(TListBox& AModel, size_t AIndex, TNativeContext& AContext);
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;
  void Layout() override;
};

}  // namespace nevra::win32
