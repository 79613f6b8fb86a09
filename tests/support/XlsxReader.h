#pragma once
// Reads back what a test wrote as an .xlsx workbook, independently of the library that wrote it:
// the workbook is a zip of XML parts, unpacked with unzip and parsed here.
#include <map>
#include <string>

struct XlsxSheet {
    std::string name;
    std::map<std::string, std::string> cells;  // "A1" -> text; blank cells are absent
    bool ok = false;                           // the workbook and its first sheet were read
};

XlsxSheet ReadFirstXlsxSheet(const std::string& strPath);
