#include "grid/PrinterJob.h"

#include <wx/dc.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kScreenPpi = 96;
constexpr double kMillimetresPerInch = 25.4;

CPrinterJob::Runner& InstalledRunner()
{
    static CPrinterJob::Runner runner;
    return runner;
}

bool RunPrinter(wxWindow* pParent, wxPrintout& printout)
{
    wxPrinter printer;
    return printer.Print(pParent, &printout, true);
}
}  // namespace

CPrinterJob::CPrinterJob(const wxString& strDocName) : wxPrintout(strDocName) {}

void CPrinterJob::SetRunner(Runner runner)
{
    InstalledRunner() = std::move(runner);
}

void CPrinterJob::DoPrint(wxWindow* pParent)
{
    m_info = CPrintInfo();
    if (!OnPreparePrinting(m_info))
        return;
    if (const Runner& runner = InstalledRunner())
        runner(pParent, *this);
    else
        RunPrinter(pParent, *this);
}

bool CPrinterJob::OnPreparePrinting(CPrintInfo&)
{
    return true;
}

void CPrinterJob::OnBeginPrinting(wxDC&, CPrintInfo&) {}

void CPrinterJob::OnPrint(wxDC&, CPrintInfo&) {}

void CPrinterJob::OnEndPrinting(wxDC&, CPrintInfo&) {}

wxFont CPrinterJob::PointFont(const wxString& strFace, int nPoints) const
{
    // wx's device contexts draw a font's points at 96 units per inch (the screen's), the printer's
    // among them, whose units are finer: the size is scaled to the printer's resolution.
    int nPpiX = 0, nPpiY = 0;
    GetPPIPrinter(&nPpiX, &nPpiY);
    const double fScale = nPpiY > 0 ? double(nPpiY) / kScreenPpi : 1.0;
    return wxFont(wxFontInfo(nPoints * fScale).FaceName(strFace));
}

int CPrinterJob::MillimetresToDevice(int nMillimetres) const
{
    int nPpiX = 0, nPpiY = 0;
    GetPPIPrinter(&nPpiX, &nPpiY);
    return static_cast<int>(std::lround(nMillimetres * nPpiY / kMillimetresPerInch));
}

int CPrinterJob::ScreenPixelsToDevice(int nPixels) const
{
    int nPpiX = 0, nPpiY = 0;
    GetPPIPrinter(&nPpiX, &nPpiY);
    return std::max(nPixels * nPpiY / kScreenPpi, 1);
}

void CPrinterJob::OnPreparePrinting()
{
    int nWidth = 0, nHeight = 0;
    GetPageSizePixels(&nWidth, &nHeight);
    m_info.m_rectDraw = wxRect(0, 0, nWidth, nHeight);
    m_info.m_nCurPage = m_info.m_nMinPage;
    // wx asks for the page count before it begins the job, so the hook that sets it runs here.
    if (wxDC* pDC = GetDC())
        OnBeginPrinting(*pDC, m_info);
}

void CPrinterJob::GetPageInfo(int* pMinPage, int* pMaxPage, int* pFromPage, int* pToPage)
{
    *pMinPage = *pFromPage = m_info.m_nMinPage;
    *pMaxPage = *pToPage = m_info.m_nMaxPage;
}

bool CPrinterJob::HasPage(int nPage)
{
    return nPage >= m_info.m_nMinPage && nPage <= m_info.m_nMaxPage;
}

bool CPrinterJob::OnPrintPage(int nPage)
{
    int nWidth = 0, nHeight = 0;
    GetPageSizePixels(&nWidth, &nHeight);
    m_info.m_rectDraw = wxRect(0, 0, nWidth, nHeight);
    m_info.m_nCurPage = nPage;
    wxDC* pDC = GetDC();
    if (pDC == nullptr)
        return false;
    OnPrint(*pDC, m_info);
    return true;
}

void CPrinterJob::OnEndPrinting()
{
    if (wxDC* pDC = GetDC())
        OnEndPrinting(*pDC, m_info);
}
