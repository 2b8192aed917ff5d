// Runs saved fuzz inputs through a fuzz target in an ordinary build, so every
// input that once broke a reader is tried again by every test run.
// Usage: <driver> FOLDER ...; a folder's files run in name order.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    int run = 0;
    for (int i = 1; i < argc; ++i) {
        const std::set<std::filesystem::path> files(std::filesystem::directory_iterator(argv[i]), {});
        for (const std::filesystem::path& file : files) {
            std::ifstream in(file, std::ios::binary);
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
