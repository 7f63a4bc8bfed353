#include "platform/mdi_client.h"

#include <algorithm>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/mdi_child.h"

TMDIClient::TMDIClient(TModule* module) : TWindow(nullptr, nullptr, module), MdiArea(new QMdiArea) {
    MdiArea->setBackground(QColor(GetRValue(Background), GetGValue(Background), GetBValue(Background)));
    SetHandle(MdiArea);
}

TMDIClient::~TMDIClient() {
    while (!Children.empty())
        delete Children.back(); // each one leaves the list
    delete GetHandle();
}

bool TMDIClient::CanClose() {
    std::vector<TMDIChild*> children = Children;
    for (TMDIChild* child : children)
        if (!child->CanClose()) return false;
    return true;
}

bool TMDIClient::CloseChildren() {
    if (!CanClose()) return false;
    while (!Children.empty())
        delete Children.back();
    return true;
}

TMDIChild* TMDIClient::GetActiveMDIChild() const {
    if (Children.empty()) return nullptr;
    if (QMdiSubWindow* current = MdiArea->currentSubWindow())
        for (TMDIChild* child : Children)
            if (child->SubWindow() == current) return child;
    // Without an active top-level window nothing is "current": the child made last is.
    return Children.back();
}

void TMDIClient::SetBkgndColor(COLORREF colour) {
    Background = colour;
    MdiArea->setBackground(QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
}

void TMDIClient::AddChild(TMDIChild* child) {
    if (std::find(Children.begin(), Children.end(), child) == Children.end()) Children.push_back(child);
}

void TMDIClient::RemoveChild(TMDIChild* child) {
    Children.erase(std::remove(Children.begin(), Children.end(), child), Children.end());
}
