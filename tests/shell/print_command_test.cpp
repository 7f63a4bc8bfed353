// File Print end to end: the print and plan dialogs answered by the test, the job list, and the PDF
// pages measured after rasterising them.
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include "document/program_state.h"
#include "render/printed_page.h"
#include "tests/shell/drawing_window_fixture.h"

namespace {

constexpr double kMmPerInch = 25.4;
constexpr int kRasterDpi = 100;

class Printing : public DrawingWindowTest {
protected:
    void SetUp() override {
        DrawingWindowTest::SetUp();
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
    }

    // A 10 000 mm external wall across the ground floor, 200 mm thick, with the floor's title.
    void WriteTenMetreWall() {
        auto wall = make::ExtWall(kGroundFloor, Cx() - 5000, Cy(), Cx() + 5000, Cy());
        wall->p1x = Cx() - 4800;
        wall->p1y = Cy() - 200;
        wall->p2x = Cx() + 4800;
        wall->p2y = Cy() - 200;
        wall->thickness1 = 200;
        std::vector<std::unique_ptr<TObject>> objects;
        objects.push_back(std::move(wall));
        WriteDrawing(std::move(objects));
        ObjectList.MakeTitleBlock();
    }

    void PrintToPdf() {
        QPrinter& printer = client->Printer->GetQPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.File("plan.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
    }

    // Page `page` of the PDF rasterised at 100 dots per inch.
    QImage Raster(const std::string& pdf, int page) {
        const QString prefix = QString::fromStdString(dir.File("page"));
        QProcess::execute("pdftoppm", {"-r", QString::number(kRasterDpi), "-f", QString::number(page), "-l",
                                       QString::number(page), "-png", "-singlefile",
                                       QString::fromStdString(dir.File(pdf)), prefix});
        return QImage(prefix + ".png");
    }

    static std::string PdfText(const std::string& path) {
        QProcess p;
        p.start("pdftotext", {QString::fromStdString(path), "-"});
        p.waitForFinished();
        return p.readAllStandardOutput().toStdString();
    }

    static int PageCount(const std::string& path) {
        QProcess p;
        p.start("pdfinfo", {QString::fromStdString(path)});
        p.waitForFinished();
        const std::string info = p.readAllStandardOutput().toStdString();
        const auto at = info.find("Pages:");
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
    }

    // The longest run of dark pixels along any row of the page.
    static int LongestDarkRun(const QImage& image) {
        int best = 0;
        for (int y = 0; y < image.height(); ++y) {
            int run = 0;
            for (int x = 0; x < image.width(); ++x) {
                run = qGray(image.pixel(x, y)) < 128 ? run + 1 : 0;
                best = std::max(best, run);
            }
        }
        return best;
    }

    static double Pixels(double mm) { return mm / kMmPerInch * kRasterDpi; }

    void RunPrint(std::vector<std::pair<int32_t, std::string>> answers) {
        testsupport::ScriptedUi ui;
        pl::script::AnswerPrint(1);
        pl::script::AnswerDialog(19500, {{std::move(answers), IDOK}});
        client->CmPrint();
    }
};

TEST_F(Printing, WorkedExampleWritesTheJobListAndPrintsEveryCopyAsAPage) {
    WriteTenMetreWall();
    DrawingState = 2;
    Open();
    PrintToPdf();
    RunPrint({{19501, "2"}, {19504, "50"}, {19503, "1"}, {19506, "100"}});

    EXPECT_EQ(dir.ReadFile("CFG/PRNTLST.CFG"), "2 50 1050\n1 100 1052\n");
    EXPECT_EQ(PageCount(dir.File("plan.pdf")), 2);   // two copies of the ground floor
    EXPECT_EQ(PageCount(dir.File("plan-2.pdf")), 1); // the empty second floor: a blank page
    EXPECT_EQ(CurrentView, kGroundFloor);
    EXPECT_EQ(TextScale, 0);

    // 10 000 mm at 1 : 50 is 200 mm on paper.
    const QImage page = Raster("plan.pdf", 1);
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(LongestDarkRun(page), Pixels(200.0), Pixels(2.0));
    const std::string text = PdfText(dir.File("plan.pdf"));
    EXPECT_NE(text.find("scale 50 : 1"), std::string::npos) << text;
    EXPECT_NE(text.find("oor plan"), std::string::npos) << text;
    EXPECT_EQ(Raster("plan-2.pdf", 1).isNull(), false);
    EXPECT_EQ(LongestDarkRun(Raster("plan-2.pdf", 1)), 0);
}

TEST_F(Printing, OneToOneHundredWithACalibrationFactorPrintsCorrectedAndLeavesTheDrawingAsItWas) {
    WriteTenMetreWall();
    const std::string before = dir.ReadFile("DWGS/HOUSE.DB0");
    dir.WriteFile("CFG/PRNTCALM.CFG", "14700 1.020000");
    DrawingState = 2;
    Open();
    PrintToPdf();
    RunPrint({{19504, "100"}, {19510, "1"}});

    EXPECT_EQ(dir.ReadFile("CFG/PRNTLST.CFG"), "1 100 1050\n");
    const QImage page = Raster("plan.pdf", 1);
    EXPECT_NEAR(LongestDarkRun(page), Pixels(102.0), Pixels(1.5));
    // "print NO drawing scale": no caption text; the working file is as it was before the page.
    EXPECT_EQ(PdfText(dir.File("plan.pdf")).find("scale"), std::string::npos);
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), before);
}

