// A running program over a private program directory for playing a help page's steps as a newcomer
// does: the page's text to check each step against, and helpers that play a step (a command, Enter at a
// point, an arrow with its length, a dialog answered) and read back what it made.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QString>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <sstream>

#include "document/program_state.h"
#include "platform/help.h"
#include "platform/input_dialog.h"
#include "platform/printer.h"
#include "platform/test_script.h"
#include "platform/when_modal.h"
#include "resources/command_ids.h"
#include "resources/dialogs/display_templates.h"
#include "resources/dialogs/feet_template.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/fixed_room_templates.h"
#include "resources/dialogs/library_templates.h"
#include "resources/dialogs/opening_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/print_templates.h"
#include "resources/dialogs/room_templates.h"
#include "resources/dialogs/stairs_templates.h"
#include "resources/dialogs/tool_dialog_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "tests/shell/input_fixture.h"
#include "tools/tool_kinds.h"

namespace helpsteps {

using pl::script::DialogStep;

// The copies and scale of the ground and first floor in the print plan views dialog.
constexpr int32_t kGroundCopies = 19501, kFirstCopies = 19502, kGroundScale = 19504, kFirstScale = 19505;
constexpr int32_t kNoExternalDimensions = 19509;

// A page's text as the help window shows it, blanks collapsed.
inline QString PageText(const std::string& page) {
    std::ifstream in(std::string(TREVALYN_DATA_DIR) + "/help/" + page, std::ios::binary);
    std::ostringstream html;
    html << in.rdbuf();
    return QTextDocumentFragment::fromHtml(QString::fromLatin1(html.str())).toPlainText().simplified();
}

class HelpPageSteps : public InputTest {
protected:
    void Play(const std::string& page) {
        page_ = page;
        text_ = PageText(page);
        ASSERT_FALSE(text_.isEmpty()) << page;
    }
    // The step about to be played is still the page's.
    void Says(const char* words) const {
        EXPECT_TRUE(text_.contains(QString::fromLatin1(words).simplified()))
            << page_ << " no longer says: " << words;
    }

