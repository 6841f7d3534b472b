#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nevra {

class IFileSystem;

// What a recorded event did. The numbers are the file's; a file may carry any other value in
// their place (one a later version writes): such an event is kept as it is and playback performs
// nothing for it, so an older copy plays the mouse part of a newer file.
enum TMacroEventKind : uint8_t {
  mekMove = 0,     // the cursor to X, Y
  mekDown = 1,     // Button pressed at X, Y
  mekUp = 2,       // Button released at X, Y
  mekKeyDown = 3,  // X the virtual key, Y its scan code, Button 1 for an extended key, else 0
  mekKeyUp = 4,    // as mekKeyDown
  mekWheel = 5,    // the wheel turned at X, Y by Button (signed, 120 a notch; away from the user > 0)
  mekHWheel = 6,   // the horizontal wheel turned at X, Y by Button (signed; to the right > 0)
};

// One recorded event; the fields mean what its kind says (see TMacroEventKind).
struct TMacroMouseEvent {
  uint32_t DeltaMs = 0;  // offset from the start of the recording, not from the previous event
  TMacroEventKind Kind = mekMove;
  int32_t X = 0;  // virtual-desktop pixels, negative left of or above the primary monitor
  int32_t Y = 0;
  int32_t Button = -1;  // 0 left, 1 right, 2 middle, 3 X1, 4 X2; -1 for moves
  friend bool operator==(const TMacroMouseEvent&, const TMacroMouseEvent&) = default;
};

// One macro: a name, its length, the file it lives in and its events in time order.
class TRecordedMacro {
 public:
  TRecordedMacro() = default;
  virtual ~TRecordedMacro() = default;

  const std::string& Name() const { return FName; }
  void SetName(std::string AName) { FName = std::move(AName); }
  uint32_t DurationMs() const { return FDurationMs; }
  void SetDurationMs(uint32_t ADurationMs) { FDurationMs = ADurationMs; }
  const std::string& FileName() const { return FFileName; }
  void SetFileName(std::string AFileName) { FFileName = std::move(AFileName); }
  // The events and the duration, once they are read (see ListFromFile).
  const std::vector<TMacroMouseEvent>& Events() const { return FEvents; }
  std::vector<TMacroMouseEvent>& MutableEvents() { return FEvents; }
  bool EventsLoaded() const { return FEventsLoaded; }

  // Writes the macro to AFileName, replacing the file atomically; FileName becomes AFileName once
  // the file is stored. Throws EFileError and leaves FileName (and any old file) alone otherwise.
  void SaveToFile(IFileSystem& AFiles, const std::string& AFileName);
  // A new macro filled from the file, with FileName set to AFileName. Throws EFileError when the
  // file cannot be read; malformed content never throws.
  static std::unique_ptr<TRecordedMacro> LoadFromFile(IFileSystem& AFiles, const std::string& AFileName);
  // A macro for the list, from the start of the file: its name, with FileName set. The events
  // and the duration are read later, by LoadEvents, for a file that holds more than its start
  // (a macro of an hour is tens of megabytes; thousands of files take long to read whole).
  // Throws EFileError when the file cannot be read.
  static std::unique_ptr<TRecordedMacro> ListFromFile(IFileSystem& AFiles, const std::string& AFileName);
  // Reads the events and the duration from FileName unless they are in memory already (as
  // they are for a macro recorded or read whole). Throws EFileError when the file cannot be read;
  // the macro stays as it was.
  void LoadEvents(IFileSystem& AFiles);

 private:
  std::string FName;
  uint32_t FDurationMs = 0;
  std::string FFileName;
  std::vector<TMacroMouseEvent> FEvents;
  bool FEventsLoaded = true;
};

// The file's text (UTF-8 with byte-order mark, CR LF after every line) and its reading.
std::string MacroToText(const TRecordedMacro& AMacro);
void MacroFromText(std::string_view AText, TRecordedMacro& AMacro);
// The name MacroFromText would read, from the start of a file (AWholeFile: all of it): nothing
// when the part read ends before the name could be told.
std::optional<std::string> MacroNameFromStart(std::string_view AStart, bool AWholeFile);

}  // namespace nevra
