#include "clause.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <span>
#include <unordered_map>
#include <unordered_set>

#include "calendar.h"
#include "clause_tokens.h"
#include "dating.h"
#include "dutch_names.h"
#include "feasts.h"
#include "input_error.h"
#include "lexicon.h"
#include "spelling.h"
#include "year_view.h"

namespace clause {

namespace {

using dating::Relation;
using feasts::Feast;

constexpr int kFirstYear = year_view::kFirstYear;
constexpr int kLastYear = year_view::kLastYear;
constexpr std::size_t kLongestForm = 9;  // tokens: "In den iore van der geboirt onse heren" and more
constexpr int kHighestOrdinal = 30;

// ---------------------------------------------------------------------------
// The words around a saint's name that only honour it or name the day: part of
// the feast's name, never needed, never reported as skipped.
constexpr std::array<std::string_view, 53> kHonouring{
    "festum",      "feste",       "festo",        "natale",   "sancti",      "sancte",   "sanctae",
    "sancta",      "sancto",      "sanctorum",    "beati",    "beate",       "beatae",   "beato",
    "sinte",       "sente",       "sunte",        "sent",     "sint",        "st",       "s",
    "saint",       "sainte",      "saincte",      "sainct",   "le",          "la",       "les",
    "l",           "de",          "des",          "der",      "episcopi",    "apostoli", "apostle",
    "evangeliste", "ewangeliste", "ewangheliste", "virginis", "confessoris", "martyris", "martiris",
    "dach",        "daghe",       "dag",          "misse",    "messe",       "mis",      "du",
    "pape",        "abbatis",     "daghes",       "den"};
// Of those, the ones after which a name is expected: an unknown word after them is
// an unknown feast, not a skipped word.
constexpr std::array<std::string_view, 20> kSaintly{
    "festum", "feste", "sancti", "sancte", "sanctae", "sancta", "beati",   "beate",  "sinte", "sente",
    "sunte",  "sent",  "sint",   "st",     "saint",   "sainte", "saincte", "sainct", "s",     "sancto"};

// Endings of a feast's name (folded): the day ("Sint-Maartensdag", "Kerstdach",
// "Sint-Jansmis") and the eve ("Paasavond", "Sint-Jansavond", "Kerssavont").
// The shorter ones are what is left where the fold made a doubled letter single
// ("Willibrorddag", "Magdalenaavond").
constexpr std::array<std::string_view, 10> kDayEndings{"sdag", "dag",   "sdakh", "dakh", "smis",
                                                       "mis",  "smise", "mise",  "ag",   "is"};
constexpr std::array<std::string_view, 9> kEveEndings{"sauond", "auond", "sauont", "auont", "sauent",
                                                      "auent",  "uond",  "uont",   "uent"};

// Words between a counted day and its month: "die mensis", "daghe in", "jours en", "ou mois de".
constexpr std::array<std::string_view, 22> kDayConnectors{
    "die", "dies", "mensis", "mense", "dakh", "dag",  "dage", "dages", "iour", "iours", "in",
    "en",  "de",   "d",      "uan",   "ou",   "mois", "moi",  "des",   "den",  "der",   "el"};

// The ordinal endings after figures: "2a", "15e", "vij.sten", "XXXIXo".
constexpr std::array<std::string_view, 8> kOrdinalEndings{"sten", "ste", "en", "de", "e", "a", "o", "us"};

template <std::size_t N>
std::unordered_set<std::string> foldedSet(const std::array<std::string_view, N>& words) {
    std::unordered_set<std::string> out;
    for (std::string_view w : words) {
        out.insert(spelling::fold(w));
        out.insert(spelling::fold(w, false));
    }
    return out;
}

const std::unordered_set<std::string>& honouring() {
    static const std::unordered_set<std::string> set = foldedSet(kHonouring);
    return set;
}
const std::unordered_set<std::string>& saintly() {
    static const std::unordered_set<std::string> set = foldedSet(kSaintly);
    return set;
}
const std::set<std::string>& dayConnectors() {
    static const std::set<std::string> set = [] {
        std::set<std::string> s(kDayConnectors.begin(), kDayConnectors.end());
        return s;
    }();
    return set;
}

const std::set<std::string>& articles() {
    static const std::set<std::string> set{"l", "le", "la", "les", "de", "des", "der", "du", "s", "st", "d"};
    return set;
}

bool isHonouring(const Token& t) {
    return honouring().contains(t.folded);
}

// ---------------------------------------------------------------------------
// The lexicon as the reader looks words up: by the folded words of a form run
// together, so that "Sint Maarten", "Sint-Maarten" and "SINTMAARTEN" are one key.

enum class Kind {
    Weekday,
    Relation,
    Ordinal,
    Number,
    Joiner,
    Month,
    Mark,
    Pridie,
    Bis,
    Bissextus,
    YearIntro,
    Regnal,
    Indiction,
    Filler
};
enum class Mark { Kalends, Nones, Ides };
enum class RelationWord { Rel, Skip, Chant };

struct WordEntry {
    Kind kind;
    std::size_t length;  // tokens
    int value = 0;       // weekday, month, number
    bool multiplier = false;
    Relation relation = Relation::On;
    RelationWord relationWord = RelationWord::Rel;
    Mark mark = Mark::Kalends;
    bool abbreviated = false;  // the form ends in a point: "Sept."
};

struct FeastEntry {
    const Feast* feast;
    bool eve;
    bool fromTable;  // the form is a name of the table, not of the forms file
};

// Keys of a sequence of folded words: declined and as written in the last word.
std::array<std::string, 2> keysOf(std::span<const Token> tokens) {
    std::string stem;
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) stem += tokens[i].folded;
    return {stem + tokens.back().folded, stem + tokens.back().whole};
}

std::vector<Token> tokensOf(std::string_view form) {
    return tokenize(spelling::cleaned(form));
}

std::optional<std::pair<Relation, RelationWord>> relationIn(std::string_view meaning) {
    const std::string m{meaning};
    const auto has = [&](std::string_view w) { return m.find(w) != std::string::npos; };
    if (has("chant") || has("sung")) return std::pair{Relation::On, RelationWord::Chant};
    if (has("next coming") || has("following")) return std::pair{Relation::On, RelationWord::Skip};
    if (has("within the octave") || has("within the feast"))
        return std::pair{Relation::WithinOctave, RelationWord::Rel};
    if (has("day after") || has("next day")) return std::pair{Relation::DayAfter, RelationWord::Rel};
    if (has("eve")) return std::pair{Relation::Eve, RelationWord::Rel};
    if (has("octave")) return std::pair{Relation::Octave, RelationWord::Rel};
    if (has("fortnight")) return std::pair{Relation::Quindena, RelationWord::Rel};
    if (has("before")) return std::pair{Relation::Before, RelationWord::Rel};
    if (has("after") || has("next")) return std::pair{Relation::After, RelationWord::Rel};
    if (has("on") || has("at") || has("until")) return std::pair{Relation::On, RelationWord::Rel};
    return std::nullopt;
}

std::optional<WordEntry> entryOf(const lexicon::Word& w, std::size_t length) {
    WordEntry e{Kind::Filler, length};
    e.abbreviated = w.form.ends_with('.');
    const std::string_view k = w.kind;
    if (k == "weekday") {
        const auto d = lexicon::weekdayIn(w.meaning);
        if (!d) return std::nullopt;
        e.kind = Kind::Weekday;
        e.value = *d;
    } else if (k == "relation") {
        const auto r = relationIn(w.meaning);
        if (!r) return std::nullopt;
        e.kind = Kind::Relation;
        e.relation = r->first;
        e.relationWord = r->second;
    } else if (k == "ordinal" || k == "number") {
        if (w.meaning.starts_with("and")) {
            e.kind = Kind::Joiner;
        } else {
            const auto n = lexicon::numberIn(w.meaning);
            if (!n) return std::nullopt;
            e.kind = k == "ordinal" ? Kind::Ordinal : Kind::Number;
            e.value = *n;
            e.multiplier = k == "number" && (*n == 100 || *n == 1000);
        }
    } else if (k == "month") {
        const auto m = lexicon::monthIn(w.meaning);
        if (!m) {
            e.kind = Kind::Filler;  // "mensis": of the month
        } else {
            e.kind = Kind::Month;
            e.value = *m;
        }
    } else if (k == "roman-day") {
        const std::string_view m = w.meaning;
        if (m.find("inserted") != std::string_view::npos) {
            e.kind = Kind::Bis;
        } else if (m.find("leap day") != std::string_view::npos) {
            e.kind = Kind::Bissextus;
        } else if (m.find("day before") != std::string_view::npos) {
            e.kind = Kind::Pridie;
        } else {
            e.kind = Kind::Mark;
            e.mark = m.find("Nones") != std::string_view::npos  ? Mark::Nones
                     : m.find("Ides") != std::string_view::npos ? Mark::Ides
                                                                : Mark::Kalends;
        }
    } else if (k == "year-intro") {
        e.kind = Kind::YearIntro;
    } else if (k == "filler") {
        const std::string_view m = w.meaning;
        e.kind = m.find("regnal") != std::string_view::npos || m.find("pontifical") != std::string_view::npos
                     ? Kind::Regnal
                 : m.find("indiction") != std::string_view::npos ? Kind::Indiction
                                                                 : Kind::Filler;
    } else {
        return std::nullopt;
    }
    return e;
}

struct Lexicon {
    std::unordered_map<std::string, std::vector<WordEntry>> words;
    std::unordered_map<std::string, FeastEntry> feastFull;      // every word of the form
    std::unordered_map<std::string, FeastEntry> feastStripped;  // without the honouring words
    std::unordered_map<std::string, FeastEntry> feastStems;     // without a day ending, or "-en"
    std::set<std::string> numberPieces;                         // single-word numbers, for joined words
};

void addFeast(std::unordered_map<std::string, FeastEntry>& map, const std::string& key, FeastEntry entry) {
    if (key.empty()) return;
    const auto [at, added] = map.try_emplace(key, entry);
    // A name of the table before a form of the file, a feast of the older table
    // before a newer one ("sinte Mertijns …" is the winter Martin).
    if (!added && !at->second.fromTable && entry.fromTable) at->second = entry;
}

// Keys of a feast form without its honouring words, and its core: the one word
// that follows leading honouring words ("sinte Pieters dach in den lenten": "pieters").
std::vector<std::string> strippedKeys(const std::vector<Token>& tokens) {
    std::vector<Token> kept;
    for (const Token& t : tokens)
        if (!isHonouring(t)) kept.push_back(t);
    if (kept.empty()) return {};
    const auto keys = keysOf(kept);
    return {keys[0], keys[1]};
}

const Lexicon& lexiconIndex() {
    static const Lexicon index = [] {
        Lexicon lex;
        for (const lexicon::Word& w : lexicon::clauseWords()) {
            if (w.form.find("...") != std::string_view::npos || w.form.starts_with('-')) continue;
            const std::vector<Token> tokens = tokensOf(w.form);
            if (tokens.empty()) continue;
            const std::optional<WordEntry> e = entryOf(w, tokens.size());
            if (!e) continue;
            for (const std::string& key : keysOf(tokens)) {
                auto& list = lex.words[key];
                if (std::none_of(list.begin(), list.end(),
                                 [&](const WordEntry& x) { return x.kind == e->kind; }))
                    list.push_back(*e);
            }
            if (tokens.size() == 1 &&
                (e->kind == Kind::Number || e->kind == Kind::Ordinal || e->kind == Kind::Joiner))
                lex.numberPieces.insert(tokens.front().whole);
        }

        // The names of the table first, then the forms of the file.
        std::vector<std::tuple<const Feast*, std::string_view, bool, bool>> forms;  // feast, form, eve, table
        for (const Feast& f : feasts::table())
            for (std::string_view form : {f.name, f.latin, f.aliases[0], f.aliases[1]})
                if (!form.empty()) forms.emplace_back(&f, form, false, true);
        std::vector<std::tuple<const Feast*, std::string_view, bool, bool>> fileForms;
        for (const lexicon::FeastForm& ff : lexicon::feastForms()) {
            const Feast* f = feasts::findById(ff.id);
            if (f == nullptr) continue;
            // A form the file names as the feast's eve ("dertien avont", "Kerssavont").
            const bool eve =
                ff.note.starts_with("eve of") || ff.note.find(" Eve (") != std::string_view::npos;
            forms.emplace_back(f, ff.form, eve, false);
        }
        std::map<std::string, std::set<const Feast*>> cores;
        for (const auto& [feast, form, eve, table] : forms) {
            const std::vector<Token> tokens = tokensOf(form);
            if (tokens.empty()) continue;
            const FeastEntry entry{feast, eve, table};
            for (const std::string& key : keysOf(tokens)) addFeast(lex.feastFull, key, entry);
            for (const std::string& key : strippedKeys(tokens)) addFeast(lex.feastStripped, key, entry);
            std::vector<std::string> all{keysOf(tokens)[0], keysOf(tokens)[1]};
            for (const std::string& k : strippedKeys(tokens)) all.push_back(k);
            for (const std::string& key : all) {
                for (std::string_view ending : kDayEndings)
                    if (key.size() > ending.size() + 1 && key.ends_with(ending))
                        addFeast(lex.feastStems, key.substr(0, key.size() - ending.size()), entry);
                if (key.size() > 4 && key.ends_with("en"))
                    addFeast(lex.feastStems, key.substr(0, key.size() - 2), entry);
            }
            // The core of a form of the file: one name after honouring words.
            if (!table && tokens.size() >= 2 && isHonouring(tokens[0])) {
                std::size_t i = 0;
                while (i < tokens.size() && isHonouring(tokens[i])) ++i;
                // Not a word of the clause's grammar ("la veille de Pasques": "veille").
                if (i < tokens.size() && (i + 1 == tokens.size() || isHonouring(tokens[i + 1])) &&
                    !lex.words.contains(tokens[i].folded)) {
                    cores[tokens[i].folded].insert(feast);
                    cores[tokens[i].whole].insert(feast);
                }
            }
        }
        // A core names a feast only where no other feast of the older table shares it.
        const std::size_t older = static_cast<std::size_t>(
            std::find_if(feasts::table().begin(), feasts::table().end(),
                         [](const Feast& f) { return f.id == "quatertemper-vasten-woensdag"; }) -
            feasts::table().begin());
        for (const auto& [core, feastSet] : cores) {
            std::vector<const Feast*> olderOnes;
            for (const Feast* f : feastSet)
                if (static_cast<std::size_t>(f - feasts::table().data()) < older) olderOnes.push_back(f);
            const Feast* chosen = olderOnes.size() == 1                       ? olderOnes.front()
                                  : olderOnes.empty() && feastSet.size() == 1 ? *feastSet.begin()
                                                                              : nullptr;
            if (chosen != nullptr) lex.feastStripped.try_emplace(core, FeastEntry{chosen, false, false});
        }
        return lex;
    }();
    return index;
}

// ---------------------------------------------------------------------------
// Numbers: figures, Roman numerals and number words, joined or apart.

struct Number {
    long long value = 0;
    std::size_t end = 0;  // the token after it
    bool ordinal = false;
    bool singleLetter = false;  // a lone "V" or "M": a number only where one is expected
    std::size_t parts = 0;
    std::string error;  // the words do not add up ("dusent dusent"): refused where it is the year
};

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
std::optional<Number> numberAt(std::span<const Token> tokens, std::size_t i, bool single = false) {
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
        for (std::size_t len = std::min(kLongestForm, tokens.size() - at); len > 0 && !word; --len) {
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
                const std::optional<Number> next = numberAt(tokens, at + word->length, true);
                if (!next) break;
                at += word->length;
                continue;
            }
            pieces.push_back({word->value, word->multiplier, word->kind == Kind::Ordinal, false, false});
            ordinal = ordinal || word->kind == Kind::Ordinal;
            at += word->length;
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

// ---------------------------------------------------------------------------
// Items: the tokens read as words of the grammar.

enum class ItemKind {
    Feast,
    Weekday,
    Relation,
    YearIntro,
    Number,
    RomanDay,
    CountedDay,
    PlainDate,
    Regnal,
    Indiction,
    Honouring,
    Filler,
    Unknown
};

struct RomanDay {
    int count = 1;  // 1: the mark itself; 2: pridie
    Mark mark = Mark::Kalends;
    int month = 1;  // the month named
    bool bis = false;
    bool bissextus = false;
};

struct Item {
    ItemKind kind;
    std::size_t first, last;  // tokens [first, last)
    const Feast* feast = nullptr;
    bool eve = false;
    int weekday = 0;
    Relation relation = Relation::On;
    RelationWord relationWord = RelationWord::Rel;
    Number number;
    RomanDay roman;
    int day = 0, month = 0, year = 0;
    bool used = false;
};

Item makeItem(ItemKind kind, std::size_t first, std::size_t last) {
    Item item{kind,     first,      last, nullptr, false, 0,    Relation::On, RelationWord::Rel,
              Number{}, RomanDay{}, 0,    0,       0,     false};
    return item;
}

Item romanItem(std::size_t first, std::size_t last, const RomanDay& r) {
    Item item = makeItem(ItemKind::RomanDay, first, last);
    item.roman = r;
    return item;
}

// A weekday in its declined forms: "des saterdaghes", "sdonderdaechs",
// "tsaterdachs" have the stem of "saterdach".
std::optional<int> weekdayByStem(const Token& t) {
    static constexpr std::array<std::string_view, 10> kEndings{"daghes", "daghe", "daechs", "daech", "dachs",
                                                               "dach",   "daghs", "dags",   "dages", "dag"};
    static const std::vector<std::string> endings = [] {
        std::vector<std::string> out;
        for (std::string_view e : kEndings) {
            out.push_back(spelling::fold(e, false));
            out.push_back(spelling::fold(e));
        }
        std::sort(out.begin(), out.end(),
                  [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
        return out;
    }();
    const auto stemOf = [&](const std::string& w) -> std::string {
        for (const std::string& e : endings)
            if (w.size() >= e.size() + 3 && w.ends_with(e)) return w.substr(0, w.size() - e.size());
        return {};
    };
    static const std::map<std::string, int> stems = [&] {
        std::map<std::string, int> out;
        for (const lexicon::Word& w : lexicon::clauseWords()) {
            if (w.kind != "weekday" || w.form.find(' ') != std::string_view::npos) continue;
            const auto day = lexicon::weekdayIn(w.meaning);
            const std::string stem = stemOf(spelling::fold(w.form, false));
            if (day && !stem.empty()) out.try_emplace(stem, *day);
        }
        return out;
    }();
    for (const std::string& w : {t.whole, t.folded}) {
        for (const std::string& bare : {w, w.starts_with("ts") ? w.substr(2) : std::string{},
                                        w.starts_with('s') ? w.substr(1) : std::string{}}) {
            if (bare.empty()) continue;
            const std::string stem = stemOf(bare);
            if (stem.empty()) continue;
            if (const auto found = stems.find(stem); found != stems.end()) return found->second;
        }
    }
    return std::nullopt;
}

std::optional<WordEntry> longestWord(std::span<const Token> tokens, std::size_t i, std::size_t& length) {
    if (i >= tokens.size()) return std::nullopt;  // a clause that ends in "bis"
    const Lexicon& lex = lexiconIndex();
    for (std::size_t len = std::min(kLongestForm, tokens.size() - i); len > 0; --len) {
        std::optional<WordEntry> best;
        for (const std::string& key : keysOf(tokens.subspan(i, len))) {
            const auto found = lex.words.find(key);
            if (found == lex.words.end()) continue;
            for (const WordEntry& e : found->second) {
                if (e.kind == Kind::Number || e.kind == Kind::Ordinal || e.kind == Kind::Joiner) continue;
                // "Sept." is September, "sept" seven: an abbreviation wants its point.
                if (e.abbreviated && !tokens[i + len - 1].dotted && e.kind == Kind::Month &&
                    found->second.size() > 1)
                    continue;
                if (!best || static_cast<int>(e.kind) < static_cast<int>(best->kind)) best = e;
            }
        }
        if (best) {
            length = len;
            return best;
        }
    }
    if (const std::optional<int> day = weekdayByStem(tokens[i])) {
        length = 1;
        WordEntry e{Kind::Weekday, 1};
        e.value = *day;
        return e;
    }
    return std::nullopt;
}

std::optional<FeastEntry> feastOfKey(const std::string& key) {
    const Lexicon& lex = lexiconIndex();
    if (const auto f = lex.feastFull.find(key); f != lex.feastFull.end()) return f->second;
    if (const auto f = lex.feastStripped.find(key); f != lex.feastStripped.end()) return f->second;
    return std::nullopt;
}

std::optional<FeastEntry> feastOfSpan(std::span<const Token> span) {
    if (isHonouring(span.front()) && span.size() == 1) return std::nullopt;
    std::vector<std::string> keys;
    for (const std::string& k : keysOf(span)) keys.push_back(k);
    std::vector<Token> kept;
    for (const Token& t : span)
        if (!isHonouring(t)) kept.push_back(t);
    if (kept.empty()) return std::nullopt;
    for (const std::string& k : keysOf(kept)) keys.push_back(k);
    for (const std::string& k : keys)
        if (const auto f = feastOfKey(k)) return f;
    const Lexicon& lex = lexiconIndex();
    const auto stem = [&](const std::string& k) -> std::optional<FeastEntry> {
        if (const auto f = feastOfKey(k)) return f;
        if (const auto f = lex.feastStems.find(k); f != lex.feastStems.end()) return f->second;
        return std::nullopt;
    };
    for (const std::string& k : keys)
        for (std::string_view ending : kDayEndings)
            if (k.size() > ending.size() + 1 && k.ends_with(ending))
                if (auto f = stem(k.substr(0, k.size() - ending.size()))) return f;
    for (const std::string& k : keys)
        for (std::string_view ending : kEveEndings)
            if (k.size() > ending.size() + 1 && k.ends_with(ending))
                if (auto f = stem(k.substr(0, k.size() - ending.size())); f && !f->eve) {
                    f->eve = true;
                    return f;
                }
    return std::nullopt;
}

// The longest feast name at token i: its length in tokens, or 0.
std::size_t longestFeast(std::span<const Token> tokens, std::size_t i, FeastEntry& found) {
    for (std::size_t len = std::min(kLongestForm, tokens.size() - i); len > 0; --len) {
        const auto span = tokens.subspan(i, len);
        // A name never takes in figures, nor a word after a comma.
        if (std::any_of(span.begin() + 1, span.end(), [](const Token& t) { return t.breakBefore; })) continue;
        if (std::any_of(span.begin(), span.end(), [](const Token& t) {
                return !t.plain.empty() && t.plain.front() >= '0' && t.plain.front() <= '9';
            }))
            continue;
        // An article belongs to what follows it ("saint Andrieu l'an").
        if (len > 1 && articles().contains(span.back().folded)) continue;
        if (const auto f = feastOfSpan(span)) {
            found = *f;
            return len;
        }
    }
    return 0;
}

std::optional<WordEntry> wordAt(std::span<const Token> tokens, std::size_t i, std::size_t& length) {
    return longestWord(tokens, i, length);
}

// [bis] (COUNT | pridie) (kal. | non. | id.) MONTH, MARK MONTH, or bissextus.
std::optional<Item> romanDayAt(std::span<const Token> tokens, std::size_t i) {
    std::size_t at = i;
    std::size_t len = 0;
    RomanDay r;
    auto w = wordAt(tokens, at, len);
    if (w && w->kind == Kind::Bissextus) {
        r.bissextus = true;
        r.month = 3;
        r.count = 6;
        return romanItem(i, at + len, r);
    }
    if (w && w->kind == Kind::Bis) {
        r.bis = true;
        at += len;
        w = wordAt(tokens, at, len);
    }
    if (w && w->kind == Kind::Pridie) {
        r.count = 2;
        at += len;
    } else if (!(w && w->kind == Kind::Mark)) {
        if (at >= tokens.size()) return std::nullopt;
        const std::optional<Number> n = numberAt(tokens, at);
        if (!n || !n->error.empty()) return std::nullopt;
        if (n->value > 1000) return std::nullopt;
        r.count = static_cast<int>(n->value);
        at = n->end;
    }
    if (at >= tokens.size()) return std::nullopt;
    w = wordAt(tokens, at, len);
    if (!w || w->kind != Kind::Mark) return std::nullopt;
    r.mark = w->mark;
    at += len;
    if (at >= tokens.size()) return std::nullopt;
    w = wordAt(tokens, at, len);
    if (!w || w->kind != Kind::Month) return std::nullopt;
    r.month = w->value;
    at += len;
    return romanItem(i, at, r);
}

// COUNT [connectors] MONTH: "vicesima quinta die mensis novembris", "16 maart".
std::optional<Item> countedDayAt(std::span<const Token> tokens, std::size_t i) {
    const std::optional<Number> n = numberAt(tokens, i);
    if (!n || !n->error.empty() || n->value < 1 || n->value > 31) return std::nullopt;
    std::size_t at = n->end;
    for (int skipped = 0; at < tokens.size() && skipped < 4; ++skipped) {
        std::size_t len = 0;
        const auto w = wordAt(tokens, at, len);
        if (w && w->kind == Kind::Month) {
            Item item = makeItem(ItemKind::CountedDay, i, at + len);
            item.day = static_cast<int>(n->value);
            item.month = w->value;
            return item;
        }
        if (w && w->kind == Kind::Filler && !dayConnectors().contains(tokens[at].folded)) {
            at += len;  // "die mensis", "ou mois de"
            continue;
        }
        if (!dayConnectors().contains(tokens[at].folded)) break;
        ++at;
    }
    return std::nullopt;
}

std::optional<Item> plainDateAt(std::span<const Token> tokens, std::size_t i) {
    const std::string& p = tokens[i].plain;
    if (p.find('/') == std::string::npos) return std::nullopt;
    std::array<long long, 3> parts{};
    std::size_t part = 0;
    std::size_t digits = 0;
    for (const char c : p) {
        if (c == '/') {
            if (digits == 0 || ++part > 2) return std::nullopt;
            digits = 0;
            continue;
        }
        if (++digits > 9) return std::nullopt;
        parts.at(part) = parts.at(part) * 10 + (c - '0');
    }
    if (part != 2 || digits == 0) return std::nullopt;
    Item item = makeItem(ItemKind::PlainDate, i, i + 1);
    if (parts[0] < 1 || parts[0] > 31 || parts[1] < 1 || parts[1] > 12)
        throw InputError("\"" + tokens[i].typed + "\" is geen datum (dag/maand/jaar)");
    item.day = static_cast<int>(parts[0]);
    item.month = static_cast<int>(parts[1]);
    item.year = parts[2] > 1000000 ? 1000000 : static_cast<int>(parts[2]);
    return item;
}

std::vector<Item> itemsOf(std::span<const Token> tokens) {
    std::vector<Item> items;
    std::size_t i = 0;
    while (i < tokens.size()) {
        if (auto r = romanDayAt(tokens, i)) {
            i = r->last;
            items.push_back(*r);
            continue;
        }
        if (auto c = countedDayAt(tokens, i)) {
            i = c->last;
            items.push_back(*c);
            continue;
        }
        if (auto d = plainDateAt(tokens, i)) {
            i = d->last;
            items.push_back(*d);
            continue;
        }
        FeastEntry feast{};
        const std::size_t feastLength = longestFeast(tokens, i, feast);
        // "feria II", "feria 2a", "feria V.": the weekday by its number, unless a
        // feast's name goes on ("Feria IV Quatuor temporum Quadragesimae").
        if (tokens[i].folded == "feria" && i + 1 < tokens.size() && feastLength <= 2) {
            if (const auto n = numberAt(tokens, i + 1, true);
                n && n->error.empty() && n->value >= 1 && n->value <= 7) {
                Item item = makeItem(ItemKind::Weekday, i, n->end);
                item.weekday = static_cast<int>((n->value - 1) % 7);
                items.push_back(item);
                i = n->end;
                continue;
            }
        }
        std::size_t wordLength = 0;
        const std::optional<WordEntry> word = wordAt(tokens, i, wordLength);
        const std::optional<Number> number = numberAt(tokens, i);
        const std::size_t numberLength = number && !number->singleLetter ? number->end - i : 0;
        if (feastLength > 0 && feastLength >= wordLength && feastLength >= numberLength) {
            Item item = makeItem(ItemKind::Feast, i, i + feastLength);
            item.feast = feast.feast;
            item.eve = feast.eve;
            items.push_back(item);
            i += feastLength;
            continue;
        }
        if (word && wordLength >= numberLength) {
            Item item = makeItem(ItemKind::Filler, i, i + wordLength);
            switch (word->kind) {
                case Kind::Weekday:
                    item.kind = ItemKind::Weekday;
                    item.weekday = word->value;
                    break;
                case Kind::Relation:
                    item.kind = ItemKind::Relation;
                    item.relation = word->relation;
                    item.relationWord = word->relationWord;
                    break;
                case Kind::YearIntro:
                    item.kind = ItemKind::YearIntro;
                    break;
                case Kind::Regnal:
                    item.kind = ItemKind::Regnal;
                    break;
                case Kind::Indiction:
                    item.kind = ItemKind::Indiction;
                    break;
                default:
                    item.kind =
                        std::all_of(tokens.begin() + static_cast<std::ptrdiff_t>(i),
                                    tokens.begin() + static_cast<std::ptrdiff_t>(i + wordLength), isHonouring)
                            ? ItemKind::Honouring
                            : ItemKind::Filler;
            }
            items.push_back(item);
            i += wordLength;
            continue;
        }
        if (numberLength > 0) {
            Item item = makeItem(ItemKind::Number, i, number->end);
            item.number = *number;
            items.push_back(item);
            i = number->end;
            continue;
        }
        Item item = makeItem(isHonouring(tokens[i]) ? ItemKind::Honouring : ItemKind::Unknown, i, i + 1);
        // A lone Roman letter where a number is expected: after a year's words.
        if (number && number->singleLetter && !items.empty() &&
            (items.back().kind == ItemKind::YearIntro || items.back().kind == ItemKind::Indiction ||
             items.back().kind == ItemKind::Regnal)) {
            item.kind = ItemKind::Number;
            item.number = *number;
            item.last = number->end;
        }
        items.push_back(item);
        i = item.last;
    }
    return items;
}

// ---------------------------------------------------------------------------
// Messages.

constexpr std::size_t kLongestName = 60;

std::string_view cut(std::string_view text) {
    if (text.size() <= kLongestName) return text;
    std::size_t end = kLongestName;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) --end;
    return text.substr(0, end);
}

std::string quoted(std::string_view text) {
    return '"' + std::string{cut(text)} + (cut(text).size() < text.size() ? "…\"" : "\"");
}

std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::vector<std::string_view> formsOf(const Feast& feast) {
    std::vector<std::string_view> forms{feast.name};
    for (std::string_view other : {feast.aliases[0], feast.aliases[1], feast.latin})
        if (!other.empty()) forms.push_back(other);
    return forms;
}

// The words of a name that say which saint it is (not "Sint", "dag").
std::vector<std::string> namingWords(std::string_view text) {
    std::vector<std::string> out;
    for (const Token& t : tokenize(text))
        if (!isHonouring(t) && t.folded.size() >= 3) out.push_back(t.folded);
    return out;
}

bool shareAWord(const std::vector<std::string>& typed, std::string_view form) {
    // The table's names, their words worked out once.
    static std::unordered_map<std::string_view, std::vector<std::string>> cache = [] {
        std::unordered_map<std::string_view, std::vector<std::string>> out;
        for (const Feast& f : feasts::table())
            for (std::string_view n : formsOf(f)) out.emplace(n, namingWords(n));
        return out;
    }();
    const auto found = cache.find(form);
    const std::vector<std::string> words = found != cache.end() ? found->second : namingWords(form);
    for (const std::string& f : words)
        for (const std::string& t : typed)
            if (std::min(f.size(), t.size()) >= 4 && (f.starts_with(t) || t.starts_with(f))) return true;
    return false;
}

// An unknown feast: the three nearest names of the table, those sharing a word
// with what was typed first, then by edit distance of the folded forms.
[[noreturn]] void unknownName(std::string_view written) {
    constexpr std::array<std::string_view, 4> kOldDayEndings{"sdag", "dag", "smis", "mis"};
    constexpr std::array<std::string_view, 2> kOldEveEndings{"savond", "avond"};
    const std::string typed{cut(feasts::foldName(written))};
    std::vector<std::string> candidates{typed};
    for (const auto& endings : {std::span<const std::string_view>{kOldDayEndings},
                                std::span<const std::string_view>{kOldEveEndings}})
        for (std::string_view e : endings)
            if (typed.size() > e.size() && typed.ends_with(e))
                candidates.push_back(typed.substr(0, typed.size() - e.size()));
    const std::vector<std::string> words = namingWords(cut(written));
    struct Near {
        bool shares;
        std::size_t distance;
        std::string_view form;
    };
    std::vector<Near> nearest;
    for (const Feast& f : feasts::table()) {
        Near best{false, std::string::npos, f.name};
        for (std::string_view form : formsOf(f)) {
            best.shares = best.shares || shareAWord(words, form);
            for (const std::string& c : candidates)
                if (const std::size_t d = editDistance(c, feasts::foldName(form)); d < best.distance) {
                    best.distance = d;
                    best.form = form;
                }
        }
        nearest.push_back(best);
    }
    std::stable_sort(nearest.begin(), nearest.end(), [](const Near& a, const Near& b) {
        return a.shares != b.shares ? a.shares : a.distance < b.distance;
    });
    std::string names;
    for (std::size_t i = 0; i < 3 && i < nearest.size(); ++i)
        names += std::string{i == 0 ? "" : ", "} + std::string{nearest[i].form};
    throw InputError("onbekend feest " + quoted(written) + "; het dichtst bij: " + names);
}

std::string ordinalWord(int n) {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> out(kHighestOrdinal + 1);
        for (const lexicon::Word& w : lexicon::clauseWords())
            if (w.lang == "nl" && w.kind == "ordinal")
                if (const auto v = lexicon::numberIn(w.meaning); v && *v >= 1 && *v <= kHighestOrdinal)
                    out.at(static_cast<std::size_t>(*v)) = std::string{w.form};
        return out;
    }();
    return n >= 1 && n <= kHighestOrdinal && !words.at(static_cast<std::size_t>(n)).empty()
               ? words.at(static_cast<std::size_t>(n))
               : std::to_string(n) + "e";
}

std::string weekdayText(int weekday) {
    return std::string{dutch::kWeekdays.at(static_cast<std::size_t>(weekday))};
}
std::string monthText(int month) {
    return std::string{dutch::kMonths.at(static_cast<std::size_t>(month - 1))};
}

// ---------------------------------------------------------------------------
// The clause as the grammar reads it.

struct Clause {
    const Item* anchor = nullptr;  // the feast or the day
    Relation relation = Relation::On;
    bool related = false;  // a relation word was read
    int weekday = 0;       // After, Before, WithinOctave
    int count = 1;
    std::vector<int> checks;  // weekdays the day must have
    int year = 0;
    std::optional<int> indiction;
};

bool isUsedSilently(const Item& item) {
    return item.kind == ItemKind::Honouring;
}

// The item before `at` that is not an honouring word, or nullptr.
Item* previous(std::vector<Item>& items, std::size_t at) {
    while (at > 0) {
        --at;
        if (!isUsedSilently(items[at]) && !items[at].used) return &items[at];
        if (items[at].used) return nullptr;
    }
    return nullptr;
}

std::string typedOf(std::span<const Token> tokens, const Item& item) {
    return typedText(tokens.subspan(item.first, item.last - item.first));
}

// Regnal and pontifical years and the indiction: never the year.
void setAsideOtherYears(std::vector<Item>& items, Clause& clause) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind != ItemKind::Regnal && items[i].kind != ItemKind::Indiction) continue;
        const bool indiction = items[i].kind == ItemKind::Indiction;
        for (std::size_t j = i + 1; j < items.size() && j <= i + 4; ++j) {
            if (items[j].kind == ItemKind::Number) {
                if (indiction) {
                    clause.indiction = static_cast<int>(items[j].number.value);
                    for (std::size_t k = i; k <= j; ++k) items[k].used = true;
                } else {
                    for (std::size_t k = i + 1; k <= j; ++k) items[k].kind = ItemKind::Filler;
                }
                break;
            }
        }
    }
}

