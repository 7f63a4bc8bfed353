#include "document/cfg_files.h"

#include "document/document.h"
#include "resources/default_settings.h"

std::string CfgPath(std::string_view name) {
    return ObjectList.ProgramDirectory + "CFG/" + std::string(name);
}

std::string_view ShippedSettings(std::string_view name) {
    return DefaultSettings(name);
}
