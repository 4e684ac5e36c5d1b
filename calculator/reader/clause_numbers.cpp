#include "clause_numbers.h"

#include <algorithm>
#include <array>
#include <vector>

#include "clause_words.h"
#include "input_error.h"

namespace clause::detail {

// The ordinal endings after figures: "2a", "15e", "vij.sten", "XXXIXo".
constexpr std::array<std::string_view, 8> kOrdinalEndings{"sten", "ste", "en", "de", "e", "a", "o", "us"};

// ---------------------------------------------------------------------------
// Numbers: figures, Roman numerals and number words, joined or apart.

std::optional<long long> romanValue(std::string text) {
    while (text.size() > 1 && (text.back() == 'o' || text.back() == '.')) text.pop_back();
    if (text.empty() || text.size() > 16) return std::nullopt;
    if (text.size() > 1 && text.back() == 'j') text.back() = 'i';  // "iij", "xvij"
    const auto valueOf = [](char c) -> int {
        switch (c) {
            case 'i':
                return 1;
            case 'v':
                return 5;
            case 'x':
                return 10;
            case 'l':
                return 50;
            case 'c':
                return 100;
            case 'd':
                return 500;
            case 'm':
                return 1000;
            default:
                return 0;
        }
    };
    long long total = 0;
    int run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int v = valueOf(text[i]);
        if (v == 0) return std::nullopt;
        run = i > 0 && text[i] == text[i - 1] ? run + 1 : 1;
        if (run > 4) return std::nullopt;
        const int next = i + 1 < text.size() ? valueOf(text[i + 1]) : 0;
        if (next > v) {
            // Only the subtractive pairs IV, IX, XL, XC, CD, CM.
            if (!((v == 1 && (next == 5 || next == 10)) || (v == 10 && (next == 50 || next == 100)) ||
                  (v == 100 && (next == 500 || next == 1000))))
                return std::nullopt;
            total -= v;
        } else {
            total += v;
        }
    }
    return total;
}

constexpr long long kTooLarge = 1'000'000'000'000;

struct Piece {
    long long value;
    bool multiplier;
    bool ordinal;
    bool joiner;
    bool literal;  // figures or a Roman numeral: never multiplied
};

// A token as number pieces: figures, a Roman numeral, or number words run together
// ("vierhondert", "vierendetwintich").
std::optional<std::vector<Piece>> piecesOf(const Token& t) {
    const std::string& p = t.plain;
    std::size_t digits = 0;
    while (digits < p.size() && p[digits] >= '0' && p[digits] <= '9') ++digits;
    if (digits > 0) {
        const std::string_view rest = std::string_view{p}.substr(digits);
        if (!rest.empty() &&
            std::find(kOrdinalEndings.begin(), kOrdinalEndings.end(), rest) == kOrdinalEndings.end())
            return std::nullopt;
        const std::string_view figures = std::string_view{p}.substr(0, digits);
        const std::size_t first = std::min(figures.find_first_not_of('0'), figures.size());
        // Far too large for any year; kept large, so that the year is refused as out of range.
        if (figures.size() - first > 9)
            return std::vector<Piece>{{kTooLarge, false, !rest.empty(), false, true}};
        long long v = 0;
        for (const char c : figures) v = v * 10 + (c - '0');
        return std::vector<Piece>{{v, false, !rest.empty(), false, true}};
    }
    if (const auto r = romanValue(p)) return std::vector<Piece>{{*r, false, false, false, true}};
    // A Roman numeral with an ordinal ending, a day of a month: "xvien", "IIe" (never a
    // lone letter, "de", nor a larger number, "die").
    for (std::string_view ending : kOrdinalEndings)
        if (p.size() >= ending.size() + 2 && p.ends_with(ending))
            if (const auto r = romanValue(p.substr(0, p.size() - ending.size())); r && *r <= 31)
                return std::vector<Piece>{{*r, false, true, false, true}};
    // Words joined: the longest pieces first.
    const Lexicon& lex = lexiconIndex();
    const std::string& w = t.whole;
    std::vector<std::string> pieces;
    std::size_t at = 0;
    while (at < w.size()) {
        std::size_t best = 0;
        for (std::size_t len = w.size() - at; len > 0; --len)
            if (lex.numberPieces.contains(w.substr(at, len))) {
                best = len;
                break;
            }
        if (best == 0) return std::nullopt;
        pieces.push_back(w.substr(at, best));
        at += best;
    }
    if (pieces.size() < 2) return std::nullopt;
    std::vector<Piece> out;
    for (const std::string& piece : pieces) {
        const WordEntry& e = lex.words.at(piece).front();
        out.push_back({e.value, e.multiplier, e.kind == Kind::Ordinal, e.kind == Kind::Joiner, false});
    }
    return out;
}

std::string typedText(std::span<const Token> tokens) {
    std::string text;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i > 0) text += tokens[i].word == tokens[i - 1].word ? "" : " ";
        text += tokens[i].typed;
    }
    return text;
}

