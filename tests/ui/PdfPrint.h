#pragma once
// Prints a wxPrintout into a PDF file without a dialog, and reads PDF files back with poppler's
// pdfinfo and pdftotext. The job runs as GTK's print operation exporting to a file, with wx's own
// printer device context, and calls the printout as wx's GTK printer does; the paper size and the
// printer's resolution are the test's choice.
#include <wx/print.h>

#include <set>
#include <string>
#include <vector>

struct PdfPaper {
    double fWidthMm = 210.0;  // A4
    double fHeightMm = 297.0;
    int nDpi = 300;
};

// Runs the printout's whole job; false when it reports nothing to print or a page fails.
bool PrintToPdf(wxPrintout& printout, const std::string& strPath, const PdfPaper& paper = {});

// A path for a test's PDF in the temporary folder, unique to the process.
std::string TempPdfPath(const std::string& strName);

int PdfPageCount(const std::string& strPath);
// The text of one page (counted from 1) in reading order, lines kept.
std::string PdfPageText(const std::string& strPath, int nPage);

struct PdfWord {
    double xMin, yMin, xMax, yMax;  // points from the page's top left corner
    std::string text;
};
// The words of one page with their boxes.
std::vector<PdfWord> PdfPageWords(const std::string& strPath, int nPage);
// The rows a page prints, from its "Row n" texts (a row printed twice counts twice).
std::multiset<int> PdfRowsOn(const std::string& strPath, int nPage);

// The horizontal lines of one page that run across at least fMinShare of its width, as points
// from its top, read from the page rendered at 100 dpi (a thick or blurred line counts once).
std::vector<double> PdfPageRules(const std::string& strPath, int nPage, double fMinShare = 0.5);
