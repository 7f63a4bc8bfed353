#include "document/kept_document.h"

#include <cstdint>

#include "document/document.h"
#include "document/program_state.h"
#include "document/record_format.h"

KeptDocument::KeptDocument(const TList& list) {
    // Records relative to no origin keep the coordinates exactly, whatever sheet or scale the step
    // goes on to; nothing of the program's state is noted on the way, as a write would.
    std::string records;
    int32_t kept = 0;
    for (int32_t i = 0; i < list.count; ++i) {
        const TObject* object = list[i];
        if (object && AppendRecord(records, *object, RecordOrigin{})) ++kept;
    }
    const int32_t header[6] = {kept, 0, 0, 0, MetricUnits, IdCounter};
    AppendHeader(text_, header);
    text_ += records;
}

void KeptDocument::PutBack(TList& list) const {
    list.Flush();
    // The text was written a moment ago from whole objects: it reads back whole.
    static_cast<void>(list.ReadDrawingText(text_, RecordOrigin{}));
}
