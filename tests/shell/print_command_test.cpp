// File Print end to end: the print and plan dialogs answered by the test, the job list, and the PDF
// pages measured after rasterising them.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include "document/dimension_settings.h"
#include "document/program_state.h"
#include "document/working_file_step.h"
#include "platform/file_io.h"
#include "platform/gdi_objects.h"
#include "render/print_settings.h"
#include "render/printed_page.h"
#include "resources/command_ids.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/support/full_disk.h"
#include "walls/opening_construction.h"

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

    // The text of the whole file, or of one page.
    static std::string PdfText(const std::string& path, int page = 0) {
        QStringList arguments;
        if (page > 0) arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
        QProcess p;
        p.start("pdftotext", arguments << QString::fromStdString(path) << "-");
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

    // The page objects of the file ("/Type /Page", never the "/Type /Pages" tree above them).
    static int PdfPageObjects(const std::string& path) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) return -1;
        return static_cast<int>(
            QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page(?!s)")));
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
        client->ProcessCommand(cmd::kPrint);
        EXPECT_FALSE(ui.LogContains("DRAWING SIZE")); // printing stores nothing: never refused
    }
};

// A note alone `y` above the sheet's bottom edge prints, its caption below the edge, at 1 : scale.
struct LoneNoteCase {
    int32_t view, metric, y = 300, scale = 100;
    bool keyed = false; // y as the drawing window places it, not as the page reads it
};
class LoneNote : public Printing, public ::testing::WithParamInterface<LoneNoteCase> {};
TEST_P(LoneNote, PrintsWithItsScaleCaption) {
    const LoneNoteCase c = GetParam();
    MetricUnits = c.metric, DrawingState = 2;
    Open();
    if (!c.keyed) ZoomDivisor = render::PrintZoomDivisor(MetricUnits); // y as the page reads it
    ObjectList.Add(make::Text(c.view, Cx(), c.y));
    PrintToPdf();
    const std::string scale = std::to_string(c.scale);
    const auto copies = [&](int32_t view) { return c.view == view ? "1" : "0"; };
    RunPrint({{19501, copies(50)}, {19502, copies(51)}, {19503, copies(52)}, {20006, copies(kSitePlan)},
              {19504, scale}, {19505, scale}, {19506, scale}, {2253, scale}});
    const std::string text = PdfText(dir.File("plan.pdf"));
    EXPECT_NE(text.find("scale 1 : " + scale), std::string::npos) << text;
    EXPECT_NE(text.find("HALL"), std::string::npos) << text;
}
INSTANTIATE_TEST_SUITE_P(Edge, LoneNote,
                         ::testing::Values(LoneNoteCase{50, 1}, LoneNoteCase{50, 0}, LoneNoteCase{59, 0},
                                           LoneNoteCase{51, 1, 300, 100}, LoneNoteCase{51, 0, 283, 96},
                                           LoneNoteCase{51, 0, 283, 96, true}, LoneNoteCase{51, 0, 567, 96, true},
                                           LoneNoteCase{52, 0, 283, 48, true}, LoneNoteCase{59, 0, 283, 96, true},
                                           LoneNoteCase{51, 1, 300, 100, true}));

TEST_F(Printing, WorkedExampleWritesTheJobListAndPrintsEveryCopyAsAPage) {
    WriteTenMetreWall();
    DrawingState = 2;
    Open();
    PrintToPdf();
    int writes = 0; // of the working file: the pages take their captions in memory, never in the file
    OnWorkingFileWritten([&writes] { ++writes; });
    RunPrint({{19501, "2"}, {19504, "50"}, {19503, "1"}, {19506, "100"}});
    OnWorkingFileWritten({});
    EXPECT_EQ(writes, 1); // only before the pages, so that they print every edit

    EXPECT_EQ(dir.ReadFile("CFG/PRNTLST.CFG"), "2 50 1050\n1 100 1052\n");
    // Two copies of the ground floor, then the empty second floor as a blank page, in the one file.
    EXPECT_EQ(PageCount(dir.File("plan.pdf")), 3);
    EXPECT_FALSE(dir.Exists("plan-2.pdf"));
    EXPECT_EQ(CurrentView, kGroundFloor);
    EXPECT_EQ(TextScale, 0);

    // 10 000 mm at 1 : 50 is 200 mm on paper.
    const QImage page = Raster("plan.pdf", 1);
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(LongestDarkRun(page), Pixels(200.0), Pixels(2.0));
    const std::string text = PdfText(dir.File("plan.pdf"));
    EXPECT_NE(text.find("scale 1 : 50"), std::string::npos) << text;
    EXPECT_NE(text.find("oor plan"), std::string::npos) << text;
    EXPECT_EQ(Raster("plan.pdf", 3).isNull(), false);
    EXPECT_EQ(LongestDarkRun(Raster("plan.pdf", 3)), 0);
}

