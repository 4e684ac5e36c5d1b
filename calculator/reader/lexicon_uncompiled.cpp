// For the program that writes the compiled index, and for the page: no index
// compiled in, so that the reader indexes the lexicon itself.

#include "lexicon_store.h"

namespace clause::detail {

std::string_view compiledLexicon() {
    return {};
}

}  // namespace clause::detail
