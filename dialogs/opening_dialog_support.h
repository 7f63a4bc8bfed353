// What the window and door dialogs share: their templates, lengths shown in
// whole inches in an imperial drawing, and saving a settings file with a message when it fails.
#pragma once

#include <cstdint>
#include <string>

#include "tools/opening_settings.h"

class TDialog;
class TEdit;

namespace openingdialogs {

constexpr int32_t kLeastSize = kOpeningSizeRange.low;
constexpr int32_t kMostSize = kOpeningSizeRange.high;
constexpr int32_t kUnitsPerInch = 24;
constexpr int32_t kOpeningHelp = 290;
constexpr const char* kOpeningHelpPage = "tvhelp.chm::/windoor.htm>wind";

// Registers the templates on first use and gives the id back.
int32_t WithTemplates(int32_t resId);
// A length as read (`OpeningSettings::unrounded`) as the edits show it: the nearest millimetre, or
// the nearest whole inch in an imperial drawing, within what the edit takes (a 100 mm window is
// offered as 4", however small it is); and a shown length as stored.
int32_t ShownLength(double length, int32_t most = kMostSize);
int32_t StoredLength(int32_t shown);
// The settings an OK writes, before it puts in what the user chose: the file's own, lengths and units
// as stored, when every offered size was left as it was; otherwise those read, in the drawing's
// units and within what its dialogs take, for the typed sizes to join.
OpeningSettings WrittenBack(OpeningFile file, const OpeningSettings& read, bool sizesUntouched);
// Copies a label into a dialog's 31-character member.
void CopyLabel(char (&to)[31], const std::string& from);
// Writes the file; false after telling the user, and the dialog stays open.
bool Save(TDialog* dialog, OpeningFile file, const OpeningSettings& settings);

} // namespace openingdialogs
