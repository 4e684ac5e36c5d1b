#include "clause_tokens.h"

#include <algorithm>

#include "latin.h"
#include "spelling.h"

namespace clause {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "16/3/1088": digits and slashes only.
bool isSlashDate(std::string_view word) {
    return word.find('/') != std::string_view::npos &&
           std::all_of(word.begin(), word.end(), [](char c) { return isDigit(c) || c == '/'; });
}

constexpr std::string_view kSplitters = "-'.,;:()[]/!?\"";

}  // namespace

std::vector<std::string_view> wordsOf(std::string_view cleaned) {
    std::vector<std::string_view> out;
    std::size_t at = cleaned.find_first_not_of(' ');
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(cleaned.find(' ', at), cleaned.size());
        out.push_back(cleaned.substr(at, end - at));
        at = cleaned.find_first_not_of(' ', end);
    }
    return out;
}

std::vector<Token> tokenize(std::string_view cleaned) {
    std::vector<Token> tokens;
    bool pendingBreak = false;
    const std::vector<std::string_view> words = wordsOf(cleaned);
    for (std::size_t w = 0; w < words.size(); ++w) {
        std::string_view word = words[w];
        const auto add = [&](std::string_view typed, bool elided = false) {
            std::string plain = spelling::plain(typed);
            // "d'" is "de" cut short: a form with "de" ("du mois de") reads "du mois d'avril".
            const std::string_view spelled = elided && plain == "d" ? std::string_view{"de"} : typed;
            std::string whole = spelling::fold(spelled, false);
            std::string folded = spelling::withoutDeclinedEnding(whole);
            std::string stem = latin::stem(whole);
            tokens.push_back({std::string{typed}, std::move(plain), std::move(folded), std::move(whole),
                              std::move(stem), w, false, pendingBreak, elided});
            pendingBreak = false;
        };
        // Trailing commas of a date with slashes: "16/3/1088,".
        std::string_view bare = word;
        while (!bare.empty() && (bare.back() == ',' || bare.back() == ';' || bare.back() == '.'))
            bare.remove_suffix(1);
        if (isSlashDate(bare)) {
            add(bare);
            if (bare.size() < word.size()) pendingBreak = word.back() != '.';
            continue;
        }
        std::size_t start = 0;
        for (std::size_t i = 0; i <= word.size(); ++i) {
            const bool end = i == word.size();
            if (!end && kSplitters.find(word[i]) == std::string_view::npos) continue;
            // An apostrophe between letters ends a word cut short: "d'avril", "l'an".
            if (i > start) add(word.substr(start, i - start), !end && word[i] == '\'' && i + 1 < word.size());
            if (!end) {
                if (word[i] == '.' && !tokens.empty() && tokens.back().word == w) tokens.back().dotted = true;
                if (word[i] == ',' || word[i] == ';' || word[i] == ':') pendingBreak = true;
            }
            start = i + 1;
        }
    }
    return tokens;
}

}  // namespace clause
