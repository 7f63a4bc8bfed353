// Where the settings files live and what they hold when shipped, for the geometry folders that read
// settings but see only the document and the platform layer.
#pragma once

#include <string>
#include <string_view>

// ProgramDirectory + "CFG/" + name.
std::string CfgPath(std::string_view name);

// The shipped contents of CFG/<name> (empty when the file ships with no default).
std::string_view ShippedSettings(std::string_view name);
