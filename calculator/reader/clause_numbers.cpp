#include "clause_numbers.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "clause_memo.h"
#include "clause_words.h"
#include "input_error.h"
#include "spelling.h"

namespace clause::detail {

// The ordinal endings after figures: "2a", "15e", "vij.sten", "XXXIXo".
constexpr std::array<std::string_view, 8> kOrdinalEndings{"sten", "ste", "en", "de", "e", "a", "o", "us"};

// ---------------------------------------------------------------------------
// Numbers: figures, Roman numerals and number words, joined or apart.

std::optional<long long> romanValue(std::string text) {
    // "XXXIIo", "Mo": a raised o typed as a letter; not after a lone L or D ("lo" and
    // "do" are words: "lo diemenche").
    if (text == "lo" || text == "do") return std::nullopt;
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
            if (run > 1) return std::nullopt;  // "iix", "iiixx": a subtractive letter stands alone
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
    bool literal;              // figures or a Roman numeral: never multiplied
    bool score = false;        // French "vint": twenty, or twenties after a unit
    bool hundredMark = false;  // a lone Roman "c" after a numeral: "IIII c", hundreds
};

Piece pieceOf(const WordEntry& e, bool ordinal) {
    return {e.value, e.multiplier, ordinal || e.kind == Kind::Ordinal, e.kind == Kind::Joiner,
            false,   e.score};
}

// The number word of the lexicon written as this folded key, ending and all: not
// a key without its ending ("ons" is no "onze", "witte" no "wit").
std::optional<WordEntry> numberWord(const std::string& key) {
    if (!lexiconIndex().numberPieces.contains(key)) return std::nullopt;
    return lexiconWord({key}, [](const WordEntry& e) {
        return e.kind == Kind::Number || e.kind == Kind::Ordinal || e.kind == Kind::Joiner;
    });
}

std::optional<WordEntry> numberWordAs(std::string_view plain) {
    return numberWord(spelling::fold(plain, false));
}

// Latin ordinals decline: the lexicon holds them in -o ("vicesimo"), the grammar
// reads -a, -us, -um, -am and -i on the same stem ("vicesima prima"). Not -e, -ae and
// -is: "decime" are tithes, "octavis" and "nonis" the octave and the Nones.
constexpr std::array<std::string_view, 5> kLatinEndings{"us", "um", "am", "a", "i"};
// Middle Dutch ordinals: a cardinal with -ste(n) or -de(n) ("neghentiensten", "vierden").
constexpr std::array<std::string_view, 4> kDutchOrdinalEndings{"sten", "ste", "den", "de"};
// Old French ordinals: a cardinal with -ième, -iesme or -isme ("vingtième", "sixiesme").
constexpr std::array<std::string_view, 3> kFrenchOrdinalEndings{"iesme", "ieme", "isme"};
// Middle Dutch tens end in -tich, -tech or -tig ("twintich", "dertech", "twintig"),
// folded as written.
constexpr std::array<std::string_view, 4> kTensEndings{"tik", "tek", "tig", "teg"};

std::optional<Piece> cardinalOf(std::string_view plain);

// A ten of the lexicon as Flemish and Brabant scribes also wrote it: z for s after
// the t' ("tzeventich"; at the start the fold already makes it s), and for 70 to 90, the tens that kept the
// old t'
// ("tseventich", "tachtich", "tneghentich"), with or without it ("achtentich") and
// "-entich" beside "-tich" ("tachtentich"). Only a ten comes out of these spellings,
// and the t' and "-en-" only 70, 80 or 90, so none can make a word some other number.
std::optional<WordEntry> tensWord(const std::string& folded) {
    struct Stem {
        std::string letters;
        bool old;  // spelled with or without the t' or "-en-"
    };
    for (std::string_view from : kTensEndings) {
        if (folded.size() <= from.size() + 2 || !folded.ends_with(from)) continue;
        const std::string stem = folded.substr(0, folded.size() - from.size());
        std::vector<Stem> stems{{stem, false}, {'t' + stem, true}};
        if (stem.starts_with('t')) stems.push_back({stem.substr(1), true});
        for (std::size_t i = 0, n = stems.size(); i < n; ++i)
            if (stems[i].letters.size() > 3 && stems[i].letters.ends_with("en"))
                stems.push_back({stems[i].letters.substr(0, stems[i].letters.size() - 2), true});
        for (std::size_t i = 0, n = stems.size(); i < n; ++i)
            if (stems[i].letters.starts_with('z'))
                stems.push_back({'s' + stems[i].letters.substr(1), stems[i].old});
        for (const Stem& s : stems)
            for (std::string_view to : kTensEndings) {
                // The fold again: a letter doubled where the pieces meet is single ("takt" + "tik").
                const auto e = numberWord(spelling::fold(s.letters + std::string{to}, false));
                if (e && e->kind == Kind::Number && e->value % 10 == 0 && e->value >= (s.old ? 70 : 20) &&
                    e->value <= 90)
                    return e;
            }
    }
    return std::nullopt;
}

// A number word by the grammar's rules, as written (plain): a word of the lexicon,
// one of its spelling variants, or with a case or ordinal ending. With `last`, the
// end of a written word, where an ordinal ending may stand.
std::optional<Piece> pieceOf(std::string_view plain, bool last) {
    if (const auto e = numberWordAs(plain)) return pieceOf(*e, false);
    const std::string folded = spelling::fold(plain, false);
    for (std::string_view from : kTensEndings)
        if (folded.size() > from.size() + 2 && folded.ends_with(from))
            for (std::string_view to : kTensEndings)
                if (const auto e =
                        numberWord(folded.substr(0, folded.size() - from.size()) + std::string{to});
                    e && e->kind == Kind::Number)
                    return pieceOf(*e, false);
    if (const auto e = tensWord(folded)) return pieceOf(*e, false);
    // Old French finals: -s, -z, -x and -t alike ("vinz", "vins", "vint"; "diz", "dix";
    // "sis", "six"); a plural -s after t dropped ("vingts").
    if (plain.size() >= 3 && (plain.ends_with('s') || plain.ends_with('z') || plain.ends_with('x'))) {
        const std::string_view stem = plain.substr(0, plain.size() - 1);
        for (const char to : {'s', 'z', 'x', 't'})
            if (const auto e = numberWordAs(std::string{stem} + to); e && e->kind == Kind::Number)
                return pieceOf(*e, false);
        if (stem.ends_with('t'))
            if (const auto e = numberWordAs(stem); e && e->kind == Kind::Number) return pieceOf(*e, false);
    }
    for (std::string_view ending : kLatinEndings) {
        if (plain.size() < ending.size() + 3 || !plain.ends_with(ending)) continue;
        const std::string stem{plain.substr(0, plain.size() - ending.size())};
        // "secundum" is "according to"; "octav-" declined is the octave, a relation.
        if (ending == "um" && stem == "secund") continue;
        if (const auto e = numberWordAs(stem + "o"); e && e->kind == Kind::Ordinal && e->value != 8)
            return pieceOf(*e, true);
    }
    if (!last) return std::nullopt;
    for (const auto& endings : {std::span<const std::string_view>{kDutchOrdinalEndings},
                                std::span<const std::string_view>{kFrenchOrdinalEndings}})
        for (std::string_view ending : endings)
            if (plain.size() >= ending.size() + 2 && plain.ends_with(ending))
                if (auto c = cardinalOf(plain.substr(0, plain.size() - ending.size()))) {
                    c->ordinal = true;
                    return c;
                }
    // An ordinal with -n: "derden", "eersten".
    if (plain.size() >= 4 && plain.ends_with('n'))
        if (const auto e = numberWordAs(plain.substr(0, plain.size() - 1)); e && e->kind == Kind::Ordinal)
            return pieceOf(*e, true);
    return std::nullopt;
}

// The cardinal before an ordinal ending, which may have taken its last letter
// ("quatr-ième", "cinqu-ième", "neuv-ième").
std::optional<Piece> cardinalOf(std::string_view plain) {
    const auto cardinal = [](std::string_view w) -> std::optional<Piece> {
        auto p = pieceOf(w, false);
        if (p && !p->joiner && !p->ordinal) return p;
        return std::nullopt;
    };
    if (auto p = cardinal(plain)) return p;
    if (plain.size() < 3) return std::nullopt;
    if (auto p = cardinal(std::string{plain} + 'e')) return p;
    const std::string_view stem = plain.substr(0, plain.size() - 1);
    if (plain.ends_with('u')) return cardinal(stem);
    if (plain.ends_with('v')) return cardinal(std::string{stem} + 'f');
    return std::nullopt;
}

bool isJoiner(std::string_view plain) {
    return lexiconWord({spelling::fold(plain, false)},
                       [](const WordEntry& e) { return e.kind == Kind::Joiner; })
        .has_value();
}

// Number words written as one ("vierenveertich", "tweeentwintich", "sextodecimo",
// "quatrevingt"): split at the letters as written, the longest pieces first.
bool split(std::string_view w, std::size_t at, std::vector<Piece>& out) {
    if (at == w.size()) return !out.empty() && !out.back().joiner;
    for (std::size_t len = w.size() - at; len >= 2; --len) {
        std::optional<Piece> p = pieceOf(w.substr(at, len), at + len == w.size());
        // Between two pieces "en" is "and", not "een" folded alike: "vierenveertich".
        if (p && !p->joiner && at > 0 && at + len < w.size() && isJoiner(w.substr(at, len))) p->joiner = true;
        // No word begins with "and": "entrent" is no "een" and "trente".
        if (at == 0 && isJoiner(w.substr(at, len))) continue;
        if (!p || (p->joiner && (out.empty() || out.back().joiner))) continue;
        out.push_back(*p);
        if (split(w, at + len, out)) return true;
        out.pop_back();
    }
    return false;
}

std::optional<std::vector<Piece>> wordPieces(const std::string& plain) {
    // Every token of a clause is tried at every place a number may start: the
    // splits are worked out once per word.
    thread_local std::unordered_map<std::string, std::optional<std::vector<Piece>>> known;
    if (const auto found = known.find(plain); found != known.end()) return found->second;
    if (known.size() > 4096) known.clear();
    std::vector<Piece> pieces;
    std::optional<std::vector<Piece>> result;
    if (plain.size() >= 2 && split(plain, 0, pieces)) result = pieces;
    known.emplace(plain, result);
    return result;
}

// A Roman numeral with a raised c after it counts hundreds: "IIIIc" is 400. Only
// where the letters are no numeral as they stand ("xc" stays 90).
std::optional<long long> romanHundreds(std::string_view p) {
    if (p.size() < 2 || p.back() != 'c') return std::nullopt;
    const auto r = romanValue(std::string{p.substr(0, p.size() - 1)});
    if (!r || *r < 1 || *r >= 100) return std::nullopt;
    return *r * 100;
}

// Figures or Roman numeral letters, with or without an ending.
bool isNumeral(const Token& t) {
    const std::string& p = t.plain;
    return !p.empty() && ((p.front() >= '0' && p.front() <= '9') || romanValue(p) || romanHundreds(p));
}

// A token as number pieces: figures, a Roman numeral, or number words, one or run
// together ("vierhondert", "vierendetwintich").
std::optional<std::vector<Piece>> piecesOf(const Token& t) {
    const std::string& p = t.plain;
    // A lone letter before an apostrophe is a word cut short ("d'avril", "l'an"),
    // never the numeral D or L: "le XIIe d'avril" is the 12th, not 12 and 500.
    if (t.elided && p.size() == 1) return std::nullopt;
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
    if (const auto r = romanValue(p)) {
        Piece piece{*r, false, false, false, true};
        piece.hundredMark = p == "c";
        return std::vector<Piece>{piece};
    }
    if (const auto r = romanHundreds(p)) return std::vector<Piece>{{*r, false, false, false, true}};
    // "LXXmo", "Lmo": the Latin ordinal ending after a numeral of any size.
    if (p.size() >= 3 && p.ends_with("mo") && p.find_first_not_of("ivxlcdm") == p.size() - 1)
        if (const auto r = romanValue(p.substr(0, p.size() - 2)))
            return std::vector<Piece>{{*r, false, true, false, true}};
    // A Roman numeral with an ordinal ending, a day of a month: "xvien", "IIe" (never a
    // lone letter, "de", nor a larger number, "die").
    for (std::string_view ending : kOrdinalEndings)
        if (p.size() >= ending.size() + 2 && p.ends_with(ending))
            if (const auto r = romanValue(p.substr(0, p.size() - ending.size())); r && *r <= 31)
                return std::vector<Piece>{{*r, false, true, false, true}};
    return wordPieces(p);
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
// a unit before its tens ("twee ende dertech", "quarto decimo") and the French
// teens after sixty and eighty ("soixante et dix", "quatre vinz et onze"). A
// hundred or thousand multiplies the word before it ("vier hondert", "deus cens"),
// so does a French twenty ("quatre vins" is 80), and a lone "c" the numeral before
// it ("IIII c" is 400).
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
        if (p.score && !parts.empty() && parts.back().word && !parts.back().multiplied &&
            parts.back().value >= 2 && parts.back().value < 20) {
            parts.back().value *= p.value;
            parts.back().multiplied = true;
            continue;
        }
        if (p.hundredMark && !parts.empty() && !parts.back().word && !parts.back().multiplied &&
            parts.back().value < 100) {
            parts.back().value *= 100;
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
        const bool teenAfterScore = parts[i].word && parts[i - 1].word &&
                                    (parts[i - 1].value == 60 || parts[i - 1].value == 80) &&
                                    parts[i].value >= 10 && parts[i].value < 20;
        if (parts[i].value >= place(parts[i - 1].value) && !teenAfterScore) throw notAddingUp();
        total += parts[i].value;
    }
    return total;
}

bool isFigures(const Token& t) {
    return !t.plain.empty() && t.plain.front() >= '0' && t.plain.front() <= '9';
}

// A Latin ordinal agreeing with "die" ("vicesima prima"): the day, never part of
// the year, whose ordinals agree with "anno" ("MCCL vicesima prima die" is 1250 and
// the 21st).
bool isFeminine(const Token& t) {
    return t.plain.size() > 3 && (t.plain.ends_with('a') || t.plain.ends_with("am"));
}

bool isRelationAsWritten(const Token& t) {
    return lexiconWord({t.whole, t.folded},
                       [](const WordEntry& e) { return e.kind == Kind::Relation && e.length == 1; })
        .has_value();
}

// A word that is no word of the lexicon, no feast's name and no honouring word.
bool isUnknown(std::span<const Token> tokens, std::size_t at) {
    std::size_t length = 0;
    FeastEntry feast{};
    const Lexicon& lex = lexiconIndex();
    return !wordAt(tokens, at, length) && !lex.words.contains(tokens[at].whole) &&
           !lex.words.contains(tokens[at].folded) && !isHonouring(tokens[at]) &&
           longestFeast(tokens, at, feast) == 0 && !piecesOf(tokens[at]);
}

// The number that starts at token i, or nullopt.
std::optional<Number> readNumberAt(std::span<const Token> tokens, std::size_t i, bool single) {
    const Lexicon& lex = lexiconIndex();
    std::vector<Piece> pieces;
    std::size_t at = i;
    std::size_t parts = 0;
    bool ordinal = false;
    bool singleLetter = false;
    bool feminine = false;
    while (at < tokens.size() && (at == i || !tokens[at].breakBefore)) {
        // A number never takes a word of a relation: "in octava" is the octave. A
        // relation read by its Latin stem alone ("octavo" of "octava") goes on as the
        // ordinal it is written as.
        if (parts > 0 && isRelationAsWritten(tokens[at])) break;
        // The longest number word of the lexicon here ("dix sept", "quatre vins").
        // "en" is "and" between numbers, else "een" (one), as the fold has them alike.
        std::optional<WordEntry> word;
        std::size_t wordLength = 0;  // tokens matched: a form of two words may be written as one
        for (std::size_t len = longestWordSpan(tokens, at); len > 0 && !word; --len) {
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
            if (parts > 0 && isFeminine(tokens[at + wordLength - 1]) != feminine) break;
            feminine = isFeminine(tokens[at + wordLength - 1]);
            pieces.push_back(pieceOf(*word, false));
            ordinal = ordinal || word->kind == Kind::Ordinal;
            at += wordLength;
            ++parts;
            if (single) break;
            continue;
        }
        // A word read by the grammar's rules, not as the lexicon writes it, never runs
        // on into a feast's name ("MCCLX Quadragesima" is a year and a Sunday).
        FeastEntry feast{};
        if (parts > 0 && !isNumeral(tokens[at]) && longestFeast(tokens, at, feast) > 0) break;
        // "lxx mo", "mcclx mo": the Latin ending after a Roman numeral, apart (a
        // thousand after a numeral would never add up).
        if (parts > 0 && tokens[at].plain == "mo" && pieces.back().literal &&
            romanValue(tokens[at - 1].plain)) {
            ordinal = true;
            ++at;
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
        if (parts > 0 && isFeminine(tokens[at]) != feminine) break;
        feminine = isFeminine(tokens[at]);
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
    // A word the reader does not know that looks like a number, with the number going
    // on after it ("M CCC iiixx et quatorze"): the phrase is broken there, refused
    // naming the word, never read as "M CCC".
    if (!single && at + 1 < tokens.size() && !tokens[at].breakBefore && !tokens[at + 1].breakBefore &&
        !isFigures(tokens[at + 1]) && isUnknown(tokens, at) && looksLikeDateWord(tokens[at]))
        if (const std::optional<Number> rest =
                numberAt(tokens, at + (isJoiner(tokens[at + 1].plain) && at + 2 < tokens.size() ? 2 : 1));
            rest && !rest->singleLetter) {
            n.error = '"' + tokens[at].typed + "\" niet begrepen, midden in het getal \"" +
                      typedText(tokens.subspan(i, rest->end - i)) + '"';
            at = rest->end;
            parts += 1 + rest->parts;
        }
    if (n.error.empty()) try {
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

std::optional<Number> numberAt(std::span<const Token> tokens, std::size_t i, bool single) {
    LookupMemo* memo = LookupMemo::of(tokens);
    if (memo == nullptr || i >= tokens.size()) return readNumberAt(tokens, i, single);
    std::optional<std::optional<Number>>& known = memo->numbers[single ? 1 : 0][i];
    if (!known) known = readNumberAt(tokens, i, single);
    return *known;
}

}  // namespace clause::detail
