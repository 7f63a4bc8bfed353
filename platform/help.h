// Stand-ins for the two help systems. Both show pages of <program directory>/help/ in one help window
// (a text browser); every call is logged. A topic address is "file::/page>window", e.g.
// "tvhelp.chm::/intwall.htm>wind"; the window types share the one help window.
#pragma once

#include <cstdint>
#include <functional>
#include <QWidget>
#include <string>

class QTextBrowser;

constexpr uint32_t HH_DISPLAY_TOPIC = 0x0;
constexpr uint32_t HH_DISPLAY_TOC = 0x1;
constexpr uint32_t HH_DISPLAY_INDEX = 0x2;
constexpr uint32_t HH_CLOSE_ALL = 0x12;
constexpr uint32_t HH_INITIALIZE = 0x1C;
constexpr uint32_t HH_UNINITIALIZE = 0x1D;

constexpr uint32_t HELP_CONTEXT = 0x1;
constexpr uint32_t HELP_QUIT = 0x2;
constexpr uint32_t HELP_CONTENTS = 0x3;

// data: HH_INITIALIZE writes a cookie through a uint32_t* passed as data; HH_DISPLAY_INDEX takes a
// const char* keyword; the others ignore it. Returns the help window for the display commands (null
// for the others or when nothing could be shown).
QWidget* HtmlHelpA(QWidget* caller, const char* topic, uint32_t command, uintptr_t data);

// HELP_CONTEXT shows the page the program maps the context to; HELP_CONTENTS the page of data (the
// contents context) or, unmapped, "content.htm"; HELP_QUIT closes the window. Returns 1 on success.
int WinHelpA(QWidget* caller, const char* file, uint32_t command, uintptr_t data);

namespace pl {

struct HelpTopic {
    std::string File;   // "tvhelp.chm"
    std::string Page;   // "intwall.htm"; empty when the address names only the file
    std::string Window; // "wind"
};
// Splits "file::/page>window"; each part may be missing.
HelpTopic ParseHelpTopic(const std::string& topic);

// The folder the help pages are read from is <programDirectory>help/. Defaults to the executable's
// directory.
void SetHelpProgramDirectory(const std::string& programDirectory);
// The page a WinHelp context number shows (the program's own table).
void SetWinHelpPageMap(std::function<std::string(int32_t context)> map);

// The file a page is read from; empty for a page that would leave the help folder.
std::string HelpPageFile(const std::string& page);
// The page the help window shows now (empty when it has not been opened or is closed).
std::string CurrentHelpPage();
// The help window, or null before the first page.
QTextBrowser* HelpWindow();
// Closes and forgets the help window.
void CloseHelpWindow();

} // namespace pl
