// Reads and writes of the drawing files whose failure the user must hear about. The document shows
// nothing itself: the shell installs how the user is told, and until then a failure is only returned.
#pragma once

#include <cstdint>
#include <string>

#include "document/drawing_file_modes.h"

class TList;

using FileFailureTeller = void (*)(const char* text, const char* caption);
void SetFileFailureTeller(FileFailureTeller teller);
// Tells the user of a failed file through the installed teller.
void TellFileFailure(const std::string& text, const char* caption);
// Why a write of `path` just failed, as words to follow the name in a message: " (the folder …
// cannot be written)", " (the disk may be full)", or nothing where the system said neither.
std::string WhyNotWritten(const std::string& path);
// What the user hears of a save that failed on writing `path`, just now: "The drawing has not been
// <how>: <what> <path> could not be written (why)." `what` names the file for the user ("the drawing
// file", "its saved copy").
std::string NotSavedText(const std::string& how, const std::string& what, const std::string& path);

// Writes the file of that mode; on failure the user is told and the result is false, so the caller
// stops its step. The file on disk then keeps its previous contents. The working file is written
// within the current step (document/working_file_step.h), so a step is told once.
[[nodiscard]] bool WriteOrTell(TList& list, int32_t mode);
// Reads the file of that mode into the document; an unreadable or damaged file is told and gives false.
[[nodiscard]] bool ReadOrTell(TList& list, int32_t mode);
