// Writes the reader's index as a C++ source (lexicon_store.h): the build runs it
// and compiles what it writes into the programs.

#include <fstream>
#include <iostream>

#include "lexicon_store.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_lexicon OUTPUT.cpp\n";
        return 2;
    }
    const std::string text = clause::detail::serializeLexicon(clause::detail::buildLexiconIndex());
    if (text.find(")lexicon\"") != std::string::npos) {
        std::cerr << "write_lexicon: the index holds the literal's end\n";
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "// Written by write_lexicon at build time.\n#include \"lexicon_store.h\"\n\n"
        << "namespace clause::detail {\n\nstd::string_view compiledLexicon() {\n"
        << "    static constexpr std::string_view kText = R\"lexicon(" << text << ")lexicon\";\n"
        << "    return kText;\n}\n\n}  // namespace clause::detail\n";
    out.close();
    if (!out) {
        std::cerr << "write_lexicon: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