TEST_F(Printing, TheFloorsOfOnePrintGoIntoTheOneFileAPageEachInJobOrder) {
    WriteTenMetreWall();
    ObjectList.Add(make::ExtWall(kFirstFloor, Cx() - 2000, Cy(), Cx() + 2000, Cy()));
    CurrentView = kFirstFloor;
    ObjectList.MakeTitleBlock();
    CurrentView = kGroundFloor;
    DrawingState = 2;
    Open();
    PrintToPdf();
    RunPrint({{19501, "1"}, {19504, "100"}, {19502, "1"}, {19505, "100"}});

    EXPECT_EQ(PdfPageObjects(dir.File("plan.pdf")), 2);
    const std::string ground = PdfText(dir.File("plan.pdf"), 1), first = PdfText(dir.File("plan.pdf"), 2);
    // The titles, "ground floor plan" and "first floor plan" (set with ligatures, so "fi" is one letter).
    EXPECT_NE(ground.find("ground"), std::string::npos) << ground;
    EXPECT_EQ(ground.find("rst "), std::string::npos) << ground;
    EXPECT_NE(first.find("rst "), std::string::npos) << first;
    EXPECT_EQ(first.find("ground"), std::string::npos) << first;
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

TEST_F(Printing, WithNoDrawingOpenTheTypedNameChoosesTheListedDrawing) {
    WriteTenMetreWall(), PrintToPdf(), dir.WriteFile("DWGS/ABCDEFGHIJKLMNOPQRSTUVWXYZ.DB0", "0 0 0 0 1 1\n");
    testsupport::ScriptedUi ui;
    for (const std::string typed : {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", " house.db0 "}) {
        pl::script::AnswerDialog(5450, {{{{5451, "1"}}, IDOK}}),
            pl::script::AnswerFile(dir.File("DWGS/" + typed));
        if (typed[0] == ' ')
            pl::script::AnswerPrint(1), pl::script::AnswerDialog(19500, {{{{19501, "1"}}, IDOK}});
        client->CmPrint();
        EXPECT_EQ(dir.Exists("plan.pdf"), typed[0] == ' ') << typed;
    }
}

// A print whose file the disk cuts short is told once, and leaves the file that was there as it was,
// or no file where there was none; with room back the same print is written whole.
struct CutPrintCase {
    const char* name;
    bool fileBefore;
    double share;             // of the whole file, that the disk has room for
    int32_t less;             // bytes fewer than that
    bool listBlocked = false; // a folder takes the print list's name
    bool cancelled = false;   // the print plan views dialog is cancelled: nothing to tell
    bool stopped = false;     // Cancel in the print's progress box as it shows: nothing to tell
};

class CutPrint : public Printing, public ::testing::WithParamInterface<CutPrintCase> {};

TEST_P(CutPrint, IsToldOnceAndLeavesTheFileThatWasThere) {
    const CutPrintCase& c = GetParam();
    WriteTenMetreWall();
    DrawingState = 2;
    Open();
    PrintToPdf();
    auto print = [&](bool told, bool cancel = false, bool stop = false) {
        testsupport::ScriptedUi ui;
        pl::script::AnswerPrint(1);
        pl::script::AnswerDialog(19500, {{{{19504, "100"}, {19510, "1"}}, cancel ? IDCANCEL : IDOK}});
        if (told) pl::script::AnswerMessageBox(IDOK);
        if (stop) // Cancel in the print's progress box, as soon as it shows
            QTimer::singleShot(
                0, [] { qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())->cancel(); });
        client->CmPrint();
        const std::string log = ui.Log(), box = "MessageBox caption=\"PRINT\"";
        EXPECT_EQ(log.find("Print failed") != std::string::npos, told) << log;
        int boxes = 0;
        for (size_t at = log.find(box); at != std::string::npos; at = log.find(box, at + 1))
            ++boxes;
        return boxes;
    };
    ASSERT_EQ(print(false), 0);
    const std::string before = dir.ReadFile("plan.pdf");
    if (!c.fileBefore) {
        ASSERT_TRUE(pl::RemoveFile(dir.File("plan.pdf")));
    }
    const std::filesystem::path list = dir.File("CFG/PRNTLST.CFG");
    if (c.listBlocked) {
        ASSERT_TRUE(std::filesystem::remove(list) && std::filesystem::create_directory(list));
    }
    {
        const testsupport::FullDisk full(static_cast<std::uintmax_t>(before.size() * c.share) - c.less);
        EXPECT_EQ(print(!c.cancelled && !c.stopped, c.cancelled, c.stopped),
                  c.cancelled || c.stopped ? 0 : 1);
    }
    if (c.listBlocked) {
        EXPECT_TRUE(std::filesystem::remove(list));
    }
    if (c.fileBefore) {
        EXPECT_EQ(dir.ReadFile("plan.pdf"), before);
    }
    EXPECT_EQ(pl::FindFiles(dir.File("plan.pdf*")).size(), c.fileBefore ? 1u : 0u);

    EXPECT_EQ(print(false), 0);
    EXPECT_EQ(PageCount(dir.File("plan.pdf")), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, CutPrint,
    ::testing::Values(CutPrintCase{"ShortOfItsEndOverAnEarlierPrint", true, 1.0, 64},
                      CutPrintCase{"HalfOverAnEarlierPrint", true, 0.5, 0},
                      CutPrintCase{"HalfWithNoFileBefore", false, 0.5, 0},
                      CutPrintCase{"PrintListNotWritable", true, 2.0, 0, true},
                      CutPrintCase{"PrintListNotWritableAndCancelled", true, 2.0, 0, true, true},
                      CutPrintCase{"CancelledWhilePrinting", false, 2.0, 0, false, false, true}),
    [](const ::testing::TestParamInfo<CutPrintCase>& info) { return info.param.name; });

// Drawing units to printed millimetres, and the printed lengths of an external wall's faces.
class PrintedScale : public Printing {
protected:
    static constexpr int kFineDpi = 300;

    // A long horizontal wall and, above it and clear of it, a short vertical one: their outer faces
    // are the longest dark runs of the page along each axis.
    void WriteTwoWalls(int32_t longUnits, int32_t shortUnits) {
        const int32_t left = Cx() - longUnits / 2;
        auto across = make::ExtWall(kGroundFloor, left, Cy(), left + longUnits, Cy());
        SetInnerFace(*across, 0, -longUnits / 20);
        auto up = make::ExtWall(kGroundFloor, Cx(), Cy() + shortUnits, Cx(), Cy() + 2 * shortUnits);
        SetInnerFace(*up, shortUnits / 5, 0);
        std::vector<std::unique_ptr<TObject>> objects;
        objects.push_back(std::move(across));
        objects.push_back(std::move(up));
        WriteDrawing(std::move(objects));
    }

    // Line A a quarter shorter than the outer face at each end, offset by (dx, dy).
    static void SetInnerFace(TExtwallobj& wall, int32_t dx, int32_t dy) {
        const int32_t qx = (wall.x2 - wall.x1) / 4, qy = (wall.y2 - wall.y1) / 4;
        wall.p1x = wall.x1 + qx + dx;
        wall.p1y = wall.y1 + qy + dy;
        wall.p2x = wall.x2 - qx + dx;
        wall.p2y = wall.y2 - qy + dy;
        wall.thickness1 = std::max(std::abs(dx), std::abs(dy));
    }

    QImage FineRaster() {
        const QString stem = QString::fromStdString(dir.File("fine"));
        QProcess::execute("pdftoppm", {"-r", QString::number(kFineDpi), "-gray", "-singlefile",
                                       QString::fromStdString(dir.File("plan.pdf")), stem});
        return QImage(stem + ".pgm");
    }

    static double FinePixels(double mm) { return mm / kMmPerInch * kFineDpi; }

    // The longest dark run along rows (or columns), and the ink's bounding box.
    static int LongestRun(const QImage& image, bool alongRows) {
        const int lines = alongRows ? image.height() : image.width();
        const int length = alongRows ? image.width() : image.height();
        int best = 0;
        for (int i = 0; i < lines; ++i) {
            int run = 0;
            for (int j = 0; j < length; ++j) {
                const QRgb p = alongRows ? image.pixel(j, i) : image.pixel(i, j);
                run = qGray(p) < 128 ? run + 1 : 0;
                best = std::max(best, run);
            }
        }
        return best;
    }
};

struct ScaleCase {
    int32_t metric;
    const char* scale;
    int32_t longUnits;
    int32_t shortUnits;
    friend std::ostream& operator<<(std::ostream& out, const ScaleCase& c) {
        return out << (c.metric != 0 ? "1 : " : "imperial 1 : ") << c.scale;
    }
};

class PrintedScaleCase : public PrintedScale, public ::testing::WithParamInterface<ScaleCase> {};

// Each face prints its exact length at the scale, within the width of the printed pen (which also
// rounds the ends), and the drawing sits in the middle of the paper.
TEST_P(PrintedScaleCase, FacesPrintTheirExactLengthCentred) {
    const ScaleCase c = GetParam();
    MetricUnits = c.metric;
    WriteTwoWalls(c.longUnits, c.shortUnits);
    DrawingState = 2;
    Open();
    PrintToPdf();
    RunPrint({{19504, c.scale}, {19510, "1"}});

    const QImage page = FineRaster();
    ASSERT_FALSE(page.isNull());
    const int scale = std::atoi(c.scale);
    const double mmPerUnit = render::InchesPerDrawingUnit(c.metric) * kMmPerInch / scale;
    // The medium pen: 6 drawing units per 100 of scale in metric (6 per 96 in feet and inches),
    // ZoomDivisor units each.
    const double penMm =
        6.0 * (c.metric != 0 ? scale / 100.0 : scale / 96.0) * render::PrintZoomDivisor(c.metric) * mmPerUnit;
    const double pen = FinePixels(penMm) + 1;
    EXPECT_NEAR(LongestRun(page, true), FinePixels(c.longUnits * mmPerUnit) + pen - 1, pen) << c.scale;
    EXPECT_NEAR(LongestRun(page, false), FinePixels(c.shortUnits * mmPerUnit) + pen - 1, pen) << c.scale;

    // The extents are centred on the printable page: across, the walls'; upward, from the top of
    // the short wall down to the room left under the (here empty) scale caption below the walls.
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    const QRectF printable = client->Printer->GetQPrinter().pageLayout().paintRect(QPageLayout::Millimeter);
    EXPECT_NEAR(ink.center().x(), FinePixels(printable.center().x()), pen + 2);
    const DimensionSettings off = ReadDimensionSettings(c.metric);
    const auto g = static_cast<int32_t>(static_cast<float>(off.externalOffset) * static_cast<float>(scale) /
                                        (c.metric != 0 ? 100.0f : 96.0f));
    const int32_t captionY = Cy() - (4 * g + off.overallOffset);
    const int32_t height =
        Cy() + 2 * c.shortUnits - (captionY - (4 * off.externalOffset + off.overallOffset));
    const double topMm = printable.center().y() - height / 2.0 * mmPerUnit;
    EXPECT_NEAR(ink.top(), FinePixels(topMm) - pen / 2, pen) << c.scale;
}

INSTANTIATE_TEST_SUITE_P(Scales, PrintedScaleCase,
                         ::testing::Values(ScaleCase{1, "50", 10000, 1000}, ScaleCase{1, "100", 20000, 1000},
                                           ScaleCase{1, "200", 4000, 2500}, ScaleCase{0, "96", 14400, 1152}));

// A dashed line printed with its widened pen keeps its dashes.
TEST_F(PrintedScale, ADashedLinePrintsDashed) {
    MetricUnits = 1;
    auto wall = make::ExtWall(kGroundFloor, Cx() - 5000, Cy(), Cx() + 5000, Cy());
    SetInnerFace(*wall, 0, -200);
    auto dashed = make::Line(kGroundFloor, Cx() - 4000, Cy() + 2000, Cx() + 4000, Cy() + 2000);
    dashed->penStyle = PS_DASH;
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(std::move(wall));
    objects.push_back(std::move(dashed));
    WriteDrawing(std::move(objects));
    DrawingState = 2;
    Open();
    PrintToPdf();
    RunPrint({{19504, "100"}, {19510, "1"}});

    const QImage page = FineRaster();
    ASSERT_FALSE(page.isNull());
    // Probe along the middle of the topmost ink, the dashed line 20 mm above the wall: 80 mm of it.
    int top = -1;
    for (int y = 0; y < page.height() && top < 0; ++y)
        for (int x = 0; x < page.width() && top < 0; ++x)
            if (qGray(page.pixel(x, y)) < 128) top = y;
    ASSERT_GE(top, 0);
    const int row = top + 2;
    int dashes = 0, ink = 0;
    bool inDash = false;
    for (int x = 0; x < page.width(); ++x) {
        const bool dark = qGray(page.pixel(x, row)) < 128;
        dashes += dark && !inDash;
        ink += dark;
        inDash = dark;
    }
    EXPECT_GE(dashes, 5);
    EXPECT_LT(ink, FinePixels(80.0) * 0.9);
    EXPECT_GT(ink, FinePixels(80.0) * 0.5);
}

// A cross-hatched cavity wall on paper and in the bitmap, drawn as on the screen at the picture's
// scale: its ink keeps within its faces and each pair of hatch strokes shows as two lines.
struct HatchCase {
    const char* scale; // of the printed page; null for the bitmap
    double unitsPerPixel;
    double reach; // how far the ink may pass a face, in pixels
    friend std::ostream& operator<<(std::ostream& out, const HatchCase& c) {
        return out << (c.scale != nullptr ? std::string("paper 1 : ") + c.scale : "bitmap");
    }
};

class HatchedWall : public Printing, public ::testing::WithParamInterface<HatchCase> {
protected:
    static constexpr int32_t kOuterLeaf = 100, kThickness = 275, kLength = 10000;
    static constexpr int32_t kNormalWallsRadio = 19515; // then cross hatched and solid

    // Outer face on top, then the outer leaf, a 75 mm cavity and the inner leaf; the inner face drawn
    // again as a line as wide as its own pen, since the bitmap's frame takes in a wall's outer face
    // only (a closed outline holds the inner faces) and Save as bitmap wants two objects.
    void WriteCavityWall() {
        MetricUnits = 1;
        const int32_t left = Cx() - kLength / 2, right = left + kLength, top = Cy();
        auto wall = make::ExtWall(kGroundFloor, left, top, right, top);
        wall->thickness1 = kOuterLeaf, wall->thickness2 = 75, wall->thickness3 = 100;
        const auto layer = [&](int32_t& ax, int32_t& ay, int32_t& bx, int32_t& by, int32_t depth) {
            ax = left, bx = right, ay = by = top - depth;
        };
        layer(wall->p1x, wall->p1y, wall->p2x, wall->p2y, kOuterLeaf);
        layer(wall->p3x, wall->p3y, wall->p4x, wall->p4y, 175);
        layer(wall->p5x, wall->p5y, wall->p6x, wall->p6y, kThickness);
        std::vector<std::unique_ptr<TObject>> objects;
        objects.push_back(std::move(wall));
        objects.push_back(make::Line(kGroundFloor, left, top - kThickness, left + 2000, top - kThickness));
        WriteDrawing(std::move(objects));
        DrawingState = 2;
        Open();
    }

    // A partition as long, 100 thick, with a 900 wide opening cut at its middle as the door tool cuts
    // it (the faces painted over in the background there and closed by jambs), and a plain external
    // wall a metre above it, which the page and the bitmap take their frame from.
    void WritePartitionWithDoorway() {
        MetricUnits = 1;
        const int32_t left = Cx() - kLength / 2, right = left + kLength, top = Cy();
        ObjectList.Flush();
        auto outer = make::ExtWall(kGroundFloor, left, top + 1000, right, top + 1000);
        outer->thickness1 = kPartition;
        outer->p1x = left, outer->p2x = right, outer->p1y = outer->p2y = top + 1000 - kPartition;
        ObjectList.Add(std::move(outer));
        const int32_t attr[4] = {};
        ObjectList.Add(std::make_unique<TIntwallobj>(
            kGroundFloor, kIntWall, 1, 0, 10002, 10002, left, 0, right, 0, top, top, 0, kPartition, 0, 0, 0,
            0, 1, 900, left, 0, top - kPartition, right, top - kPartition, attr, 0, 0));
        Opening o;
        o.kind = openingkind::kWallOpening;
        o.px = Cx(), o.py = top, o.width = kDoorway, o.thickness = kPartition, o.angle = 900;
        o.wallClass = kInternalWallClass, o.wallId = 10002, o.openingId = 10003, o.view = kGroundFloor;
        BuildOpening(o, ObjectList);
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        DrawingState = 2;
        Open();
    }

    static constexpr int32_t kPartition = 100, kDoorway = 900;

    // The printed page at 600 dpi, cut to the band that holds the floor (a whole page is more than
    // QImage reads), or the saved bitmap; in grey.
    QImage Picture(const char* scale, int32_t wallStyle = displaymode::kWallsHatched) {
        if (scale == nullptr) {
            PlanDisplayMode = wallStyle;
            testsupport::ScriptedUi ui;
            client->CmSaveBitmap();
            return QImage(QString::fromStdString(dir.File("DWGS/HOUSEGND.BMP")))
                .convertToFormat(QImage::Format_Grayscale8);
        }
        PrintToPdf();
        RunPrint({{19504, scale}, {kNormalWallsRadio + wallStyle / 10, "1"}, {19510, "1"}});
        const QString stem = QString::fromStdString(dir.File("page"));
        const auto px = [](double mm) { return QString::number(int(mm / kMmPerInch * 600)); };
        QProcess::execute("pdftoppm", {"-r", "600", "-gray", "-singlefile", "-y", px(20), "-W", px(297), "-H",
                                       px(170), QString::fromStdString(dir.File("plan.pdf")), stem});
        return QImage(stem + ".pgm").convertToFormat(QImage::Format_Grayscale8);
    }
};

TEST_P(HatchedWall, InkKeepsWithinTheFacesAndTheHatchStrokesStayApart) {
    const HatchCase c = GetParam();
    WriteCavityWall();
    const QImage picture = Picture(c.scale);
    const auto dark = [&](int x, int y) { return picture.constScanLine(y)[x] < 128; };
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (dark(x, y)) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());

    const double thickness = kThickness / c.unitsPerPixel;
    const double reach = (ink.height() - thickness) / 2;
    EXPECT_LE(reach, c.reach) << ink.height() << " rows for " << thickness;
    EXPECT_GE(reach, -c.reach) << ink.height() << " rows for " << thickness;

    // Half-way through each leaf: a pair of strokes every 140 logical units, 20 or more lines in all.
    const double face = ink.top() + reach, leaf = kOuterLeaf / 2 / c.unitsPerPixel;
    for (const double row : {face + leaf, face + thickness - leaf}) {
        int lines = 0, inked = 0;
        for (int x = ink.left(); x <= ink.right(); ++x) {
            lines += dark(x, int(row)) && (x == ink.left() || !dark(x - 1, int(row)));
            inked += dark(x, int(row));
        }
        EXPECT_GE(lines, 20) << row - ink.top();
        EXPECT_LT(inked, ink.width() * 0.4) << row - ink.top();
    }
}

// In the hatched and solid styles a doorway in a partition is as clear of ink as in the normal style,
// and the wall beside it is filled.
TEST_P(HatchedWall, APartitionDoorwayStaysAsClearAsInTheNormalStyle) {
    const HatchCase c = GetParam();
    WritePartitionWithDoorway();
    const double half = kDoorway / 2 / c.unitsPerPixel, margin = c.reach + 0.5;
    int clearInNormal = -1;
    for (const int32_t style :
         {displaymode::kWallsNormal, displaymode::kWallsHatched, displaymode::kWallsSolid}) {
        const QImage picture = Picture(c.scale, style);
        QRect ink;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.constScanLine(y)[x] < 128) ink |= QRect(x, y, 1, 1);
        ASSERT_FALSE(ink.isEmpty()) << style;
        // From `past` outside one of the partition's faces (the lowest ink) to as far outside the
        // other: across the doorway with the faces' pens, and as far again beside it clear of them.
        const double faces = kPartition / c.unitsPerPixel, bottom = ink.bottom() - c.reach;
        const auto darkIn = [&](double from, double to, double past) {
            int n = 0;
            for (int y = int(std::ceil(bottom - faces - past)); y <= int(bottom + past); ++y)
                for (int x = int(std::ceil(ink.center().x() + from)); x <= int(ink.center().x() + to); ++x)
                    n += picture.constScanLine(y)[x] < 128;
            return n;
        };
        const int doorway = darkIn(margin - half, half - margin, margin);
        const int beside = darkIn(half + margin, 3 * half, -margin);
        if (style == displaymode::kWallsNormal) {
            clearInNormal = doorway;
            EXPECT_EQ(beside, 0);
        } else {
            EXPECT_LE(doorway, clearInNormal) << style;
            EXPECT_GT(beside, clearInNormal + 1) << style;
        }
    }
}

