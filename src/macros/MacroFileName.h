#pragma once
#include <string>
#include <string_view>

namespace nevra {

// Every macro lives in a file of its own in the macro folder, with this extension.
inline constexpr std::string_view kMacroExtension = ".nevramac";

// True for the name of a macro file (the extension in any letter case, as Windows matches it).
bool IsMacroFileName(std::string_view AName);

// Removes leading and trailing spaces and control characters (everything up to the space).
std::string TrimName(std::string_view AName);

// A file-name stem for a macro name that Windows can store: trimmed; the nine characters
// \ / : * ? " < > | and control characters inside become "_"; a device name (CON, PRN, AUX, NUL,
// CONIN$, CONOUT$, COM1-COM9, LPT1-LPT9, COM or LPT with a superscript 1, 2 or 3, in any case)
// before the first dot and the blanks that may follow it, or a stem that ends in a dot or a
// blank, gets an "_" so the file is an ordinary file. Everything else passes through.
std::string SanitizeMacroFileName(std::string_view AName);

}  // namespace nevra
