#pragma once

// What the reader's grammar asks of one clause again and again: the longest word,
// feast name and number at a token. The items, the day grammars and the number
// grammar each try the same token, and every try takes spans of up to
// kLongestForm tokens; so clause::read keeps the answers while it reads its
// tokens. A lookup on other tokens (the lexicon's own forms) is worked out anew.
// Internal to the reader.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "clause_numbers.h"
#include "clause_tokens.h"
#include "clause_words.h"

namespace clause::detail {

class LookupMemo {
public:
    // Remembers for these tokens until it goes out of scope.
    explicit LookupMemo(std::span<const Token> tokens)
        : tokens_{tokens},
          previous_{current()},
          words(tokens.size()),
          feasts(tokens.size()),
          numbers{std::vector<std::optional<std::optional<Number>>>(tokens.size()),
                  std::vector<std::optional<std::optional<Number>>>(tokens.size())} {
        current() = this;
    }
    ~LookupMemo() { current() = previous_; }
    LookupMemo(const LookupMemo&) = delete;
    LookupMemo& operator=(const LookupMemo&) = delete;
    LookupMemo(LookupMemo&&) = delete;
    LookupMemo& operator=(LookupMemo&&) = delete;

    // The memo of these very tokens, or null.
    static LookupMemo* of(std::span<const Token> tokens) {
        LookupMemo* memo = current();
        return memo != nullptr && memo->tokens_.data() == tokens.data() &&
                       memo->tokens_.size() == tokens.size()
                   ? memo
                   : nullptr;
    }

private:
    static LookupMemo*& current() {
        thread_local LookupMemo* memo = nullptr;
        return memo;
    }
    std::span<const Token> tokens_;
    LookupMemo* previous_;

public:
    struct Word {
        std::optional<WordEntry> entry;
        std::size_t length = 0;
    };
    struct FeastAt {
        std::size_t length = 0;
        FeastEntry entry{};
    };
    // By token: wordAt, longestFeast, numberAt (whole, then single).
    std::vector<std::optional<Word>> words;
    std::vector<std::optional<FeastAt>> feasts;
    std::array<std::vector<std::optional<std::optional<Number>>>, 2> numbers;
};

}  // namespace clause::detail
