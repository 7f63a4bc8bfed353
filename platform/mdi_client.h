// The MDI client: the frame's middle area that holds the drawing windows.
#pragma once

#include <vector>

#include "platform/window.h"

class QMdiArea;
class TMDIChild;

class TMDIClient : public TWindow {
public:
    explicit TMDIClient(TModule* module = nullptr);
    ~TMDIClient() override; // deletes the children still open

    // Asks every child's CanClose; when all agree, closes and deletes them all. False on a refusal
    // (then none is closed).
    bool CloseChildren();
    // Every child agrees to close.
    bool CanClose() override;

    // The active child (the last one activated); null when there is none.
    TMDIChild* GetActiveMDIChild() const;
    int NumChildren() const { return static_cast<int>(Children.size()); }
    const std::vector<TMDIChild*>& GetChildren() const { return Children; }

    void SetBkgndColor(COLORREF colour);
    COLORREF GetBkgndColor() const { return Background; }

    QMdiArea* Area() const { return MdiArea; }

    // Used by TMDIChild.
    void AddChild(TMDIChild* child);
    void RemoveChild(TMDIChild* child);

private:
    QMdiArea* MdiArea;
    std::vector<TMDIChild*> Children;
    COLORREF Background = RGB(128, 128, 128);
};
