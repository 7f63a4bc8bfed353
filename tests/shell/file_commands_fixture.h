// A running program over a private program directory, with scripted answers, for the File commands:
// helpers to answer their dialogs, to edit the open drawing as a tool does and to read drawings back.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "shell/app.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ASSERT_TRUE(app.InitInstance());
        client = app.Client;
        ASSERT_NE(client, nullptr);
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.Flush();
        SaveState = 0;
    }
    void TearDown() override {
        if (client) client->CloseChildren();
        ObjectList.Flush();
        ResetGlobals();
    }

    // The new-drawing dialog answered with a name, the start (1 rooms, 2 walls) and the units.
    static void AnswerNew(const std::string& name, int32_t start = 2, bool metric = true) {
        pl::script::AnswerDialog(kNewDrawingDialogId,
                                 {{{{kNewNameEdit, name},
                                    {start == 1 ? kStartRoomsRadio : kStartWallsRadio, "1"},
                                    {metric ? kNewMetricRadio : kNewImperialRadio, "1"}},
                                   IDOK}});
    }
    // The construction of external walls answered: cavity brick, secondary lines below.
    static void AnswerWallConstruction(bool metric = true) {
        pl::script::AnswerDialog(metric ? kPlanDialogId : kPlanImpDialogId,
                                 {{{{metric ? kPlanCavity275 : kPlanImpCavity264, "1"}}, IDOK}});
        pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
    }

    // File New with the dialog answered (and, for a drawing starting with walls, the construction).
    void New(const std::string& name, int32_t start = 2, bool metric = true) {
        AnswerNew(name, start, metric);
        if (start == 2) AnswerWallConstruction(metric);
        client->ProcessCommand(230);
    }
    // File Open with the file dialog answered by a path.
    void Open(const std::string& path) {
        pl::script::AnswerFile(path);
        client->ProcessCommand(231);
    }
    static void AnswerSaveQuestion(int32_t button) {
        pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, button}});
    }

    // What a drawing tool does after an edit: the object joins the document, the working file is
    // rewritten and the drawing counts as modified.
    void Draw(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t view = kGroundFloor) {
        ObjectList.Flush();
        ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        ObjectList.Add(
            std::make_unique<TLineobj>(view, kLine, 1, 0, IdCounter++, 0, x1, 0, x2, 0, y1, y2, 0, 0, 0));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        if (SaveState == 0) SaveState = 1;
    }

    // (view, kind) of every object of a drawing file, read into a list of its own.
    std::vector<std::pair<int32_t, int32_t>> Contents(const std::string& name, int32_t mode = 1) const {
        TList probe;
        probe.ProgramDirectory = dir.Path();
        probe.SetDrawingName(name);
        const int32_t metric = MetricUnits, ids = IdCounter;
        std::vector<std::pair<int32_t, int32_t>> result;
        if (probe.ReadDrawingFile(mode) == FileResult::Ok)
            for (int32_t i = 0; i < probe.count; ++i)
                result.emplace_back(probe[i]->view, probe[i]->kind);
        MetricUnits = metric, IdCounter = ids;
        return result;
    }
    static std::vector<std::pair<int32_t, int32_t>> FloorRecords() {
        return {{50, 32000}, {51, 32001}, {52, 32002}, {53, 32003}};
    }
    std::string HeaderOf(const std::string& relative) const {
        const std::string text = dir.ReadFile(relative);
        return text.substr(0, text.find('\n'));
    }

    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (TMDIChild* child : client->GetChildren())
            titles.push_back(child->GetCaption());
        return titles;
    }

    testsupport::ProgramDirectory dir;
    testsupport::ScriptedUi ui;
    TAApp app;
    TClient* client = nullptr;
};
