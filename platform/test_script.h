// Test hooks. When scripting is on (TREVALYN_SCRIPTED=1 in the environment, or Enable(true) from test
// code) every modal call takes its answer from a queue instead of waiting for a person, and every
// user-visible event is written to one text log. A modal call whose answer is missing (or of another
// kind) records an error and returns Cancel at once: a test fails instead of hanging. Message boxes
// with only an OK button need no answer: they take a queued IDOK when one is next, else answer OK.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/logfont.h"
#include "platform/win_types.h"

namespace pl {

// Appends one line to the test log (when scripting or TREVALYN_TEST_LOG is on). The windows layer
// reports status-bar and gadget texts, files written and cursor moves through it.
void TestLog(const std::string& line);

namespace script {

void Enable(bool on);
bool Enabled();
// Empties the queue, the log and the error list.
void Reset();

enum class AnswerKind { MessageBox, Input, Dialog, File, Colour, Font, Print, PageSetup };
const char* KindName(AnswerKind kind);

// One attempt at a dialog: the control values to set, in the user's order, then the button to press.
// Values: edit text, typed character by character through the validator and the length limit into
// the field as the dialog leaves it (the focused field as it stands, another reached by Tab, which
// selects its text; "" presses Delete); "1"/"0" for check boxes and radio buttons, the string to
// select in a list box ("" clears the selection). Those controls and a pressed button take the focus
// as a click gives it.
struct DialogStep {
    std::vector<std::pair<int32_t, std::string>> Values;
    int32_t Button = IDOK;
};

struct Answer {
    AnswerKind Kind = AnswerKind::MessageBox;
    int32_t Button = IDOK; // IDOK / IDCANCEL / IDYES / IDNO
    std::string Text;      // input text, file path
    int32_t ResId = 0;     // dialogs: the expected template id (0: any)
    std::vector<DialogStep> Steps;
    COLORREF Colour = 0;
    LOGFONT Font;
    int32_t PointSize = 0; // tenths
    int32_t Copies = 1;
    int32_t FromPage = 1;
    int32_t ToPage = 1;
};

void Queue(Answer answer);
void AnswerMessageBox(int32_t button);
void AnswerInput(const std::string& text);
void CancelInput();
void AnswerDialog(int32_t resId, std::vector<DialogStep> steps);
void AnswerFile(const std::string& path);
void CancelFile();
void AnswerColour(COLORREF colour);
void CancelColour();
void AnswerFont(const LOGFONT& font, int32_t pointSizeTenths, COLORREF colour = 0);
void CancelFont();
void AnswerPrint(int32_t copies, int32_t fromPage = 1, int32_t toPage = 1);
void CancelPrint();
void AnswerPageSetup(bool ok);

// Until Reset, a modal call that finds no answer of its kind next asks this function instead of
// recording an error; its empty result answers Cancel. For tables that drive every command.
using MissingAnswer = std::optional<Answer> (*)(AnswerKind kind);
void AnswerMissingWith(MissingAnswer answer);

// Answers not yet taken.
std::size_t Pending();
// Missing or mismatched answers and other script failures, one line each.
const std::vector<std::string>& Errors();
void RecordError(const std::string& error);
const std::vector<std::string>& Log();
std::string LogText(); // the log lines joined with '\n'

// Layer side: the next answer when it is of the kind; otherwise records an error naming `what` and
// returns nothing (the caller answers Cancel).
std::optional<Answer> Take(AnswerKind kind, const std::string& what);
// The next answer without taking it; null when the queue is empty.
const Answer* Peek();
// The next answer if it is of the kind, without recording an error when it is not.
std::optional<Answer> TakeIfNext(AnswerKind kind);

// Quotes a text for the log: "a\nb" with backslash, quote and line breaks escaped.
std::string Quote(const std::string& text);

} // namespace script
} // namespace pl
