// Copy: the objects the copy tool's rectangle listed go to the paste file, LIBS/PASTE.CFG, each
// relative to the rectangle's centre, in the records of the library files. Paste reads them back.
#include <string>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/record_format.h"
#include "document/selection_list.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "tools/move_tool.h"

void TCopyobjtool::WritePasteFile() {
    // Add to library gathers its selection with this tool; the library dialog takes it from the list.
    if (LibraryMode() == copymode::kForLibrary) return;

    // The header counts the records written, so that a reader never looks for one that is not
    // there: walls, rooms and floor records are not copied.
    std::string body;
    int32_t written = 0;
    if (const auto entries = ReadSelectionList(ObjectList)) {
        for (const SelectionEntry& e : *entries) {
            RefX = e.refX;
            RefY = e.refY;
            const TObject* o = ObjectList[e.index];
            if (o && AppendRecord(body, *o, {e.refX, e.refY}, RecordKinds::Paste)) ++written;
        }
    }
    std::string text;
    const int32_t header[6] = {written, 0, 0, 0, MetricUnits, IdCounter};
    AppendHeader(text, header);
    text += body;

    const std::string path = ObjectList.ProgramDirectory + "LIBS/" + kPasteFileName;
    if (pl::WriteTextFile(path, text)) return;
    const std::string message = std::string("The copy could not be written to LIBS/") + kPasteFileName +
                                WhyNotWritten(path) + ".\nPaste inserts the previous copy.";
    MessageBox(nullptr, message.c_str(), "COPY", MB_OK | MB_ICONEXCLAMATION);
}
