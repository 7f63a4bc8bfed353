#include "document/checked_file.h"

#include <string>

#include "document/document.h"
#include "document/working_file_step.h"
#include "platform/file_io.h"

namespace {

FileFailureTeller Teller = nullptr;

void Tell(const std::string& text) {
    TellFileFailure(text, "DRAWING FILE");
}

} // namespace

void TellFileFailure(const std::string& text, const char* caption) {
    if (Teller) Teller(text.c_str(), caption);
}

void SetFileFailureTeller(FileFailureTeller teller) {
    Teller = teller;
}

std::string WhyNotWritten(const std::string& path) {
    switch (pl::LastWriteFault()) {
    case pl::WriteFault::NotWritable: {
        const pl::PathParts parts = pl::fnsplit(pl::NativePath(path));
        return " (the folder " + parts.drive + parts.dir + " cannot be written)";
    }
    case pl::WriteFault::DiskFull:
        return " (the disk may be full)";
    case pl::WriteFault::InputOutput:
        return " (the disk could not be written: an input/output error)";
    default:
        return "";
    }
}

std::string NotSavedText(const std::string& how, const std::string& what, const std::string& path) {
    return "The drawing has not been " + how + ": " + what + " " + path + " could not be written" +
           WhyNotWritten(path) + ".";
}

bool WriteOrTell(TList& list, int32_t mode) {
    if (mode == filemode::kWorking) return WriteWorkingFile(list);
    if (list.WriteDrawingFile(mode) == FileResult::Ok) return true;
    Tell("The drawing could not be written to " + list.DrawingFilePath(mode) +
         WhyNotWritten(list.DrawingFilePath(mode)) + ".\nThe file keeps its previous contents.");
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