constexpr double kPageMm = 600 / kMmPerInch; // pixels per millimetre of the page

INSTANTIATE_TEST_SUITE_P(PaperAndBitmap, HatchedWall,
                         ::testing::Values(HatchCase{"100", 100 / kPageMm, 0.3 * kPageMm},
                                           HatchCase{"50", 50 / kPageMm, 0.3 * kPageMm},
                                           // 25 mm a pixel: 0.3 mm at 1 : 100 is 1.2 pixels.
                                           HatchCase{nullptr, 25.0, 1.2}));

TEST(PrintedPage, PrintValuesByUnits) {
    EXPECT_EQ(render::PrintZoomDivisor(1), 6);
    EXPECT_EQ(render::PrintPenScale(1), 4);
    EXPECT_EQ(render::PrintZoomDivisor(0), 5);
    EXPECT_EQ(render::PrintPenScale(0), 5);
    EXPECT_DOUBLE_EQ(render::InchesPerDrawingUnit(1), 0.0393710087639866);
    EXPECT_DOUBLE_EQ(render::InchesPerDrawingUnit(0), 1.0 / 24.0);
}

TEST(PrintedPage, PenAndTextMultipliersAreAtLeastOne) {
    struct Case {
        int32_t metric, scale, weight, size, pen, text;
    };
    for (const Case c : {Case{1, 100, 2, 2, 6, 6}, Case{1, 50, 2, 2, 3, 3}, Case{1, 200, 2, 2, 12, 12},
                         Case{1, 500, 1, 1, 20, 20}, Case{0, 96, 2, 3, 6, 8}, Case{1, 10, 1, 3, 1, 1},
                         Case{1, 1, 3, 3, 1, 1}, Case{0, 10, 2, 1, 1, 1}}) {
        const render::PrintMultipliers m = render::PrintMultipliersFor(c.metric, c.scale, c.weight, c.size);
        EXPECT_EQ(m.pen, c.pen) << c.scale;
        EXPECT_EQ(m.text, c.text) << c.scale;
    }
}

} // namespace
