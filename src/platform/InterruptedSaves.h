#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace nevra {

class IFileSystem;

// A save writes its bytes to a temporary file beside the file it replaces, named after it:
// "<file name>.<process id>.<tick count>.tmp". A save that is cut short (the process is ended,
// the machine loses power) leaves that file behind.
std::string TemporarySavePath(std::string_view ATarget, uint32_t AProcessId, uint32_t ATickCount);

// The name of the file a save was about to replace, when AName is one of those temporary names.
std::optional<std::string_view> SaveTargetOf(std::string_view AName);

// Removes the temporary files that cut-short saves left in AFolder, for targets whose names
// AIsOurs accepts; every other file stays. A file that cannot be removed (a save still writing
// it) stays too.
void RemoveInterruptedSaves(IFileSystem& AFiles, const std::string& AFolder,
                            const std::function<bool(std::string_view ATarget)>& AIsOurs);

}  // namespace nevra
