// The seed corpus of a fuzz target replayed as an ordinary test: every file of the folders
// given is fed to the target's LLVMFuzzerTestOneInput, in name order. A broken property aborts
// as it does under libFuzzer; a folder without files fails, so that a wrong path is not a pass.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER...\n", argv[0]);
        return 2;
    }
    for (int a = 1; a < argc; ++a) {
        std::vector<std::filesystem::path> files;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(argv[a], ec)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
        if (ec || files.empty()) {
            std::fprintf(stderr, "%s: no seed files\n", argv[a]);
            return 1;
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            if (!in.good() && !in.eof()) {
                std::fprintf(stderr, "%s: cannot be read\n", file.string().c_str());
                return 1;
            }
            std::fprintf(stderr, "%s\n", file.string().c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        }
    }
    return 0;
}