// The relation words before the day: [ORDINAL] WEEKDAY [ORDINAL] (post | ante | na | …),
// (vigilia | crastino | octava | …), or a weekday alone (a check).
void readRelation(std::vector<Item>& items, std::size_t anchorAt, std::span<const Token> tokens,
                  Clause& clause) {
    Item* before = previous(items, anchorAt);
    if (before == nullptr) return;
    if (before->kind == ItemKind::Relation && before->relationWord == RelationWord::Skip) {
        before->used = true;
        before = previous(items, static_cast<std::size_t>(before - items.data()));
        if (before == nullptr) return;
    }
    if (before->kind == ItemKind::Relation && before->relationWord == RelationWord::Chant) {
        before->used = true;  // the Sunday on which the chant that follows is sung
        return;
    }
    if (before->kind == ItemKind::Weekday) {
        before->used = true;
        clause.checks.push_back(before->weekday);
        return;
    }
    if (before->kind != ItemKind::Relation) return;
    before->used = true;
    clause.related = true;
    clause.relation = before->relation;
    // "in die Pinxter daghe": within the feast's days, so a weekday names one of them.
    if (clause.relation == Relation::On && tokens[before->first].folded == "in" &&
        before->last == before->first + 2 && tokens[before->first + 1].folded == "die" &&
        tokens[items[anchorAt].last - 1].folded == "dag")
        clause.relation = Relation::WithinOctave;
    const std::string word = typedOf(tokens, *before);
    Item* weekday = previous(items, static_cast<std::size_t>(before - items.data()));
    // "dominica secunda post": the ordinal after the weekday.
    Item* ordinal = nullptr;
    if (weekday != nullptr && weekday->kind == ItemKind::Number && weekday->number.ordinal) {
        ordinal = weekday;
        weekday = previous(items, static_cast<std::size_t>(weekday - items.data()));
        if (weekday == nullptr || weekday->kind != ItemKind::Weekday) {
            if (clause.relation == Relation::After || clause.relation == Relation::Before)
                throw InputError("na " + quoted(typedOf(tokens, *ordinal)) +
                                 " wordt een weekdag (zondag tot zaterdag) verwacht, niet " + quoted(word));
            weekday = nullptr;
            ordinal = nullptr;
        }
    }
    const bool needsWeekday = clause.relation == Relation::After || clause.relation == Relation::Before ||
                              clause.relation == Relation::WithinOctave;
    if (weekday == nullptr || weekday->kind != ItemKind::Weekday) {
        if (clause.relation == Relation::WithinOctave)
            throw InputError(quoted(word) +
                             " noemt een reeks van zeven dagen; zonder weekdag is het geen dag");
        if (needsWeekday)
            throw InputError("voor " + quoted(word) +
                             " ontbreekt de weekdag, zoals in \"dinsdag na Sint-Maarten 1450\"");
        return;
    }
    weekday->used = true;
    if (!needsWeekday) {
        clause.checks.push_back(weekday->weekday);
        return;
    }
    clause.weekday = weekday->weekday;
    if (ordinal == nullptr) {
        Item* o = previous(items, static_cast<std::size_t>(weekday - items.data()));
        // An ordinal right before the weekday, not a year before a comma.
        if (o != nullptr && o->kind == ItemKind::Number && o->last == weekday->first &&
            !tokens[weekday->first].breakBefore &&
            (o->number.value <= kHighestOrdinal || (o->number.ordinal && o->number.parts == 1)))
            ordinal = o;
    }
    if (ordinal != nullptr) {
        if (ordinal->number.value < 1 || ordinal->number.value > kHighestOrdinal)
            throw InputError("rangtelwoord " + quoted(typedOf(tokens, *ordinal)) +
                             " niet begrepen: 1e tot 30e, of eerste tot dertigste");
        if (clause.relation == Relation::WithinOctave && ordinal->number.value != 1)
            throw InputError(quoted(typedOf(tokens, *ordinal)) + " past niet bij " + quoted(word));
        clause.count = static_cast<int>(ordinal->number.value);
        ordinal->used = true;
    }
}

