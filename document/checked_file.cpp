#include "document/checked_file.h"

#include <string>

#include "document/document.h"

namespace {

FileFailureTeller Teller = nullptr;

void Tell(const std::string& text) {
    if (Teller) Teller(text.c_str(), "DRAWING FILE");
}

} // namespace

void SetFileFailureTeller(FileFailureTeller teller) {
    Teller = teller;
}

bool WriteOrTell(TList& list, int32_t mode) {
    if (list.WriteDrawingFile(mode) == FileResult::Ok) return true;
    Tell("The drawing could not be written to " + list.DrawingFilePath(mode) +
         ".\nThe file keeps its previous contents.");
    return false;
}

bool ReadOrTell(TList& list, int32_t mode) {
    switch (list.ReadDrawingFile(mode)) {
    case FileResult::Ok:
        return true;
    case FileResult::Damaged:
        Tell("The drawing file " + list.DrawingFilePath(mode) +
             " is damaged.\nOnly the objects before the damage were read.");
        return false;
    default:
        Tell("The drawing file " + list.DrawingFilePath(mode) + " could not be read.");
        return false;
    }
}
