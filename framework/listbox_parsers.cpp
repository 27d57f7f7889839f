#include "framework/listbox_parsers.h"

#include <charconv>

namespace fw::detail {

namespace {

std::vector<fw::Text> Split(const fw::Text& text, char by) {
    std::vector<fw::Text> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(by, start);
        parts.push_back(text.substr(start, at - start));
        if (at == fw::Text::npos)
            return parts;
        start = at + 1;
    }
}

fw::Text Trim(const fw::Text& s) {
    const std::size_t b = s.find_first_not_of(' ');
    if (b == fw::Text::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

} // namespace

std::vector<int> ColumnWidthsIn(const Listbox& list, const fw::Text& v) {
    std::vector<int> widths;
    if (Trim(v).empty())
        return widths;
    for (const fw::Text& raw : Split(v, ',')) {
        fw::Text part = Trim(raw);
        if (part.empty() || part == "*") {
            widths.push_back(-1);
            continue;
        }
        const bool percent = part.back() == '%';
        if (percent)
            part.pop_back();
        int n = 0;
        auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), n);
        if (ec != std::errc() || end != part.data() + part.size() || n < 0 || (percent && n > 100))
            throw UnsupportedFormatException(list.Describe() + ": ColumnWidths '" + v + "' has a width '" +
                                             raw + "' that is not pixels, a percentage or *");
        widths.push_back(percent ? static_cast<int>(static_cast<long long>(list.Width()) * n / 100) : n);
    }
    return widths;
}

std::vector<std::vector<fw::Text>> InitialValueLines(const fw::Text& v) {
    fw::Text lines = v;
    for (char& c : lines)
        if (c == '\r')
            c = '\n';
    std::vector<std::vector<fw::Text>> cells;
    for (const fw::Text& line : Split(lines, '\n'))
        cells.push_back(Split(line, '\t'));
    return cells;
}

} // namespace fw::detail
