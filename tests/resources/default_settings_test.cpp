#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

#include "resources/default_settings.h"

namespace {

std::string ReadShipped(const std::string& name) {
    std::ifstream in(std::string(TREVALYN_DATA_DIR) + "/CFG/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(DefaultSettings, ShippedFilesEqualTheTable) {
    std::set<std::string> inTable;
    for (const auto& file : DefaultSettingsFiles()) {
        inTable.insert(std::string(file.name));
        EXPECT_EQ(ReadShipped(std::string(file.name)), file.text) << file.name;
    }
    for (const auto& entry : std::filesystem::directory_iterator(std::string(TREVALYN_DATA_DIR) + "/CFG")) {
        EXPECT_TRUE(inTable.count(entry.path().filename().string())) << entry.path();
    }
}

TEST(DefaultSettings, LookUpByName) {
    EXPECT_EQ(DefaultSettings("SAVE.CFG"), "1");
    EXPECT_EQ(DefaultSettings("WIND.CFG"), "1 1200 1050 1 1 9 0 0 0 0 0 0 ");
    EXPECT_TRUE(DefaultSettings("ZOOM.CFG").empty());
}

} // namespace