// The year: the number after a year's words, or else the only number left.
void readYear(std::vector<Item>& items, std::span<const Token> tokens,
              const std::vector<std::string_view>& words, const Options& options, Clause& clause) {
    std::vector<const Item*> years;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind != ItemKind::YearIntro || items[i].used) continue;
        if (i + 1 < items.size() && items[i + 1].kind == ItemKind::Number && !items[i + 1].used) {
            items[i].used = items[i + 1].used = true;
            years.push_back(&items[i + 1]);
        }
    }
    for (Item& item : items) {
        if (item.kind == ItemKind::Number && !item.used) {
            if (!years.empty() && item.number.ordinal) continue;  // left as a skipped word
            item.used = true;
            years.push_back(&item);
        }
    }
    if (clause.anchor != nullptr && clause.anchor->kind == ItemKind::PlainDate) {
        if (!years.empty())
            throw InputError("twee jaartallen: " + typedOf(tokens, *clause.anchor) + " en " +
                             typedOf(tokens, *years.front()));
        clause.year = clause.anchor->year;
    } else if (years.empty()) {
        throw InputError("het jaartal ontbreekt aan het eind: " + quoted(words.back()) + " is geen jaartal");
    } else if (years.size() > 1) {
        throw InputError("twee jaartallen: " + typedOf(tokens, *years[0]) + " en " +
                         typedOf(tokens, *years[1]));
    } else {
        if (!years.front()->number.error.empty()) throw InputError(years.front()->number.error);
        const long long y = years.front()->number.value;
        if (y < 0 || y > kLastYear)
            throw InputError("jaartal " + std::string{cut(typedOf(tokens, *years.front()))} +
                             " ligt buiten 100 tot 2100");
        clause.year = static_cast<int>(y);
    }
    if (clause.year < 100) {
        if (!options.century)
            throw InputError("jaartal " + std::to_string(clause.year) +
                             " zonder eeuw: geef de eeuw op (--century 1300 maakt van 39 het jaar 1339)");
        if (*options.century % 100 != 0 || *options.century < 100 || *options.century > 2000)
            throw InputError("eeuw " + std::to_string(*options.century) +
                             " is geen veelvoud van 100 van 100 tot 2000");
        clause.year += *options.century;
    }
    if (clause.year < kFirstYear || clause.year > kLastYear)
        throw InputError("jaartal " + std::to_string(clause.year) + " ligt buiten 100 tot 2100");
}

