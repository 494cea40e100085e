#include "journal_generator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: qm-journalgen N out.log [--seed S] [--out-of-order PERCENT]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return usage();
    qm::journalgen::GeneratorOptions options;
    char *end = nullptr;
    options.entries = std::strtoll(argv[1], &end, 10);
    if (*end != '\0' || options.entries < 0)
        return usage();
    const std::string out = argv[2];
    for (int i = 3; i < argc; i += 2) {
        if (i + 1 >= argc)
            return usage();
        if (std::strcmp(argv[i], "--seed") == 0)
            options.seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--out-of-order") == 0)
            options.outOfOrderPercent = std::strtod(argv[i + 1], nullptr);
        else
            return usage();
    }
    if (!qm::journalgen::generateJournal(out, options)) {
        std::fprintf(stderr, "qm-journalgen: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
