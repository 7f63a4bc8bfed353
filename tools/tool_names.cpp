#include "tools/tool_names.h"

#include <cstdio>

const char* ToolStyleName(int32_t kind) {
    switch (kind) {
    case 1:
        return "Line";
    case 3:
        return "Multiline";
    case 4:
        return "Text";
    case 5:
        return "Ellipse";
    case 6:
        return "Circle";
    case 20:
    case 21:
        return "Pick tool";
    default:
        return "";
    }
}

std::string PenAndName(int32_t penWidth, const char* name) {
    char text[48];
    std::snprintf(text, sizeof text, "%d,%s", penWidth, name ? name : "");
    return text;
}
