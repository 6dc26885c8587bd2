// Writes the example files of earlier editions into a folder: make_prior_examples DIR
#include "PriorFileBuilder.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_prior_examples DIR\n";
        return 2;
    }
    for (const qv::test::ExampleFile& f : qv::test::PriorYearExamples()) {
        const std::string path = std::string(argv[1]) + "/" + f.Name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(f.Bytes.data(), static_cast<std::streamsize>(f.Bytes.size()));
        if (!out) {
            std::cerr << "cannot write " << path << '\n';
            return 1;
        }
        std::cout << path << '\n';
    }
    return 0;
}
