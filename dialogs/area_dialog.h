// "floor area" (resource 17000): the stored area of each floor and their total.
#pragma once

#include <cstdint>

class TWindow;

class TAreadlg {
public:
    TAreadlg(TWindow* parent, int32_t resId);
    // IDOK or IDCANCEL.
    int Execute();

private:
    TWindow* Parent;
    int32_t ResId;
};
