#include "tests/ui/PdfPrint.h"

#include <gtk/gtk.h>
#include <unistd.h>
#include <wx/dcprint.h>
#include <wx/gtk/print.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <regex>

namespace {
std::string Quoted(const std::string& str)
{
    std::string out = "'";
    for (const char ch : str)
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return out + "'";
}

std::string Run(const std::string& strCommand)
{
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(strCommand.c_str(), "r"), pclose);
    if (!pipe)
        return out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        out.append(buffer, n);
    return out;
}

double Number(const std::string& str)
{
    double f = 0.0;
    std::from_chars(str.data(), str.data() + str.size(), f);
    return f;
}

std::string Unescaped(std::string str)
{
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : kEntities)
        for (std::size_t pos; (pos = str.find(from)) != std::string::npos;)
            str.replace(pos, std::strlen(from), to);
    return str;
}
}  // namespace

namespace {
// One export job: what the operation's signals need.
struct ExportJob {
    wxPrintout& printout;
    wxPrintData data;
    std::unique_ptr<wxPrinterDC> pDC;
    int nFrom = 0;
    int nTo = 0;
    bool bOk = true;
};

void OnBeginPrint(GtkPrintOperation* pOperation, GtkPrintContext* pContext, gpointer pData)
{
    ExportJob& job = *static_cast<ExportJob*>(pData);
    static_cast<wxGtkPrintNativeData*>(job.data.GetNativeData())->SetPrintContext(pContext);
    job.pDC = std::make_unique<wxPrinterDC>(job.data);
    wxPrintout& printout = job.printout;
    const int nPpi = job.pDC->GetResolution();
    printout.SetPPIScreen(96, 96);
    printout.SetPPIPrinter(nPpi, nPpi);
    printout.SetDC(job.pDC.get());
    int nWidth = 0, nHeight = 0;
    job.pDC->GetSize(&nWidth, &nHeight);
    printout.SetPageSizePixels(nWidth, nHeight);
    printout.SetPaperRectPixels(wxRect(0, 0, nWidth, nHeight));
    int nWidthMm = 0, nHeightMm = 0;
    job.pDC->GetSizeMM(&nWidthMm, &nHeightMm);
    printout.SetPageSizeMM(nWidthMm, nHeightMm);
    printout.OnPreparePrinting();
    int nMin = 0, nMax = 0;
    printout.GetPageInfo(&nMin, &nMax, &job.nFrom, &job.nTo);
    if (nMax < 1 || job.nFrom < 1 || job.nTo < job.nFrom) {
        job.bOk = false;
        gtk_print_operation_cancel(pOperation);
        return;
    }
    printout.OnBeginPrinting();
    gtk_print_operation_set_n_pages(pOperation, job.nTo - job.nFrom + 1);
}

void OnDrawPage(GtkPrintOperation*, GtkPrintContext*, gint nPageIndex, gpointer pData)
{
    ExportJob& job = *static_cast<ExportJob*>(pData);
    const int nPage = job.nFrom + nPageIndex;
    if (nPage == job.nFrom)
        job.bOk = job.printout.OnBeginDocument(job.nFrom, job.nTo) && job.bOk;
    if (job.printout.HasPage(nPage)) {
        job.pDC->StartPage();
        job.bOk = job.printout.OnPrintPage(nPage) && job.bOk;
        job.pDC->EndPage();
    }
    if (nPage == job.nTo)
        job.printout.OnEndDocument();
}

void OnEndPrint(GtkPrintOperation*, GtkPrintContext*, gpointer pData)
{
    static_cast<ExportJob*>(pData)->printout.OnEndPrinting();
}
}  // namespace