// The day of a Roman date in a year: nullopt-free, throws for a count out of range.
std::pair<int, int> romanDate(const RomanDay& r, int year, bool leap, const std::string& written) {
    const auto monthLength = [](int m) {
        constexpr std::array<int, 12> kLength{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return kLength.at(static_cast<std::size_t>(m - 1));
    };
    const auto nonesOf = [](int m) { return m == 3 || m == 5 || m == 7 || m == 10 ? 7 : 5; };
    const auto outOfRange = [&](int highest) {
        return InputError(quoted(written) + " bestaat niet: de telling loopt hier tot " +
                          std::to_string(highest));
    };
    (void)year;
    if (r.bissextus) {
        if (!leap)
            throw InputError(quoted(written) + ": het jaar " + std::to_string(year) +
                             " was geen schrikkeljaar");
        return {24, 2};
    }
    if (r.count < 1) throw outOfRange(1);
    const int m = r.month;
    if (r.mark != Mark::Kalends || r.count == 1) {
        if (r.bis) throw InputError(quoted(written) + ": \"bis\" hoort alleen bij VI kal. Martii");
        const int mark = r.mark == Mark::Kalends ? 1 : r.mark == Mark::Nones ? nonesOf(m) : nonesOf(m) + 8;
        const int previousMark = r.mark == Mark::Ides ? nonesOf(m) : 1;
        const int highest = r.mark == Mark::Kalends ? 1 : mark - previousMark;
        if (r.count > highest) throw outOfRange(highest);
        return {mark + 1 - r.count, m};
    }
    const int before = m == 1 ? 12 : m - 1;
    const int length = monthLength(before);
    const int highest = length + 2 - (nonesOf(before) + 8 + 1);
    if (r.count > highest) throw outOfRange(highest);
    if (before == 2 && leap) {
        if (r.bis) {
            if (r.count != 6) throw InputError(quoted(written) + ": \"bis\" hoort alleen bij VI kal. Martii");
            return {24, 2};
        }
        return {length + 2 - r.count + (r.count <= 6 ? 1 : 0), 2};
    }
    if (r.bis) {
        if (before == 2)
            throw InputError(quoted(written) + ": het jaar " + std::to_string(year) +
                             " was geen schrikkeljaar");
        throw InputError(quoted(written) + ": \"bis\" hoort alleen bij VI kal. Martii");
    }
    return {length + 2 - r.count, before};
}

std::string romanWritten(const RomanDay& r, int year) {
    if (r.bissextus) return "bissextus " + std::to_string(year);
    const std::string mark = r.mark == Mark::Kalends ? "kal." : r.mark == Mark::Nones ? "non." : "id.";
    std::string text = r.bis ? "bis " : "";
    if (r.count == 2)
        text += "pridie ";
    else if (r.count > 2)
        text += std::to_string(r.count) + ' ';
    return text + mark + ' ' + monthText(r.month) + ' ' + std::to_string(year);
}

struct Found {
    std::int64_t day;
    std::string text;
    std::string reading;               // without a checked weekday
    int dateYear, dateMonth, dateDay;  // the date as written, for a written date
    bool written;
};

// The modern Dutch words for the feast and its relation, or empty where the
// modern grammar has none (the reading is then the plain date).
std::string relationText(const Clause& c) {
    const Feast& f = *c.anchor->feast;
    const std::string name{f.name};
    if (c.anchor->eve) return c.relation == Relation::On ? "vooravond van " + name : "";
    switch (c.relation) {
        case Relation::On:
            return name;
        case Relation::Eve:
            return "vooravond van " + name;
        case Relation::Octave:
            return "octaaf van " + name;
        case Relation::After:
        case Relation::Before:
            return (c.count > 1 ? ordinalWord(c.count) + ' ' : "") + weekdayText(c.weekday) +
                   (c.relation == Relation::After ? " na " : " voor ") + name;
        case Relation::DayAfter:
        case Relation::Quindena:
        case Relation::WithinOctave:
            break;
    }
    return "";
}

std::string plainDate(int day, int month, long long year) {
    return std::to_string(day) + ' ' + monthText(month) + ' ' + std::to_string(year);
}

std::optional<Found> candidate(const Clause& c, int fy, const Options& options, const std::string& written) {
    const regions::Region& region = *options.region;
    const Item& a = *c.anchor;
    if (a.kind == ItemKind::Feast) {
        const std::optional<feasts::Occurrence> o = feasts::occurrence(*a.feast, fy, region);
        if (!o) return std::nullopt;
        const std::int64_t base = o->day - (a.eve ? 1 : 0);
        const std::int64_t day = dating::relate(base, c.relation, c.weekday, c.count);
        const Feast& f = *a.feast;
        const bool writtenDate = !a.eve && c.relation == Relation::On &&
                                 (f.rule == feasts::Rule::Fixed || f.rule == feasts::Rule::Mattias ||
                                  f.rule == feasts::Rule::YearEnd);
        Found found{day,
                    writtenDate ? o->text : regions::dayText(region, day),
                    "",
                    fy,
                    f.month,
                    f.rule == feasts::Rule::Mattias && regions::isLeapYear(region, fy) ? f.day + 1 : f.day,
                    writtenDate};
        const int nieuwjaar = writtenDate ? fy : static_cast<int>(regions::dateOf(region, day).year);
        const std::string words = relationText(c);
        if (!words.empty()) {
            found.reading = words + ' ' + std::to_string(nieuwjaar);
        } else {
            // A weekday that names the day within the octave stays in front of it.
            const calendar::Date d = regions::dateOf(region, day);
            found.reading =
                (c.relation == Relation::WithinOctave ? weekdayText(c.weekday) + ' ' : std::string{}) +
                plainDate(d.day, d.month, d.year);
        }
        return found;
    }
    int day = a.day;
    int month = a.month;
    if (a.kind == ItemKind::RomanDay)
        std::tie(day, month) = romanDate(a.roman, fy, regions::isLeapYear(region, fy), written);
    const std::optional<regions::Reading> r = regions::readDate(region, fy, month, day);
    if (!r) return std::nullopt;
    return Found{
        r->day, regions::fixedDateText(region, fy, month, day), plainDate(day, month, fy), fy, month, day,
        true};
}

std::string anchorWritten(const Clause& c, std::span<const Token> tokens) {
    const Item& a = *c.anchor;
    if (a.kind == ItemKind::RomanDay) return romanWritten(a.roman, c.year);
    if (a.kind == ItemKind::Feast)
        return (relationText(c).empty() ? typedOf(tokens, a) : relationText(c)) + ' ' +
               std::to_string(c.year);
    return plainDate(a.day, a.month, c.year);
}

std::vector<Reading> readingsOf(const Clause& c, const Options& options, std::span<const Token> tokens) {
    const regions::Region& region = *options.region;
    std::vector<Found> found;
    const std::string written = anchorWritten(c, tokens);
    bool anyCandidate = false;
    std::vector<std::string> elsewhere;  // the days named in the other years, for the message
    for (int fy = c.year - 1; fy <= c.year + 1; ++fy) {
        if (fy < 1 || fy > 9999) continue;
        if (c.anchor->kind != ItemKind::Feast && fy != c.year &&
            options.style == year_style::Style::Nieuwjaar)
            continue;
        std::optional<Found> f = candidate(c, fy, options, written);
        if (!f) continue;
        anyCandidate = true;
        elsewhere.push_back(f->text);
        const int inYear =
            f->written ? dating::styleYearOfDate(f->dateYear, f->dateMonth, f->dateDay, options.style, region)
                       : dating::styleYear(f->day, options.style, region);
        if (inYear != c.year) continue;
        const long long shownYear = f->written ? f->dateYear : regions::dateOf(region, f->day).year;
        if (shownYear < kFirstYear || shownYear > kLastYear) continue;
        if (std::none_of(found.begin(), found.end(), [&](const Found& x) { return x.day == f->day; }))
            found.push_back(std::move(*f));
    }
    if (found.empty()) {
        const Item& a = *c.anchor;
        if (a.kind == ItemKind::Feast) {
            const Feast& f = *a.feast;
            if (!feasts::occurrence(f, c.year, region)) {
                if (c.year < f.firstYear)
                    throw InputError(std::string{f.name} + " werd in " + std::to_string(c.year) +
                                     " nog niet gevierd (pas vanaf " + std::to_string(f.firstYear) + ")");
                throw InputError(std::string{f.name} + " van " + std::to_string(c.year) + " valt in " +
                                 std::string{region.menuName} +
                                 " na de kalenderwijziging buiten het jaar en ontbreekt");
            }
        } else if (!anyCandidate) {
            throw InputError(quoted(written) + " bestaat niet in " + std::string{region.menuName});
        }
        std::string days;
        for (const std::string& d : elsewhere) days += (days.empty() ? "" : ", ") + d;
        throw InputError(written.substr(0, written.rfind(' ')) + " valt niet in " + std::to_string(c.year) +
                         " (wel op " + days + ")");
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.day < b.day; });

    // The weekdays the clause checks: a reading whose day has another is no reading.
    if (!c.checks.empty()) {
        std::vector<Found> kept;
        for (Found& f : found)
            if (std::all_of(c.checks.begin(), c.checks.end(),
                            [&](int w) { return calendar::weekdayOfDays(f.day) == w; }))
                kept.push_back(std::move(f));
        if (kept.empty()) {
            const int actual = calendar::weekdayOfDays(found.front().day);
            const int named =
                *std::find_if(c.checks.begin(), c.checks.end(), [&](int w) { return w != actual; });
            throw InputError(written + " is een " + weekdayText(actual) + ", geen " + weekdayText(named));
        }
        found = std::move(kept);
    }
    std::vector<Reading> readings;
    for (Found& f : found) {
        std::string reading = std::move(f.reading);
        if (!c.checks.empty() && c.anchor->kind != ItemKind::Feast)
            reading = weekdayText(c.checks.front()) + ' ' + reading;
        readings.push_back({f.day, std::move(f.text), regions::isoDate(f.day), std::move(reading)});
    }
    return readings;
}

