// Runs saved fuzz inputs through a fuzz target in an ordinary build, so every
// input that once broke a reader is tried again by every test run.
// Usage: <driver> FILE_OR_FOLDER ...; a folder's files run in name order.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputFiles(const fs::path& given)
{
    if (!fs::is_directory(given))
        return {given};
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(given))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    int run = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& file : InputFiles(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::cerr << "cannot read " << file << '\n';
                return 1;
            }
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            // Printed first so that a crash names the input that caused it.
            std::cerr << "running " << file.filename().string() << '\n';
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++run;
        }
    }
    std::cout << run << " inputs passed\n";
    // No input at all means a wrong folder, not a pass.
    return run > 0 ? 0 : 1;
}
