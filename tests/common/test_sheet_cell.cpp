// Cells of the files written for spreadsheets: a text a spreadsheet would run as a formula is
// written with a leading apostrophe; numbers and every other text are written as they are.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/sheet_cell.h"

namespace {

struct CellCase {
    std::string text;
    std::string written;
};

TEST(SheetCell, FormulaTextsGetAnApostropheNumbersDoNot) {
    const std::vector<CellCase> cases = {
        // What a spreadsheet reads as a formula.
        {"=1+1", "'=1+1"},
        {"=HYPERLINK(\"http://exemplo\")", "'=HYPERLINK(\"http://exemplo\")"},
        {"+5+cmd|' /C calc'!A0", "'+5+cmd|' /C calc'!A0"},
        {"-1+2", "'-1+2"},
        {"-", "'-"},
        {"-inf", "'-inf"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tlimpeza", "'\tlimpeza"},
        {"\rlimpeza", "'\rlimpeza"},
        {"\t5", "'\t5"},
        // Numbers as the program writes them, in either locale: they stay numbers.
        {"-1", "-1"},
        {"-1887,6", "-1887,6"},
        {"-12.5", "-12.5"},
        {"-1.234,50", "-1.234,50"},
        {"-1,5E+08", "-1,5E+08"},
        {"+3", "+3"},
        {"-1e", "'-1e"},
        // Texts that begin otherwise.
        {"Limpeza do reservatório", "Limpeza do reservatório"},
        {" =1+1", " =1+1"},
        {"a=1", "a=1"},
        {"0 | 0%", "0 | 0%"},
        {"'=1", "'=1"},
        {"", ""},
    };
    for (const CellCase& c : cases) EXPECT_EQ(sheetCell(c.text), c.written) << c.text;
}

}  // namespace
