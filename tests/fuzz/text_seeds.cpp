// Writes the text helpers' test cases into the folder given, as inputs of the text fuzz target: a position
// byte and a count byte (clamped to what one signed byte holds), then the text.
#include "tests/framework/text_cases.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: text_seeds <corpus folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    int written = 0;
    bool ok = true;
    const auto write = [&](std::int64_t start, std::int64_t count, const std::string& text) {
        const auto byte = [](std::int64_t n) {
            return static_cast<char>(std::clamp<std::int64_t>(n, -128, 127));
        };
        const std::filesystem::path file = folder / ("table-" + std::to_string(++written));
        if (!(std::ofstream(file, std::ios::binary) << byte(start) << byte(count) << text << std::flush)) {
            std::fprintf(stderr, "text_seeds: cannot write %s\n", file.c_str());
            ok = false;
        }
    };
    using namespace text_cases;
    for (const LenCase& c : kLen)
        write(1, c.length, c.text);
    for (const Slice& c : kMid)
        write(c.start, c.count, c.text);
    for (const Ends& c : kEnds)
        write(c.n, c.n, c.text);
    for (const ValCase& c : kVal)
        write(1, 2, c.text);
    return ok ? 0 : 1;
}
