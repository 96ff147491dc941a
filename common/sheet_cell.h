#pragma once
// Cells of the ';'-separated files written for spreadsheets (the costs and savings export, the
// chart data sheet, the scenario sheet). A spreadsheet takes a cell that begins with '=', '+',
// '-' or '@' (and, in some, a tab or a carriage return) for a formula and runs it when the file
// is opened: a cost named "=1+1" would show 2, and a cell such as "=HYPERLINK(…)" could do
// worse. Such a text is written with a leading apostrophe, so that it shows as the text typed.
// The simulation files are not for spreadsheets and never go through this.

#include <string>
#include <string_view>

// `text` as a sheet cell: with a leading "'" when a spreadsheet would read it as a formula;
// unchanged otherwise. A number as the program writes it in any locale ("-12,5", "-1",
// "-1.234,50", "-1,5E+08") stays a number: digits and decimal or thousands marks run no formula.
std::string sheetCell(std::string_view text);
