#include "tools/text_tool.h"

TTexttool::TTexttool() {
    PointPlaced = 0;
    TextLength = 0;
    TypedCount = 0;
    X1 = 0;
    Aux2 = 0;
}

// Placing and typing texts is in tools/text_input.cpp; the object created in
// tools/object_creation.cpp.
