#include "platform/InterruptedSaves.h"

#include <charconv>

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace nevra {

namespace {

constexpr std::string_view kTemporaryExtension = ".tmp";

// Removes ".<number>" from the end of AName, the number written as TemporarySavePath writes a
// 32-bit one (no sign, no leading zero, at most 4294967295); false when it does not end so. A
// user's "notes.007.1.tmp" is no name a save makes, so it is never taken for a leftover.
bool DropNumber(std::string_view& AName) {
  const size_t Dot = AName.rfind('.');
  if (Dot == std::string_view::npos) return false;
  const std::string_view Digits = AName.substr(Dot + 1);
  uint32_t Number = 0;
  const auto [End, Error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), Number);
  if (Error != std::errc() || End != Digits.data() + Digits.size() || std::to_string(Number) != Digits) return false;
  AName = AName.substr(0, Dot);
  return true;
}

}  // namespace

std::string TemporarySavePath(std::string_view ATarget, uint32_t AProcessId, uint32_t ATickCount) {
  std::string Path(ATarget);
  Path.append(1, '.').append(std::to_string(AProcessId)).append(1, '.').append(std::to_string(ATickCount));
  Path.append(kTemporaryExtension);
  return Path;
}

std::optional<std::string_view> SaveTargetOf(std::string_view AName) {
  if (AName.size() <= kTemporaryExtension.size() ||
      !SameTextAscii(AName.substr(AName.size() - kTemporaryExtension.size()), kTemporaryExtension))
    return std::nullopt;
  AName.remove_suffix(kTemporaryExtension.size());
  if (!DropNumber(AName) || !DropNumber(AName) || AName.empty()) return std::nullopt;
  return AName;
}

void RemoveInterruptedSaves(IFileSystem& AFiles, const std::string& AFolder,
                            const std::function<bool(std::string_view ATarget)>& AIsOurs) {
  try {
    for (const std::string& Name : AFiles.ListFiles(AFolder, std::string(kTemporaryExtension))) {
      const auto Target = SaveTargetOf(Name);
      if (!Target || !AIsOurs(*Target)) continue;
      try {
        AFiles.RemoveFile(AFolder + "\\" + Name);
      } catch (const EFileError&) {
        // Still open, or not ours to remove: it is tried again at the next start.
      }
    }
  } catch (const EFileError&) {
    // A folder that cannot be listed shows its error where the program reads it.
  }
}

}  // namespace nevra