TEST_F(Printing, ConfirmingThePlanDialogSetsTheDisplayMode) {
    WriteTenMetreWall();
    DrawingState = 2;
    Open();
    PrintToPdf();
    RunPrint({{19509, "1"}, {19517, "1"}});
    EXPECT_EQ(PlanDisplayMode, 21);
}

TEST_F(Printing, AScaleOfZeroIsRefusedInTheDialog) {
    WriteTenMetreWall();
    DrawingState = 2;
    Open();
    PrintToPdf();
    testsupport::ScriptedUi ui;
    pl::script::AnswerPrint(1);
    pl::script::AnswerDialog(19500, {{{{19504, "0"}}, IDOK}, {{}, IDCANCEL}});
    client->CmPrint();
    EXPECT_EQ(dir.ReadFile("CFG/PRNTLST.CFG"), "");
    EXPECT_FALSE(dir.Exists("plan.pdf"));
}

TEST_F(Printing, CancellingThePrintDialogPrintsNothing) {
    WriteTenMetreWall();
    DrawingState = 2;
    Open();
    PrintToPdf();
    testsupport::ScriptedUi ui;
    pl::script::CancelPrint();
    client->CmPrint();
    EXPECT_FALSE(dir.Exists("plan.pdf"));
    EXPECT_EQ(CurrentView, kGroundFloor);
}

TEST_F(Printing, WithNoDrawingOpenAndTheFileDialogCancelledNothingPrints) {
    WriteTenMetreWall();
    PrintToPdf();
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(5450, {{{{5451, "1"}}, IDOK}});
    pl::script::CancelFile();
    client->CmPrint();
    EXPECT_FALSE(dir.Exists("plan.pdf"));
    EXPECT_EQ(pl::script::Pending(), 0u);
}

TEST(PrintedPage, PrintValuesByUnits) {
    EXPECT_EQ(render::PrintZoomDivisor(1), 6);
    EXPECT_EQ(render::PrintPenScale(1), 4);
    EXPECT_EQ(render::PrintZoomDivisor(0), 5);
    EXPECT_EQ(render::PrintPenScale(0), 5);
    EXPECT_DOUBLE_EQ(render::InchesPerDrawingUnit(1), 0.0393710087639866);
    EXPECT_DOUBLE_EQ(render::InchesPerDrawingUnit(0), 1.0 / 24.0);
}

} // namespace
