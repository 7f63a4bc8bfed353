// The file-open common dialog. Filters come as the program writes them, in '|' pairs ending with "||":
// "Plan files(*.DB0)|*.DB0|Allfiles(*.*)||"; patterns match whatever the case of the file name.
#pragma once

#include <cstdint>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

constexpr uint32_t OFN_READONLY = 0x1;
constexpr uint32_t OFN_OVERWRITEPROMPT = 0x2;
constexpr uint32_t OFN_HIDEREADONLY = 0x4;
constexpr uint32_t OFN_NOCHANGEDIR = 0x8;
constexpr uint32_t OFN_PATHMUSTEXIST = 0x800;
constexpr uint32_t OFN_FILEMUSTEXIST = 0x1000;
constexpr uint32_t OFN_LONGNAMES = 0x200000;

class TOpenSaveDialog {
public:
    struct TData {
        TData(uint32_t flags = 0, const char* filter = nullptr, const char* customFilter = nullptr,
              const char* initialDir = nullptr, const char* defExt = nullptr, int maxPath = 0,
              int filterIndex = 0);
        uint32_t Flags;
        uint32_t Error = 0;   // 0: no error
        std::string FileName; // the chosen path (in: a name to start with)
        std::string Filter;
        std::string CustomFilter;
        int FilterIndex;
        std::string InitialDir;
        std::string DefExt; // added to a file name typed without an extension ("DB0")
        int MaxPath;
    };
};

class TFileOpenDialog {
public:
    // title null: the dialog's default title.
    TFileOpenDialog(QWidget* parent, TOpenSaveDialog::TData& data, const char* title = nullptr);
    // IDOK with data.FileName set, or IDCANCEL.
    int Execute();

private:
    QWidget* parent_;
    TOpenSaveDialog::TData& data_;
    std::string title_;
};

namespace pl {

// ("Plan files(*.DB0)", "*.DB0") pairs of a '|' filter string; a trailing empty pair ends it. A
// description with no pattern after it takes the patterns in its parentheses ("*" without any).
std::vector<std::pair<std::string, std::string>> ParseFileFilter(const std::string& filter);
// The Qt name filter for one pair, with each letter of the patterns matching either case:
// "Plan files(*.DB0) (*.[dD][bB]0)".
std::string QtNameFilter(const std::pair<std::string, std::string>& pair);
// Whether a file name matches a ';'-separated pattern list, ignoring case.
bool FileMatchesPatterns(const std::string& fileName, const std::string& patterns);
// A typed name whose file name has no extension, with `extension` added ("DWGS/HUI" and "DB0" give
// "DWGS/HUI.DB0"); a name with an extension, a folder or an empty extension as typed.
std::string WithDefaultExtension(const std::string& typed, const std::string& extension);

// The file a typed name means among the files of its folder: the name without the blanks round it
// (and with `extension` added when it has none) as the folder holds it, in the letter case typed
// when a file has exactly that name, else in whatever case the folder's file has (the first in
// name order where several differ only in case). The typed text as it stands when no file matches.
std::string ResolveTypedFile(const std::string& typed, const std::string& extension);

} // namespace pl
