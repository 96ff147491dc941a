#include "common/sheet_cell.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A sign, then digits with '.' or ',' among them (decimal and thousands marks of either
// locale), then an optional exponent.
bool isSignedNumber(std::string_view text) {
    std::size_t i = 1;
    bool digits = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.' || text[i] == ','); ++i) {
        if (isDigit(text[i])) digits = true;
    }
    if (!digits) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t exponent = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        if (i == exponent) return false;
    }
    return i == text.size();
}

}  // namespace

std::string sheetCell(std::string_view text) {
    if (text.empty()) return std::string(text);
    const char first = text.front();
    const bool formula = first == '=' || first == '@' || first == '\t' || first == '\r' ||
                         ((first == '+' || first == '-') && !isSignedNumber(text));
    return formula ? "'" + std::string(text) : std::string(text);
}