// The value of number pieces in order, or an error when they do not add up
// ("dusent dusent"). Each part lies below the place of the one before it, except
// a unit before its tens ("twee ende dertech", "quarto decimo").
long long combine(const std::vector<Piece>& pieces, std::span<const Token> tokens) {
    const auto notAddingUp = [&] {
        return InputError("het getal \"" + typedText(tokens) + "\" telt niet op");
    };
    struct Part {
        long long value;
        bool word;
        bool multiplied;
    };
    std::vector<Part> parts;
    for (const Piece& p : pieces) {
        if (p.joiner) continue;
        if (p.multiplier && !parts.empty() && parts.back().word && !parts.back().multiplied &&
            parts.back().value < p.value && parts.back().value < 100) {
            parts.back().value *= p.value;
            parts.back().multiplied = true;
            continue;
        }
        if (!p.literal && !parts.empty() && parts.back().word && !parts.back().multiplied &&
            parts.back().value < 10 && p.value % 10 == 0 && p.value >= 10 && p.value < 100) {
            parts.back().value += p.value;
            continue;
        }
        parts.push_back({p.value, !p.literal, p.multiplier});
    }
    if (parts.empty()) throw notAddingUp();
    const auto place = [](long long v) -> long long {
        long long p = 1;
        while (p * 10 <= v) p *= 10;
        return p;
    };
    long long total = parts.front().value;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].value >= place(parts[i - 1].value)) throw notAddingUp();
        total += parts[i].value;
    }
    return total;
}

// The number that starts at token i, or nullopt.
std::optional<Number> numberAt(std::span<const Token> tokens, std::size_t i, bool single) {
    const Lexicon& lex = lexiconIndex();
    std::vector<Piece> pieces;
    std::size_t at = i;
    std::size_t parts = 0;
    bool ordinal = false;
    bool singleLetter = false;
    while (at < tokens.size() && (at == i || !tokens[at].breakBefore)) {
        // The longest number word of the lexicon here ("dix sept", "quatre vins").
        // "en" is "and" between numbers, else "een" (one), as the fold has them alike.
        std::optional<WordEntry> word;
        std::size_t wordLength = 0;  // tokens matched: a form of two words may be written as one
        for (std::size_t len = std::min(kLongestForm, tokens.size() - at); len > 0 && !word; --len) {
            // A number never runs on over a comma.
            if (std::any_of(tokens.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                            tokens.begin() + static_cast<std::ptrdiff_t>(at + len),
                            [](const Token& t) { return t.breakBefore; }))
                continue;
            wordLength = len;
            for (const std::string& key : keysOf(tokens.subspan(at, len))) {
                const auto found = lex.words.find(key);
                if (found == lex.words.end()) continue;
                for (const WordEntry& e : found->second) {
                    if (e.kind != Kind::Number && e.kind != Kind::Ordinal && e.kind != Kind::Joiner) continue;
                    if (e.kind == Kind::Joiner && parts == 0) continue;
                    if (!word || (e.kind == Kind::Joiner && numberAt(tokens, at + len, true))) word = e;
                }
                if (word) break;
            }
        }
        if (word) {
            if (word->kind == Kind::Joiner) {
                // A joiner only between numbers.
                if (parts == 0) break;
                const std::optional<Number> next = numberAt(tokens, at + wordLength, true);
                if (!next || tokens[at + wordLength].breakBefore) break;
                at += wordLength;
                continue;
            }
            pieces.push_back({word->value, word->multiplier, word->kind == Kind::Ordinal, false, false});
            ordinal = ordinal || word->kind == Kind::Ordinal;
            at += wordLength;
            ++parts;
            if (single) break;
            continue;
        }
        const std::optional<std::vector<Piece>> own = piecesOf(tokens[at]);
        if (!own) {
            // "vij.sten", "xxviij sten": an ordinal ending after the number, also apart.
            const bool ending = std::find(kOrdinalEndings.begin(), kOrdinalEndings.end(), tokens[at].plain) !=
                                kOrdinalEndings.end();
            if (parts > 0 && ending &&
                (tokens[at].word == tokens[at - 1].word || tokens[at].plain == "sten" ||
                 tokens[at].plain == "ste")) {
                ordinal = true;
                ++at;
                continue;
            }
            break;
        }
        // Figures stand alone: "1450 3" is two numbers.
        const bool figures = tokens[at].plain.front() >= '0' && tokens[at].plain.front() <= '9';
        if (figures && parts > 0) break;
        if (tokens[at].plain.size() == 1 && own->front().literal) singleLetter = parts == 0;
        for (const Piece& p : *own) {
            pieces.push_back(p);
            ordinal = ordinal || p.ordinal;
        }
        ++at;
        ++parts;
        if (single || figures) break;
    }
    if (parts == 0) return std::nullopt;
    if (parts > 1) singleLetter = false;
    Number n;
    try {
        n.value = combine(pieces, tokens.subspan(i, at - i));
    } catch (const InputError& e) {
        n.error = e.what();
    }
    n.end = at;
    n.ordinal = ordinal;
    n.singleLetter = singleLetter;
    n.parts = parts;
    return n;
}

}  // namespace clause::detail