// What a clause without a day holds, for the message.
[[noreturn]] void noDay(std::vector<Item>& items, std::span<const Token> tokens,
                        const std::vector<std::string_view>& words) {
    // An unknown name is taken for the feast: from a saint's title before it, else
    // the last run of unknown words.
    std::size_t end = items.size();
    while (end > 0 && items[end - 1].kind != ItemKind::Unknown) --end;
    if (end > 0) {
        std::size_t start = end - 1;
        while (start > 0 &&
               (items[start - 1].kind == ItemKind::Unknown || items[start - 1].kind == ItemKind::Honouring))
            --start;
        while (start < end && items[start].kind == ItemKind::Honouring &&
               !saintly().contains(tokens[items[start].first].folded))
            ++start;
        const std::size_t from = items[start].first;
        const std::size_t to = items[end - 1].last;
        // As typed, whole words where the name is whole words.
        std::string name;
        for (std::size_t w = tokens[from].word; w <= tokens[to - 1].word; ++w)
            name += (name.empty() ? "" : " ") + std::string{words[w]};
        unknownName(name);
    }
    for (const Item& item : items)
        if (item.kind == ItemKind::Relation && item.relationWord == RelationWord::Rel)
            throw InputError("na " + quoted(typedOf(tokens, item)) + " ontbreekt de naam van een feest");
    std::vector<std::string> found;
    for (const Item& item : items)
        if (item.kind == ItemKind::Number) found.push_back(typedOf(tokens, item));
    if (found.size() == 1 && std::all_of(items.begin(), items.end(), [](const Item& i) {
            return i.kind == ItemKind::Number || i.kind == ItemKind::YearIntro ||
                   i.kind == ItemKind::Honouring;
        }))
        throw InputError("voor het jaartal " + found.front() + " ontbreekt de naam van een feest");
    std::string what;
    for (const Item& item : items)
        if (item.kind != ItemKind::Honouring) what += (what.empty() ? "" : ", ") + typedOf(tokens, item);
    throw InputError("geen feest of dag gevonden" + (what.empty() ? std::string{} : " in: " + what));
}

