// A printout: the pages of one print job, asked for by the printer object. A program derives from
// it, says how many pages it has and paints each one on the device context it is given.
#pragma once

#include <cstdint>
#include <string>

#include "platform/geometry.h"

class TDC;

class TPrintout {
public:
    explicit TPrintout(const char* title) : Title(title != nullptr ? title : "") {}
    virtual ~TPrintout() = default;
    TPrintout(const TPrintout&) = delete;
    TPrintout& operator=(const TPrintout&) = delete;

    // Called before the first page with the printer's context and the printable page in device units.
    virtual void SetPrintParams(TDC* dc, TSize pageSize) {
        DC = dc;
        PageSize = pageSize;
    }
    virtual void GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage) {
        minPage = maxPage = selFromPage = selToPage = 1;
    }
    virtual void BeginPrinting() {}
    virtual void BeginDocument(int /*startPage*/, int /*endPage*/, unsigned /*flags*/) {}
    virtual bool HasPage(int pageNumber) { return pageNumber == 1; }
    virtual void PrintPage(int pageNumber, TRect& band, unsigned flags) = 0;
    virtual void EndDocument() {}
    virtual void EndPrinting() {}

    const std::string& GetTitle() const { return Title; }
    TDC* GetDC() const { return DC; }
    const TSize& GetPageSize() const { return PageSize; }

protected:
    std::string Title;
    TDC* DC = nullptr;
    TSize PageSize;
};
