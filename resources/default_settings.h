// The settings files the program ships, with their exact contents. A settings file that is missing
// or short is completed from here, so the program works even when CFG/ has been emptied.
#pragma once

#include <span>
#include <string_view>

struct DefaultSettingsFile {
    std::string_view name; // as under CFG/, upper case
    std::string_view text; // byte for byte, line end only where the file has one
};

// Every settings file that is read before anything writes it.
std::span<const DefaultSettingsFile> DefaultSettingsFiles();

// The shipped contents of CFG/<name>; empty when the file has no shipped default.
std::string_view DefaultSettings(std::string_view name);