bool PrintToPdf(wxPrintout& printout, const std::string& strPath, const PdfPaper& paper)
{
    ExportJob job{printout, wxPrintData(), nullptr};
    job.data.SetQuality(paper.nDpi);  // a positive quality is the printer's resolution

    GtkPrintOperation* pOperation = gtk_print_operation_new();
    GtkPageSetup* pSetup = gtk_page_setup_new();
    GtkPaperSize* pPaper = gtk_paper_size_new_custom("test", "test", paper.fWidthMm, paper.fHeightMm, GTK_UNIT_MM);
    gtk_page_setup_set_paper_size_and_default_margins(pSetup, pPaper);
    gtk_print_operation_set_default_page_setup(pOperation, pSetup);
    gtk_print_operation_set_export_filename(pOperation, strPath.c_str());
    g_signal_connect(pOperation, "begin-print", G_CALLBACK(OnBeginPrint), &job);
    g_signal_connect(pOperation, "draw-page", G_CALLBACK(OnDrawPage), &job);
    g_signal_connect(pOperation, "end-print", G_CALLBACK(OnEndPrint), &job);
    GError* pError = nullptr;
    const GtkPrintOperationResult result =
        gtk_print_operation_run(pOperation, GTK_PRINT_OPERATION_ACTION_EXPORT, nullptr, &pError);
    if (pError != nullptr)
        g_error_free(pError);
    printout.SetDC(nullptr);
    g_object_unref(pOperation);
    g_object_unref(pSetup);
    gtk_paper_size_free(pPaper);
    return job.bOk && result == GTK_PRINT_OPERATION_RESULT_APPLY;
}

std::string TempPdfPath(const std::string& strName)
{
    return (std::filesystem::temp_directory_path() /
            ("tarvi-" + strName + "-" + std::to_string(getpid()) + ".pdf"))
        .string();
}

int PdfPageCount(const std::string& strPath)
{
    static const std::regex kPages(R"(Pages:\s+(\d+))");
    const std::string strInfo = Run("pdfinfo " + Quoted(strPath) + " 2>/dev/null");
    std::smatch match;
    return std::regex_search(strInfo, match, kPages) ? std::stoi(match[1]) : -1;
}

std::string PdfPageText(const std::string& strPath, int nPage)
{
    const std::string strPage = std::to_string(nPage);
    return Run("pdftotext -layout -enc UTF-8 -f " + strPage + " -l " + strPage + " " + Quoted(strPath) +
               " - 2>/dev/null");
}

std::multiset<int> PdfRowsOn(const std::string& strPath, int nPage)
{
    std::multiset<int> rows;
    const std::vector<PdfWord> words = PdfPageWords(strPath, nPage);
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i].text == "Row")
            rows.insert(std::stoi(words[i + 1].text));
    return rows;
}

std::vector<PdfWord> PdfPageWords(const std::string& strPath, int nPage)
{
    static const std::regex kWord(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    const std::string strPage = std::to_string(nPage);
    const std::string strXml = Run("pdftotext -bbox -enc UTF-8 -f " + strPage + " -l " + strPage + " " +
                                   Quoted(strPath) + " - 2>/dev/null");
    std::vector<PdfWord> words;
    for (std::sregex_iterator it(strXml.begin(), strXml.end(), kWord), end; it != end; ++it) {
        const std::smatch& m = *it;
        words.push_back({Number(m[1]), Number(m[2]), Number(m[3]), Number(m[4]), Unescaped(m[5])});
    }
    return words;
}

std::vector<double> PdfPageRules(const std::string& strPath, int nPage, double fMinShare)
{
    constexpr int kDpi = 100;
    constexpr unsigned char kDark = 160;
    const std::string strPage = std::to_string(nPage);
    const std::string strPgm = Run("pdftoppm -gray -r " + std::to_string(kDpi) + " -f " + strPage + " -l " + strPage +
                                   " " + Quoted(strPath) + " 2>/dev/null");
    // A binary PGM: "P5", width, height, the largest value, one white space, then the bytes.
    static const std::regex kHeader(R"(^P5\s+(\d+)\s+(\d+)\s+(\d+)\s)");
    std::smatch match;
    if (!std::regex_search(strPgm, match, kHeader))
        return {};
    const std::size_t nWidth = std::stoul(match[1]);
    const std::size_t nHeight = std::stoul(match[2]);
    const std::size_t nStart = std::size_t(match.length(0));
    if (strPgm.size() < nStart + nWidth * nHeight)
        return {};
    std::vector<double> rules;
    bool bInLine = false;
    for (std::size_t y = 0; y < nHeight; ++y) {
        const char* pRow = strPgm.data() + nStart + y * nWidth;
        const auto nDark = std::count_if(pRow, pRow + nWidth, [](char ch) { return static_cast<unsigned char>(ch) < kDark; });
        const bool bLine = double(nDark) >= fMinShare * double(nWidth);
        if (bLine && !bInLine)
            rules.push_back(double(y) * 72.0 / kDpi);
        bInLine = bLine;
    }
    return rules;
}
