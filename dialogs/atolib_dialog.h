// The add-to-library dialog (resource 16000): names the library item the copy tool gathered.
#pragma once

#include <cstdint>

class TWindow;

class TAtolibdlg {
public:
    TAtolibdlg(TWindow* parent, int32_t resId);
    // IDOK or IDCANCEL.
    int Execute();

private:
    TWindow* Parent;
    int32_t ResId;
};
