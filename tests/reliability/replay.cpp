// Runs the fuzz target over saved inputs (files, or directories of them)
// without libFuzzer: the corpus replay of the test command and of the
// coverage report. Any violated promise aborts.
//
//   vrxagapi_replay PATH...             replay
//   vrxagapi_replay --write-seeds DIR   one plain valid call per entry point
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    if (argc == 3 && std::string(argv[1]) == "--write-seeds") {
        for (const auto &[name, bytes] : vrxfuzz::seeds())
            std::ofstream(fs::path(argv[2]) / name, std::ios::binary)
                .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return 0;
    }
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const auto &entry : fs::recursive_directory_iterator(argv[i]))
                if (entry.is_regular_file()) inputs.push_back(entry.path());
        } else {
            inputs.emplace_back(argv[i]);
        }
    }
    for (const fs::path &path : inputs) {
        std::ifstream file(path, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
    }
    std::printf("replayed %zu inputs, every promise kept\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
