// The index the build compiles into the programs is the one the lexicon's files
// give at start, entry for entry, and the reader refuses a text it did not write.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "lexicon_store.h"

namespace {

using clause::detail::buildLexiconIndex;
using clause::detail::compiledLexicon;
using clause::detail::parseLexicon;
using clause::detail::serializeLexicon;

TEST(LexiconStore, CompiledIndexIsTheOneTheFilesGive) {
    ASSERT_FALSE(compiledLexicon().empty()) << "the native programs carry the index";
    const clause::detail::Lexicon built = buildLexiconIndex();
    EXPECT_TRUE(parseLexicon(compiledLexicon()) == built);
    EXPECT_TRUE(clause::detail::lexiconIndex() == built);
    // Written twice from the same index, the text is the same: the build's output
    // does not depend on the order of a hash table.
    EXPECT_EQ(serializeLexicon(built), compiledLexicon());
}

TEST(LexiconStore, RefusesATextItDidNotWrite) {
    const std::string word = "0\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0";  // a filler, as serializeLexicon writes it
    for (const std::string& text : std::vector<std::string>{
             "q\tkey",                                     // no such table
             "wx\tkey\t" + word,                           // nor this
             "w\tkey",                                     // a word without its fields
             "w\tkey\t0\t1\t0",                            // a word cut short
             "w\tkey\tnul\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0",  // a field that is no number
             "f\tkey\t99999\t0\t0\t0\t0\t",                // a feast the table lacks
             "f\tkey\t-1\t0\t0\t0\t0\t",
             "f\tkey\t0\t0\t0\t0\t0\t3,x",  // a list of feasts with a word in it
             "c\tkey\t1,,2",
         })
        EXPECT_THROW(parseLexicon(text), std::invalid_argument) << text;
    EXPECT_NO_THROW(parseLexicon("w\tkey\t" + word + "\np\tdrie\n"));
}

}  // namespace