// The words no part of the reading used, as typed.
std::string skippedWords(const std::vector<Item>& items, std::span<const Token> tokens,
                         const std::vector<std::string_view>& words) {
    std::vector<bool> skipped(tokens.size(), false);
    for (const Item& item : items) {
        if (item.used || item.kind == ItemKind::Honouring || item.kind == ItemKind::Feast ||
            item.kind == ItemKind::RomanDay || item.kind == ItemKind::CountedDay ||
            item.kind == ItemKind::PlainDate)
            continue;
        for (std::size_t t = item.first; t < item.last; ++t) skipped[t] = true;
    }
    std::string out;
    std::size_t t = 0;
    while (t < tokens.size()) {
        if (!skipped[t]) {
            ++t;
            continue;
        }
        const std::size_t w = tokens[t].word;
        std::size_t end = t;
        bool whole = true;
        while (end < tokens.size() && tokens[end].word == w) whole = whole && skipped[end++];
        bool startsWord = t == 0 || tokens[t - 1].word != w;
        std::string text;
        if (whole && startsWord) {
            std::string_view word = words[w];
            while (!word.empty() && (word.back() == ',' || word.back() == ';' || word.back() == ':'))
                word.remove_suffix(1);
            text = std::string{word};
            t = end;
        } else {
            text = tokens[t].typed;
            ++t;
        }
        if (!text.empty()) out += (out.empty() ? "" : " ") + text;
    }
    return out;
}

}  // namespace

