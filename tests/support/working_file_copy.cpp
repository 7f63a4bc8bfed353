#include "tests/support/working_file_copy.h"

#include "document/program_state.h"

namespace testsupport {

FileResult ReadWorkingFileInto(TList& copy) {
    copy.ProgramDirectory = ObjectList.ProgramDirectory;
    copy.SetDrawingName(ObjectList.DrawingName);
    const int32_t units = MetricUnits;
    const int32_t ids = IdCounter;
    const FileResult read = copy.ReadDrawingFile(filemode::kWorking);
    MetricUnits = units;
    IdCounter = ids;
    return read;
}

} // namespace testsupport
