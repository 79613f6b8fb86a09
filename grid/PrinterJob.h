#pragma once
// A print job run outside any document. A derived class fills four hooks (prepare, begin, one
// page, end); DoPrint asks the first whether there is anything to print and then runs the job
// through wx's printer with the GTK print dialog, which also offers printing to a PDF or
// PostScript file. Every size comes from the printer: the drawing rectangle is the printer's page
// in its own units, and point fonts and millimetres use the printer's resolution (the screen's
// 96 dpi rule is the screen's alone). The job never enables or disables a window: a modal dialog
// that starts it keeps its owner disabled.
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/print.h>

#include <functional>

// What the hooks know about the pages while the job runs.
struct CPrintInfo {
    static constexpr int kUnknownPage = 0xFFFF;

    void SetMaxPage(int nPage) { m_nMaxPage = nPage; }
    int GetMaxPage() const { return m_nMaxPage; }

    int m_nMinPage = 1;
    int m_nMaxPage = kUnknownPage;
    int m_nCurPage = 1;
    wxRect m_rectDraw;  // the printer's page, in its units
};

class CPrinterJob : public wxPrintout {
public:
    explicit CPrinterJob(const wxString& strDocName = wxS("senza nome"));

    // Runs the whole job. Nothing to print ends it before any dialog; a cancelled dialog or a
    // failing printer ends it quietly.
    virtual void DoPrint(wxWindow* pParent = nullptr);

    // What runs a prepared job: by default wx's printer with its dialog. Tests install one that
    // renders the job into a file; an empty function restores the printer.
    using Runner = std::function<bool(wxWindow* pParent, wxPrintout& printout)>;
    static void SetRunner(Runner runner);

protected:
    // Whether there is anything to print (the base: always).
    virtual bool OnPreparePrinting(CPrintInfo& info);
    // Start of the job, once the printer and its page are known: set the page count here.
    virtual void OnBeginPrinting(wxDC& dc, CPrintInfo& info);
    // Prints page info.m_nCurPage.
    virtual void OnPrint(wxDC& dc, CPrintInfo& info);
    virtual void OnEndPrinting(wxDC& dc, CPrintInfo& info);

    // A font of nPoints points as the printer draws it.
    wxFont PointFont(const wxString& strFace, int nPoints) const;
    // Millimetres and screen pixels (96 per inch) in printer units.
    int MillimetresToDevice(int nMillimetres) const;
    int ScreenPixelsToDevice(int nPixels) const;

private:
    // wx's side of the job, mapped onto the hooks.
    void OnPreparePrinting() final;
    void GetPageInfo(int* pMinPage, int* pMaxPage, int* pFromPage, int* pToPage) final;
    bool HasPage(int nPage) final;
    bool OnPrintPage(int nPage) final;
    void OnEndPrinting() final;

    CPrintInfo m_info;
};
