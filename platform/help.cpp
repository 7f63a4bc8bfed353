#include "platform/help.h"

#include <cstdio>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "platform/modal_run.h"
#include "platform/module_path.h"
#include "platform/test_script.h"

namespace {

struct HelpState {
    std::string programDirectory;
    std::function<std::string(int32_t)> contextPage;
    QPointer<QTextBrowser> window;
    std::string page;
};

HelpState& State() {
    static HelpState state;
    return state;
}

// The page shown for a help file named without a page.
constexpr const char* kContentsPage = "content.htm";

std::string HexCommand(uint32_t command) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(command));
    return text;
}

// Shows a page in the one help window; a missing page is reported in the window itself.
// The window stands on its own: it outlives the dialog whose Help button opened it, and stays
// usable while that dialog, or any other box, waits: a page is read beside the box it explains.
QTextBrowser* ShowPage(const std::string& page) {
    HelpState& state = State();
    if (!state.window) {
        state.window = new QTextBrowser;
        state.window->setAttribute(Qt::WA_DeleteOnClose);
        state.window->setObjectName("help");
        state.window->setOpenLinks(true);
        state.window->resize(640, 480);
        // A followed link is the page shown now.
        QObject::connect(state.window, &QTextBrowser::sourceChanged, state.window, [](const QUrl& source) {
            if (source.isLocalFile()) State().page = source.fileName().toStdString();
        });
    }
    QTextBrowser* window = state.window;
    window->setWindowTitle("Help");
    const std::string file = pl::HelpPageFile(page);
    if (!file.empty() && QFileInfo(QString::fromLocal8Bit(file.c_str())).isFile()) {
        window->setSearchPaths({QFileInfo(QString::fromLocal8Bit(file.c_str())).absolutePath()});
        window->setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(file.c_str())));
    } else {
        window->setPlainText(
            QString::fromLatin1(("The help page \"" + page + "\" cannot be found.").c_str()));
    }
    state.page = page;
    // A scripted run never shows windows; the page is still loaded so tests can read it.
    if (!pl::script::Enabled()) {
        pl::KeepUsableBesideModalBoxes(window);
        window->show();
        window->raise();
    }
    return window;
}

} // namespace

namespace pl {

HelpTopic ParseHelpTopic(const std::string& topic) {
    HelpTopic parsed;
    std::string rest = topic;
    const size_t separator = rest.find("::");
    if (separator != std::string::npos) {
        parsed.File = rest.substr(0, separator);
        rest = rest.substr(separator + 2);
        while (!rest.empty() && (rest.front() == '/' || rest.front() == '\\'))
            rest.erase(0, 1);
    } else {
        const size_t window = rest.find('>');
        parsed.File = rest.substr(0, window);
        rest = window == std::string::npos ? std::string() : rest.substr(window);
    }
    const size_t window = rest.find('>');
    parsed.Page = rest.substr(0, window);
    if (window != std::string::npos) parsed.Window = rest.substr(window + 1);
    return parsed;
}

void SetHelpProgramDirectory(const std::string& programDirectory) {
    State().programDirectory = programDirectory;
}

void SetWinHelpPageMap(std::function<std::string(int32_t)> map) {
    State().contextPage = std::move(map);
}

std::string HelpPageFile(const std::string& page) {
    // Pages are plain names inside the help folder: nothing may reach outside it.
    if (page.empty() || page.front() == '/' || page.find("..") != std::string::npos ||
        page.find('\\') != std::string::npos || page.find(':') != std::string::npos)
        return {};
    std::string directory = State().programDirectory.empty() ? ModuleDirectory() : State().programDirectory;
    if (directory.back() != '/') directory += '/';
    return directory + "help/" + page;
}

std::string CurrentHelpPage() {
    return State().window ? State().page : std::string();
}

QTextBrowser* HelpWindow() {
    return State().window;
}

void CloseHelpWindow() {
    if (State().window) delete State().window;
    State().page.clear();
}

} // namespace pl

QWidget* HtmlHelpA(QWidget* /*caller*/, const char* topic, uint32_t command, uintptr_t data) {
    const std::string address = topic ? topic : "";
    const pl::HelpTopic parsed = pl::ParseHelpTopic(address);
    QWidget* shown = nullptr;
    std::string extra;
    switch (command) {
    case HH_DISPLAY_TOPIC:
    case HH_DISPLAY_TOC:
    case HH_DISPLAY_INDEX:
        if (command == HH_DISPLAY_INDEX && data)
            extra = " keyword=" + pl::script::Quote(reinterpret_cast<const char*>(data));
        shown = ShowPage(parsed.Page.empty() ? kContentsPage : parsed.Page);
        extra += " page=" + pl::script::Quote(pl::CurrentHelpPage());
        break;
    case HH_INITIALIZE:
        if (data) *reinterpret_cast<uint32_t*>(data) = 1;
        break;
    case HH_CLOSE_ALL:
        pl::CloseHelpWindow();
        break;
    case HH_UNINITIALIZE:
        break;
    default:
        break;
    }
    pl::TestLog("HtmlHelp " + pl::script::Quote(address) + " command=" + HexCommand(command) + extra);
    return shown;
}

int WinHelpA(QWidget* /*caller*/, const char* file, uint32_t command, uintptr_t data) {
    const auto context = static_cast<int32_t>(data);
    std::string extra;
    int ok = 1;
    switch (command) {
    case HELP_CONTEXT:
    case HELP_CONTENTS: {
        std::string page = State().contextPage ? State().contextPage(context) : std::string();
        if (page.empty()) page = command == HELP_CONTENTS ? kContentsPage : "";
        if (page.empty()) {
            ok = 0;
            extra = " page=none";
            break;
        }
        ShowPage(page);
        extra = " page=" + pl::script::Quote(page);
        break;
    }
    case HELP_QUIT:
        pl::CloseHelpWindow();
        break;
    default:
        ok = 0;
        break;
    }
    pl::TestLog("WinHelp " + pl::script::Quote(file ? file : "") + " command=" + HexCommand(command) +
                " data=" + std::to_string(context) + extra);
    return ok;
}