Answer read(std::string_view text, const Options& options) {
    const std::string cleaned = spelling::cleaned(text);
    const std::vector<Token> tokens = tokenize(cleaned);
    const std::vector<std::string_view> words = wordsOf(cleaned);
    if (tokens.empty())
        throw InputError(
            "lege uitdrukking; verwacht [relatie] feest jaar, zoals \"dinsdag na Sint-Maarten 1450\"");
    std::vector<Item> items = itemsOf(tokens);

    Clause clause;
    setAsideOtherYears(items, clause);

    // An unknown name after a saint's title is an unknown feast.
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        if (items[i].kind == ItemKind::Honouring && saintly().contains(tokens[items[i].first].folded) &&
            items[i + 1].kind == ItemKind::Unknown)
            noDay(items, tokens, words);

    std::vector<std::size_t> anchors;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].kind == ItemKind::Feast || items[i].kind == ItemKind::RomanDay ||
            items[i].kind == ItemKind::CountedDay || items[i].kind == ItemKind::PlainDate)
            anchors.push_back(i);
    if (anchors.empty()) noDay(items, tokens, words);
    if (anchors.size() > 1)
        throw InputError(
            "twee dagen die geen relatie verbindt: " + quoted(typedOf(tokens, items[anchors[0]])) + " en " +
            quoted(typedOf(tokens, items[anchors[1]])));
    clause.anchor = &items[anchors.front()];
    readRelation(items, anchors.front(), tokens, clause);
    // A weekday elsewhere in the clause checks the day too.
    for (Item& item : items)
        if (item.kind == ItemKind::Weekday && !item.used) {
            item.used = true;
            clause.checks.push_back(item.weekday);
        }
    readYear(items, tokens, words, options, clause);

    Answer answer;
    answer.readings = readingsOf(clause, options, tokens);
    answer.skipped = skippedWords(items, tokens, words);
    answer.indiction = clause.indiction;
    return answer;
}

}  // namespace clause
