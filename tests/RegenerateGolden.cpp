// Writes the golden files anew from the module given: the build target
// `golden`. Each file it changes is checked against the device description
// before it is committed, never accepted as it comes.
#include <exception>
#include <filesystem>
#include <iostream>

#include "tests/Golden.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: regenerate_golden LIST MODULE\n";
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]).parent_path();
    const auto cases = readGoldenCases(argv[1]);
    if (cases.empty()) {
        std::cerr << "no cases in " << argv[1] << "\n";
        return 1;
    }
    // Else every file would be written anew with the load error.
    GoldenRunner runner(argv[2]);
    if (!runner.loadError().empty()) {
        std::cerr << argv[2] << ": " << runner.loadError() << "\n";
        return 1;
    }
    int written = 0;
    for (const auto& c : cases) {
        std::string text;
        try {
            text = runner.produce(c);
        } catch (const std::exception& e) {
            std::cerr << c.file << ": " << e.what() << "\n";
            return 1;
        }
        const std::string path = (folder / c.file).string();
        const auto old = readFile(path);
        if (old == text) continue;
        if (!writeFile(path, text)) {
            std::cerr << "cannot write " << path << "\n";
            return 1;
        }
        ++written;
        std::cout << (old ? "changed: " : "new:     ") << c.file << "\n";
    }
    std::cout << written << " of " << cases.size() << " golden files written"
              << (written ? "; check each change against the device description before committing it\n" : "\n");
    return 0;
}