    // A menu command or button; a drawing window it opens becomes the one the keys go to.
    void Command(int32_t id) {
        client->ProcessCommand(id);
        if (TChild* active = client->ActiveDrawingWindow()) child = active;
        Settle();
    }
    // The repaints the window still owes are done, as they are by the time a person acts again.
    void Settle() {
        if (child) child->UpdateWindow();
        QCoreApplication::processEvents();
    }
    static void AnswerNew(const char* name, int32_t startRadio) {
        pl::script::AnswerDialog(kNewDrawingDialogId,
                                 {{{{kNewNameEdit, name}, {startRadio, "1"}, {kNewMetricRadio, "1"}}, IDOK}});
    }
    void EnterAt(int32_t x, int32_t y) {
        Settle();
        const TPoint at = PixelOf(x, y);
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
        Key(Qt::Key_Return);
    }
    void ClickAt(int32_t x, int32_t y) {
        Settle();
        Click(PixelOf(x, y));
    }
    void Arrow(int qtKey, const char* length) {
        pl::script::AnswerInput(length);
        Key(qtKey);
    }
    // An arrow whose length box waits as it does for a person: F1 is pressed in it, then the length is
    // typed and the box confirmed with Enter.
    void ArrowPressingF1InTheBox(int qtKey, const char* length) {
        pl::script::Enable(false);
        const auto watch = pl::whenModal<TInputDialog>([length](TInputDialog* box) {
            auto* edit = box->findChild<QLineEdit*>("edit");
            QTest::keyClick(edit, Qt::Key_F1);
            edit->selectAll();
            QTest::keyClicks(edit, length);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        Key(qtKey);
        pl::script::Enable(true);
        EXPECT_TRUE(watch->Fired);
    }
    // Presses the right button at `from`, moves to `to` and lets go there.
    void RightDrag(const TPoint& from, const TPoint& to) {
        QWidget* view = View();
        QTest::mouseMove(view, QPoint(from.x, from.y));
        QTimer::singleShot(0, view, [view, to] {
            QTest::mouseMove(view, QPoint(to.x, to.y));
            QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(to.x, to.y));
        });
        QTest::mousePress(view, Qt::RightButton, {}, QPoint(from.x, from.y));
        QCoreApplication::processEvents();
    }
    // F1 in the drawing window: the help page it opened, empty when it opened none.
    std::string F1() {
        pl::CloseHelpWindow();
        Key(Qt::Key_F1);
        return pl::CurrentHelpPage();
    }
    // Enter at a pixel of the empty sheet, then the walls keyed round; the first corner as stored.
    POINT KeyOutline(std::initializer_list<std::pair<int, const char*>> walls) {
        MoveTo(TPoint(101, 100));
        MoveTo(TPoint(100, 100));
        Key(Qt::Key_Return);
        for (const auto& [key, length] : walls)
            Arrow(key, length);
        const auto first = Objects(kExtWall);
        return first.empty() ? POINT{} : POINT{first[0].x1, first[0].y1};
    }
    // The quick start's building, 12 by 8 metres of cavity brick: its top left corner as stored.
    POINT NewBuilding() {
        AnswerNew("SMITH", kStartWallsRadio);
        pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
        pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
        Command(cmd::kFileNew);
        EXPECT_NE(child, nullptr);
        if (!child) return {};
        const POINT corner = KeyOutline({{Qt::Key_Right, "12000"},
                                         {Qt::Key_Down, "8000"},
                                         {Qt::Key_Left, "12000"},
                                         {Qt::Key_Up, "8000"}});
        Settle();
        return corner;
    }
    // The cursor distance box as last shown.
    std::string ReadOut() const {
        const std::string log = ui.Log();
        const size_t at = log.rfind("TextGadget 16 \"");
        if (at == std::string::npos) return {};
        const size_t from = at + 15;
        return log.substr(from, log.find('"', from) - from);
    }
    static void AnswerRoom(const char* name, const char* width, const char* length) {
        const int32_t base = kNewRoomDialogId;
        pl::script::AnswerDialog(base, {DialogStep{{{base + roomdlg::kName, name},
                                                    {base + roomdlg::kHorizontal, width},
                                                    {base + roomdlg::kVertical, length}},
                                                   IDOK}});
    }
    static void AnswerHingedDoor(const char* width, int32_t swing) {
        pl::script::AnswerDialog(
            kExtDoorDialogId,
            {DialogStep{{{kDoorWidthEdit, width}, {kDoorNumberEdit, "1"}, {kDoorHinged, "1"}}, IDOK}});
        pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{{kSwingRadios[swing - 1], "1"}}, IDOK}});
    }
    // File Print with the print plan views dialog answered (copies and scale of each floor), printed into
    // a PDF file.
    void PrintToPdf(std::vector<std::pair<int32_t, std::string>> copiesAndScales) {
        QPrinter& printer = client->Printer->GetQPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.File("plan.pdf")));
        pl::script::AnswerPrint(1);
        pl::script::AnswerDialog(kPrintPlanDialogId, {{std::move(copiesAndScales), IDOK}});
        Command(cmd::kPrint);
    }

    std::vector<TObject> Objects(int32_t kind) const {
        std::vector<TObject> found;
        for (const auto& o : FileObjects())
            if (o->kind == kind) found.push_back(*o);
        return found;
    }
    int32_t Count(int32_t kind) const { return static_cast<int32_t>(Objects(kind).size()); }
    int32_t CountOn(int32_t view, int32_t kind) const {
        int32_t n = 0;
        for (const TObject& o : Objects(kind))
            n += o.view == view;
        return n;
    }
    bool Shown(const std::string& text) const { return ui.LogContains(text); }
    int32_t ToolKind() const { return client->Tool ? client->Tool->Kind : 0; }

    std::string page_;
    QString text_;
};

} // namespace helpsteps
