#include "platform/test_script.h"

#include <cstdio>
#include <cstdlib>
#include <deque>

namespace pl {
namespace {

struct ScriptState {
    bool enabledChecked = false;
    bool enabled = false;
    std::deque<script::Answer> queue;
    script::MissingAnswer missing = nullptr;
    std::vector<std::string> errors;
    std::vector<std::string> log;
};

ScriptState& State() {
    static ScriptState state;
    return state;
}

// A file the log is appended to as well, for whole-program runs under a script.
void AppendToLogFile(const std::string& line) {
    static const char* path = std::getenv("TREVALYN_TEST_LOG");
    if (!path || !*path) return;
    if (FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

} // namespace

void TestLog(const std::string& line) {
    if (!script::Enabled() && !std::getenv("TREVALYN_TEST_LOG")) return;
    State().log.push_back(line);
    AppendToLogFile(line);
}

namespace script {

void Enable(bool on) {
    State().enabledChecked = true;
    State().enabled = on;
}

bool Enabled() {
    ScriptState& state = State();
    if (!state.enabledChecked) {
        const char* value = std::getenv("TREVALYN_SCRIPTED");
        state.enabled = value && *value && std::string(value) != "0";
        state.enabledChecked = true;
    }
    return state.enabled;
}

void Reset() {
    State().missing = nullptr;
    State().queue.clear();
    State().errors.clear();
    State().log.clear();
}

const char* KindName(AnswerKind kind) {
    switch (kind) {
    case AnswerKind::MessageBox:
        return "message box";
    case AnswerKind::Input:
        return "input dialog";
    case AnswerKind::Dialog:
        return "dialog";
    case AnswerKind::File:
        return "file dialog";
    case AnswerKind::Colour:
        return "colour dialog";
    case AnswerKind::Font:
        return "font dialog";
    case AnswerKind::Print:
        return "print dialog";
    case AnswerKind::PageSetup:
        return "page set-up dialog";
    }
    return "?";
}

void Queue(Answer answer) {
    State().queue.push_back(std::move(answer));
}

namespace {

Answer Of(AnswerKind kind, int32_t button = IDOK) {
    Answer answer;
    answer.Kind = kind;
    answer.Button = button;
    return answer;
}

} // namespace

void AnswerMessageBox(int32_t button) {
    Queue(Of(AnswerKind::MessageBox, button));
}

void AnswerInput(const std::string& text) {
    Answer answer = Of(AnswerKind::Input);
    answer.Text = text;
    Queue(std::move(answer));
}

void CancelInput() {
    Queue(Of(AnswerKind::Input, IDCANCEL));
}

void AnswerDialog(int32_t resId, std::vector<DialogStep> steps) {
    Answer answer = Of(AnswerKind::Dialog);
    answer.ResId = resId;
    answer.Steps = std::move(steps);
    Queue(std::move(answer));
}

void AnswerFile(const std::string& path) {
    Answer answer = Of(AnswerKind::File);
    answer.Text = path;
    Queue(std::move(answer));
}

void CancelFile() {
    Queue(Of(AnswerKind::File, IDCANCEL));
}

void AnswerColour(COLORREF colour) {
    Answer answer = Of(AnswerKind::Colour);
    answer.Colour = colour;
    Queue(std::move(answer));
}

void CancelColour() {
    Queue(Of(AnswerKind::Colour, IDCANCEL));
}

void AnswerFont(const LOGFONT& font, int32_t pointSizeTenths, COLORREF colour) {
    Answer answer = Of(AnswerKind::Font);
    answer.Font = font;
    answer.PointSize = pointSizeTenths;
    answer.Colour = colour;
    Queue(std::move(answer));
}

void CancelFont() {
    Queue(Of(AnswerKind::Font, IDCANCEL));
}

void AnswerPrint(int32_t copies, int32_t fromPage, int32_t toPage) {
    Answer answer = Of(AnswerKind::Print);
    answer.Copies = copies;
    answer.FromPage = fromPage;
    answer.ToPage = toPage;
    Queue(std::move(answer));
}

void CancelPrint() {
    Queue(Of(AnswerKind::Print, IDCANCEL));
}

void AnswerPageSetup(bool ok) {
    Queue(Of(AnswerKind::PageSetup, ok ? IDOK : IDCANCEL));
}

std::size_t Pending() {
    return State().queue.size();
}

const std::vector<std::string>& Errors() {
    return State().errors;
}

void RecordError(const std::string& error) {
    State().errors.push_back(error);
    TestLog("ERROR " + error);
}

const std::vector<std::string>& Log() {
    return State().log;
}

std::string LogText() {
    std::string text;
    for (const std::string& line : State().log) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

void AnswerMissingWith(MissingAnswer answer) {
    State().missing = answer;
}

std::optional<Answer> Take(AnswerKind kind, const std::string& what) {
    std::deque<Answer>& queue = State().queue;
    if (State().missing && (queue.empty() || queue.front().Kind != kind)) return State().missing(kind);
    if (queue.empty()) {
        RecordError(std::string("no scripted answer for the ") + KindName(kind) + " " + what);
        return std::nullopt;
    }
    if (queue.front().Kind != kind) {
        RecordError(std::string("the ") + KindName(kind) + " " + what + " found an answer for a " +
                    KindName(queue.front().Kind) + " next");
        return std::nullopt;
    }
    Answer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

const Answer* Peek() {
    return State().queue.empty() ? nullptr : &State().queue.front();
}

std::optional<Answer> TakeIfNext(AnswerKind kind) {
    std::deque<Answer>& queue = State().queue;
    if (queue.empty() || queue.front().Kind != kind) return std::nullopt;
    Answer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

std::string Quote(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        switch (c) {
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace script
} // namespace pl
