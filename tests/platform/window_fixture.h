// A running frame with an MDI client and drawing-like children that record the messages they get.
#pragma once

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/detail/client_view.h"
#include "platform/frame_window.h"
#include "platform/gadget_window.h"
#include "platform/mdi_child.h"
#include "platform/mdi_client.h"
#include "platform/scroller.h"

namespace windowtest {

struct Message {
    std::string kind;
    uint a = 0;
    TPoint point;
};

class RecordingChild : public TMDIChild {
public:
    RecordingChild(TMDIClient& client, const char* title = "child") : TMDIChild(client, title) {
        Attr.Style |= WS_MAXIMIZE | WS_HSCROLL | WS_VSCROLL;
    }

    ~RecordingChild() override {
        if (Deleted) *Deleted = true;
    }

    const char* GetClassName() override { return "recording"; }
    void GetWindowClass(WNDCLASS& wc) override { wc.Background = RGB(10, 20, 30); }
    bool CanClose() override { return AllowClose; }

    void SetupWindow() override { SetupRect = GetClientRect(); }
    void EvSize(uint type, const TSize& size) override {
        TMDIChild::EvSize(type, size);
        Sizes.push_back(size);
    }
    void Paint(TDC& dc, bool erase, TRect& rect) override {
        ++Paints;
        if (OnPaint) OnPaint(dc, erase, rect);
    }
    void EvLButtonDown(uint keys, const TPoint& p) override {
        Log.push_back({"ldown", keys, p});
        if (OnLButtonDown) OnLButtonDown(keys, p);
    }
    void EvLButtonUp(uint keys, const TPoint& p) override {
        Log.push_back({"lup", keys, p});
        if (ThrowOnLButtonUp) throw std::runtime_error("handler failed");
    }
    void EvRButtonDown(uint keys, const TPoint& p) override { Log.push_back({"rdown", keys, p}); }
    void EvRButtonUp(uint keys, const TPoint& p) override { Log.push_back({"rup", keys, p}); }
    void EvMouseMove(uint keys, const TPoint& p) override { Log.push_back({"move", keys, p}); }
    void EvKeyDown(uint key, uint, uint) override { Log.push_back({"keydown", key, {}}); }
    void EvKeyUp(uint key, uint, uint) override { Log.push_back({"keyup", key, {}}); }
    void EvChar(uint ch, uint, uint) override { Log.push_back({"char", ch, {}}); }
    void EvHScroll(uint code, uint thumb) override {
        Log.push_back({"hscroll", code, TPoint(static_cast<int32_t>(thumb), 0)});
    }
    bool ProcessCommand(int32_t id) override {
        if (id != ChildCommand) return false;
        ++ChildCommands;
        return true;
    }

    std::vector<Message> Log;
    std::vector<TSize> Sizes;
    int Paints = 0;
    bool AllowClose = true;
    bool ThrowOnLButtonUp = false;
    bool* Deleted = nullptr;
    TRect SetupRect;
    int32_t ChildCommand = -1;
    int ChildCommands = 0;
    std::function<void(TDC&, bool, TRect&)> OnPaint;
    std::function<void(uint, const TPoint&)> OnLButtonDown;

    std::vector<Message> Of(const std::string& kind) const {
        std::vector<Message> out;
        for (const Message& m : Log)
            if (m.kind == kind) out.push_back(m);
        return out;
    }
};

// The program's client window in miniature: a command table with handlers and one enabler.
class TestClient : public TMDIClient {
public:
    void CmHandled() { Ran.push_back(100); }
    void CmChecked() { Ran.push_back(101); }
    void CeChecked(TCommandEnabler& ce) {
        ce.Enable(CheckedEnabled);
        ce.SetCheck(CheckedOn ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
    }
    void CmExit() { Ran.push_back(CM_EXIT); }

    bool ProcessCommand(int32_t id) override {
        return Table().Process(*this, id) || TMDIClient::ProcessCommand(id);
    }
    bool EnableCommand(TCommandEnabler& ce) override {
        return Table().Enable(*this, ce) || TMDIClient::EnableCommand(ce);
    }

    bool HandleExit = true;
    bool CheckedEnabled = true;
    bool CheckedOn = false;
    std::vector<int32_t> Ran;

private:
    const TCommandTable<TestClient>& Table() const {
        static const TCommandTable<TestClient> withExit{{100, &TestClient::CmHandled},
                                                        {101, &TestClient::CmChecked, &TestClient::CeChecked},
                                                        {CM_EXIT, &TestClient::CmExit}};
        static const TCommandTable<TestClient> withoutExit{
            {100, &TestClient::CmHandled}, {101, &TestClient::CmChecked, &TestClient::CeChecked}};
        return HandleExit ? withExit : withoutExit;
    }
};

inline TMenuTable TestMenu() {
    return {{"&File", {{100, "Handled"}, {}, {101, "Checked"}, {102, "Unhandled"}, {CM_EXIT, "Exit"}}},
            {"&Help", {{103, "Also unhandled"}}}};
}

class TestApp : public TApplication {
public:
    TestApp() : TApplication("TEST APP") {}
    void InitMainWindow() override {
        Client = new TestClient;
        Frame = new TDecoratedMDIFrame("TEST FRAME", TestMenu(), *Client, true);
        Status = new TStatusBar(Frame, TGadget::Recessed, 0);
        ToolGadget = new TTextGadget(0, TGadget::Recessed, TTextGadget::Left, 10, "");
        Status->Insert(*ToolGadget);
        Status->SetText("ready");
        Frame->Insert(*Status, TDecoratedFrame::Bottom);
        SetMainWindow(Frame);
        Harbor = std::make_unique<THarbor>(*Frame);
        Bar = new TDockableControlBar(Frame, TGadgetWindow::Horizontal, &Font);
        QImage glyph(16, 16, QImage::Format_RGB32);
        glyph.fill(Qt::red);
        Button100 = new TButtonGadget(glyph, 100);
        Button102 = new TButtonGadget(glyph, 102);
        Bar->Insert(*Button100);
        Bar->Insert(*new TSeparatorGadget(6));
        Bar->Insert(*Button102);
        Bar->SetHintMode(TGadgetWindow::EnterHints);
        Harbor->Insert(*Bar, alTop);
    }

    TestClient* Client = nullptr;
    TDecoratedMDIFrame* Frame = nullptr;
    TStatusBar* Status = nullptr;
    TTextGadget* ToolGadget = nullptr;
    TDockableControlBar* Bar = nullptr;
    TButtonGadget* Button100 = nullptr;
    TButtonGadget* Button102 = nullptr;
    std::unique_ptr<THarbor> Harbor;
    TGadgetWindowFont Font{6};
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        pl::RegisterStrings({{100, "Handled hint\nHandled tip"}, {102, "Unhandled hint"}});
        ASSERT_TRUE(App.InitInstance());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(App.Frame->MainWidget()));
    }

    RecordingChild* NewChild(const char* title = "child") {
        auto* child = new RecordingChild(*App.Client, title);
        child->Create();
        QCoreApplication::processEvents();
        return child;
    }

    TestApp App;
};

} // namespace windowtest
