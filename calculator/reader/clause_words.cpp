#include "clause_words.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "clause_memo.h"
#include "latin.h"
#include "lexicon.h"
#include "lexicon_store.h"
#include "saint_forms.h"
#include "saints.h"
#include "spelling.h"

namespace clause::detail {

// ---------------------------------------------------------------------------
// The words around a saint's name that only honour it or name the day: part of
// the feast's name, never needed, never reported as skipped. "ten" and "ter" are
// "te den" and "te der" ("op ten XIIIsten dach", "ter Lichtmesse"): the "te" is an
// "on", as "op" and "te" are.
constexpr std::array<std::string_view, 70> kHonouring{
    "festum",      "feste",       "festo",        "natale",      "sancti",      "sancte",   "sanctae",
    "sancta",      "sancto",      "sanctorum",    "beati",       "beate",       "beatae",   "beato",
    "sinte",       "sente",       "sunte",        "sent",        "sint",        "st",       "s",
    "saint",       "sainte",      "saincte",      "sainct",      "le",          "la",       "les",
    "l",           "de",          "des",          "der",         "episcopi",    "apostoli", "apostle",
    "evangeliste", "ewangeliste", "ewangheliste", "virginis",    "confessoris", "martyris", "martiris",
    "dach",        "daghe",       "dag",          "misse",       "messe",       "mis",      "du",
    "pape",        "abbatis",     "daghes",       "den",         "sanctum",     "sanctam",  "beatum",
    "beatam",      "festi",       "seint",        "lou",         "d",           "gloriose", "gloriosissime",
    "ten",         "ter",         "beatorum",     "apostolorum", "sociorum",    "ejus",     "eius"};
// Of those, the ones after which a name is expected: an unknown word after them is
// an unknown feast, not a skipped word.
constexpr std::array<std::string_view, 25> kSaintly{
    "festum",  "feste",  "sancti", "sancte", "sanctae", "sancta",  "beati",  "beate",
    "sinte",   "sente",  "sunte",  "sent",   "sint",    "st",      "saint",  "sainte",
    "saincte", "sainct", "s",      "sancto", "sanctum", "sanctam", "beatum", "beatam"};

// Endings of a feast's name (folded): the day ("Sint-Maartensdag", "Kerstdach",
// "Sint-Jansmis") and the eve ("Paasavond", "Sint-Jansavond", "Kerssavont").
// The shorter ones are what is left where the fold made a doubled letter single
// ("Willibrorddag", "Magdalenaavond").
constexpr std::array<std::string_view, 10> kDayEndings{"sdag", "dag",   "sdakh", "dakh", "smis",
                                                       "mis",  "smise", "mise",  "ag",   "is"};
constexpr std::array<std::string_view, 9> kEveEndings{"sauond", "auond", "sauont", "auont", "sauent",
                                                      "auent",  "uond",  "uont",   "uent"};

// Words between a counted day and its month: "die mensis", "daghe in", "jours en", "ou mois de".
constexpr std::array<std::string_view, 24> kDayConnectors{
    "die", "dies", "mensis", "mense", "dakh", "dag",  "dage", "dages", "iour", "iours", "iourz", "in",
    "en",  "de",   "d",      "uan",   "ou",   "mois", "moi",  "des",   "den",  "der",   "el",    "dagen"};

std::unordered_set<std::string> foldedSet(std::span<const std::string_view> words) {
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
        std::set<std::string> s;
        for (std::string_view w : kDayConnectors) s.insert(spelling::fold(w));
        return s;
    }();
    return set;
}

// Day and eve endings in the fold's own spelling.
template <std::size_t N>
std::vector<std::string> foldedEndings(const std::array<std::string_view, N>& endings) {
    std::vector<std::string> out;
    for (std::string_view e : endings) {
        const std::string f = spelling::fold(e, false);
        if (std::find(out.begin(), out.end(), f) == out.end()) out.push_back(f);
    }
    return out;
}
const std::vector<std::string>& dayEndings() {
    static const std::vector<std::string> endings = foldedEndings(kDayEndings);
    return endings;
}
const std::vector<std::string>& eveEndings() {
    static const std::vector<std::string> endings = foldedEndings(kEveEndings);
    return endings;
}

const std::set<std::string>& articles() {
    static const std::set<std::string> set{"l",   "le",  "la", "les", "de", "des",
                                           "der", "ter", "du", "s",   "st", "d"};
    return set;
}

bool isHonouring(const Token& t) {
    return honouring().contains(t.folded);
}

// ---------------------------------------------------------------------------
// The lexicon as the reader looks words up: by the folded words of a form run
// together, so that "Sint Maarten", "Sint-Maarten" and "SINTMAARTEN" are one key.

// Tokens by reference: the words of a span a key is made of, not copies of them.
using TokenRefs = std::vector<std::reference_wrapper<const Token>>;

// Keys of a sequence of folded words: declined and as written in the last word.
template <typename Tokens>
std::array<std::string, 2> keysOfTokens(const Tokens& tokens) {
    const Token& last = tokens.back();
    std::size_t size = 0;
    for (const Token& t : tokens) size += t.folded.size();
    std::array<std::string, 2> keys;
    keys[0].reserve(size);
    for (const Token& t : tokens) keys[0] += t.folded;
    const std::size_t stem = size - last.folded.size();
    keys[1].reserve(stem + last.whole.size());
    keys[1].assign(keys[0], 0, stem);
    keys[1] += last.whole;
    return keys;
}

std::array<std::string, 2> keysOf(std::span<const Token> tokens) {
    return keysOfTokens(tokens);
}

template <typename Tokens>
std::string declinedKeyOf(const Tokens& tokens, std::size_t shortest) {
    std::string key;
    for (const Token& t : tokens) {
        if (t.whole == "et") continue;  // "Symonis et Judei": the saints, not the and
        if (t.stem.size() < 3) return {};
        key += t.stem;
    }
    return key.size() >= shortest ? key : std::string{};
}

std::string declinedKey(std::span<const Token> tokens, std::size_t shortest) {
    return declinedKeyOf(tokens, shortest);
}

std::string declinedKey(const TokenRefs& tokens, std::size_t shortest) {
    return declinedKeyOf(tokens, shortest);
}

// Adds a key, or drops it for good where it names something else already.
template <typename Entry, typename Same>
void addDeclined(std::unordered_map<std::string, Entry>& map, std::set<std::string>& shared,
                 const std::string& key, const Entry& entry, Same same) {
    if (key.empty() || shared.contains(key)) return;
    const auto [at, added] = map.try_emplace(key, entry);
    if (!added && !same(at->second, entry)) {
        map.erase(at);
        shared.insert(key);
    }
}

// The tokens of the lexicon's forms, as tokenize(spelling::cleaned(form)) gives them. The forms share most
// of their words ("sinte", "dach", "beati") and the index reads the Latin ones
// twice: each word is split and folded once, each form once. A form with a comma
// or colon, whose breaks span words, is tokenized whole.
class FormTokens {
public:
    const std::vector<Token>& of(std::string_view form) {
        auto found = forms_.find(form);
        if (found != forms_.end()) return found->second;
        const std::string clean = spelling::cleaned(form);
        std::vector<Token> tokens;
        if (clean.find_first_of(",;:") != std::string::npos) {
            tokens = tokenize(clean);
        } else {
            const std::vector<std::string_view> words = wordsOf(clean);
            for (std::size_t w = 0; w < words.size(); ++w) {
                auto cached = words_.find(words[w]);
                if (cached == words_.end())
                    cached = words_.emplace(std::string{words[w]}, tokenize(words[w])).first;
                for (const Token& t : cached->second) {
                    tokens.push_back(t);
                    tokens.back().word = w;
                }
            }
        }
        return forms_.emplace(std::string{form}, std::move(tokens)).first->second;
    }

private:
    struct Hash : std::hash<std::string_view> {
        using is_transparent = void;
    };
    std::unordered_map<std::string, std::vector<Token>, Hash, std::equal_to<>> words_;
    std::unordered_map<std::string, std::vector<Token>, Hash, std::equal_to<>> forms_;
};

std::optional<std::pair<Relation, RelationWord>> relationIn(std::string_view meaning) {
    const std::string m{meaning};
    const auto has = [&](std::string_view w) { return m.find(w) != std::string::npos; };
    if (has("chant") || has("sung")) return std::pair{Relation::On, RelationWord::Chant};
    if (has("next coming") || has("following")) return std::pair{Relation::On, RelationWord::Skip};
    if (has("within the octave") || has("within the feast"))
        return std::pair{Relation::WithinOctave, RelationWord::Rel};
    if (has("day after") || has("next day")) return std::pair{Relation::DayAfter, RelationWord::Rel};
    // The octave first: "huitieves" holds "eve".
    if (has("octave")) return std::pair{Relation::Octave, RelationWord::Rel};
    if (has("eve")) return std::pair{Relation::Eve, RelationWord::Rel};
    if (has("fortnight")) return std::pair{Relation::Quindena, RelationWord::Rel};
    if (has("before")) return std::pair{Relation::Before, RelationWord::Rel};
    if (has("after") || has("next")) return std::pair{Relation::After, RelationWord::Rel};
    if (has("on") || has("at") || has("until")) return std::pair{Relation::On, RelationWord::Rel};
    return std::nullopt;
}

// Which of the year's numbers a check word names.
std::optional<year_computus::Number> checkIn(std::string_view meaning) {
    using year_computus::Number;
    const auto has = [&](std::string_view w) { return meaning.find(w) != std::string_view::npos; };
    if (has("indiction")) return Number::Indictie;
    if (has("epact")) return Number::Epacta;
    if (has("concurrent")) return Number::Concurrent;
    if (has("solar cycle")) return Number::Zonnecirkel;
    if (has("golden number")) return Number::GuldenGetal;
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
            e.score = k == "number" && *n == 20 && w.lang == "fro";
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
    } else if (k == "check") {
        const auto c = checkIn(w.meaning);
        if (!c) return std::nullopt;
        e.kind = Kind::Check;
        e.check = *c;
        e.stated = w.meaning.find("zero") != std::string_view::npos;
    } else if (k == "qualifier") {
        e.kind = Kind::Qualifier;
    } else if (k == "place") {
        e.kind = Kind::Place;
    } else if (k == "approximate") {
        e.kind = Kind::Vague;
    } else if (k == "last-day") {
        e.kind = Kind::LastDay;
    } else if (k == "year-note") {
        e.kind = Kind::YearNote;
        e.value = w.meaning.find("Easter") != std::string_view::npos ? 1 : 2;
    } else if (k == "filler") {
        const std::string_view m = w.meaning;
        e.kind = m.find("regnal") != std::string_view::npos || m.find("pontifical") != std::string_view::npos
                     ? Kind::Regnal
                     : Kind::Filler;
    } else {
        return std::nullopt;
    }
    return e;
}

// Titles of a saint that tell apart feasts sharing a name ("beati Thome apostoli"
// is not Becket, "sancti Stephani pape" not the protomartyr).
constexpr std::array<std::string_view, 12> kTitles{"apostoli",     "apostle",  "evangeliste", "ewangeliste",
                                                   "ewangheliste", "virginis", "confessoris", "martyris",
                                                   "martiris",     "pape",     "abbatis",     "episcopi"};

// A name's letters and digits only, lower case and without diacritics: how the
// own names are compared letter for letter.
std::string lettersOf(std::string_view text) {
    std::string letters;
    for (const char c : spelling::plain(text))
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) letters += c;
    return letters;
}

bool isTitle(const Token& t) {
    static const std::unordered_set<std::string> titles = foldedSet(kTitles);
    return titles.contains(t.folded);
}

// In the saints' index (saintIndex), unlike the main one:
void addSaintFeast(std::unordered_map<std::string, FeastEntry>& map, const std::string& key,
                   FeastEntry entry) {
    if (key.empty()) return;
    const auto [at, added] = map.try_emplace(key, entry);
    if (added) return;
    FeastEntry& there = at->second;
    // A form two saints' days share ("sinte Donaes dach", "la saint Marcel"), or
    // one the spelling fold makes equal to another feast's ("sinte Marthen" and
    // "sinte Maertens"), names both: the reader gives each reading.
    if (there.feasts.empty()) there.feasts = {there.feast};
    if (there.eve == entry.eve && !entry.feast->main &&
        std::find(there.feasts.begin(), there.feasts.end(), entry.feast) == there.feasts.end()) {
        there.feasts.push_back(entry.feast);
        return;
    }
    // A name of the table before a form of the file, a feast of the older table
    // before a newer one ("sinte Mertijns …" is the winter Martin).
    if (!there.fromTable && entry.fromTable) there = entry;
}

// A Dutch name of the table goes before any other form ("Sint-Jan" is the
// Baptist); two other forms of different feasts that fold alike name neither
// ("Luce" is Luke's genitive and Lucy's French name): the key is dropped for good.
void addFeast(std::unordered_map<std::string, FeastEntry>& map, std::set<std::string>& shared,
              const std::string& key, FeastEntry entry) {
    if (key.empty() || shared.contains(key)) return;
    const auto [at, added] = map.try_emplace(key, entry);
    if (added || at->second.fromTable || at->second.feast == entry.feast) return;
    if (entry.fromTable) {
        at->second = entry;
        return;
    }
    map.erase(at);
    shared.insert(key);
}

// Keys of a feast form without its honouring words, and its core: the one word
// that follows leading honouring words ("sinte Pieters dach in den lenten": "pieters").
bool isFiller(const std::unordered_map<std::string, std::vector<WordEntry>>& words, const Token& t) {
    const auto found = words.find(t.folded);
    return found != words.end() && std::any_of(found->second.begin(), found->second.end(),
                                               [](const WordEntry& e) { return e.kind == Kind::Filler; });
}

// The words of a name that tell the feast by their stems: not the words that only
// honour it, but "Virginis" (Mary's feasts, not the Lord's), and none at all where
// only fillers are left ("Natale Domini" without "Natale").
TokenRefs namingTokens(std::span<const Token> tokens,
                       const std::unordered_map<std::string, std::vector<WordEntry>>& words) {
    static const std::string virgin = spelling::fold("virginis");
    TokenRefs kept;
    for (const Token& t : tokens)
        if (!isHonouring(t) || t.folded == virgin) kept.push_back(t);
    if (std::all_of(kept.begin(), kept.end(), [&](const Token& t) { return isFiller(words, t); })) return {};
    return kept;
}

std::vector<std::string> strippedKeys(const std::vector<Token>& tokens,
                                      const std::unordered_map<std::string, std::vector<WordEntry>>& words) {
    std::vector<Token> kept;
    for (const Token& t : tokens)
        if (!isHonouring(t)) kept.push_back(t);
    // Nothing but words that fill a clause anywhere ("Natale Domini": "Domini") is no name.
    if (std::all_of(kept.begin(), kept.end(), [&](const Token& t) { return isFiller(words, t); })) return {};
    const auto keys = keysOf(kept);
    return {keys[0], keys[1]};
}

using FormRow = std::tuple<const Feast*, std::string_view, bool, bool>;  // feast, form, eve, of the table

const std::vector<saint_forms::Form>& saintForms() {
    static const std::vector<saint_forms::Form>& forms =
        *new std::vector<saint_forms::Form>(saint_forms::forms());
    return forms;
}

enum class KeyTable { Full, Stripped, Stems };

// A form's keys, each handed to `add` with its table: all its words, and without
// the honouring words; both also without a day ending or "-en". For a form of a
// file, its core (one name after honouring words) goes to `cores`. `words` holds
// the clause's other words.
template <typename Add>
void addFormKeys(const std::vector<Token>& tokens, const Feast* feast, bool ofFile,
                 const std::unordered_map<std::string, std::vector<WordEntry>>& words, Add add,
                 std::map<std::string, std::set<const Feast*>>& cores) {
    const std::array<std::string, 2> full = keysOf(tokens);
    const std::vector<std::string> stripped = strippedKeys(tokens, words);
    for (const std::string& key : full) add(KeyTable::Full, key);
    for (const std::string& key : stripped) add(KeyTable::Stripped, key);
    std::vector<std::string> all{full[0], full[1]};
    all.insert(all.end(), stripped.begin(), stripped.end());
    for (const std::string& key : all) {
        for (const std::string& ending : dayEndings())
            if (key.size() > ending.size() + 1 && key.ends_with(ending))
                add(KeyTable::Stems, key.substr(0, key.size() - ending.size()));
        if (key.size() > 4 && key.ends_with("en")) add(KeyTable::Stems, key.substr(0, key.size() - 2));
    }
    if (!ofFile || tokens.size() < 2 || !isHonouring(tokens[0])) return;
    std::size_t i = 0;
    while (i < tokens.size() && isHonouring(tokens[i])) ++i;
    // Not a word of the clause's grammar ("la veille de Pasques": "veille").
    if (i < tokens.size() && (i + 1 == tokens.size() || isHonouring(tokens[i + 1])) &&
        !words.contains(tokens[i].folded)) {
        cores[tokens[i].folded].insert(feast);
        cores[tokens[i].whole].insert(feast);
    }
}

// Whether a form of the file names the feast's eve ("dertien avont", "Kerssavont").
bool namesEve(const lexicon::FeastForm& ff) {
    return ff.note.starts_with("eve of") || ff.note.find(" Eve (") != std::string_view::npos;
}

// Indexes the forms in `lex`: their full, stripped and stem keys, their name
// words and titles; gives the cores (one name after honouring words) of the
// forms of the files. `grammar` holds the clause's other words.
// With `namesOnly`, only the name words and titles.
std::map<std::string, std::set<const Feast*>> indexForms(Lexicon& lex, const Lexicon& grammar,
                                                         const std::vector<FormRow>& forms,
                                                         bool namesOnly = false) {
    FormTokens formTokens;
    std::map<std::string, std::set<const Feast*>> cores;
    for (const auto& [feast, form, eve, table] : forms) {
        const std::vector<Token>& tokens = formTokens.of(form);
        if (tokens.empty()) continue;
        std::size_t nameWords = 0;
        for (const Token& t : tokens) {
            if (!std::all_of(t.plain.begin(), t.plain.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
                continue;  // not a word of letters
            if (!isHonouring(t) && t.plain != "et") ++nameWords;
            if (!isHonouring(t) && t.plain.size() >= 4 && !grammar.words.contains(t.folded))
                lex.names[t.folded].insert(feast);
        }
        // A title tells a feast apart only in a form of the saint's name alone:
        // "sancti Thome apostoli", not "translationis sancti Thome apostoli".
        if (nameWords == 1)
            for (const Token& t : tokens)
                if (isTitle(t)) lex.titles[feast].insert(t.folded);
        if (namesOnly) continue;
        FeastEntry entry{feast, eve, table};
        entry.ownName = table && form != feast->latin;
        const auto add = [&lex, &entry](KeyTable t, const std::string& key) {
            addSaintFeast(t == KeyTable::Full       ? lex.feastFull
                          : t == KeyTable::Stripped ? lex.feastStripped
                                                    : lex.feastStems,
                          key, entry);
        };
        addFormKeys(tokens, feast, !table, grammar.words, add, cores);
    }
    return cores;
}

// The main feasts' names of the table first, then the forms of the file. The
// Latin name counts as a form of the file: it has a core like them.
std::vector<FormRow> mainForms() {
    std::vector<FormRow> forms;
    for (const Feast& f : feasts::table())
        if (f.main)
            for (std::string_view form : {f.name, f.latin, f.aliases[0], f.aliases[1]})
                if (!form.empty()) forms.emplace_back(&f, form, false, form != f.latin);
    for (const lexicon::FeastForm& ff : lexicon::feastForms())
        if (const Feast* f = feasts::findById(ff.id); f != nullptr)
            forms.emplace_back(f, ff.form, namesEve(ff), false);
    return forms;
}

std::string weekdayStemOf(const std::string& w);

Lexicon buildLexiconIndex() {
    Lexicon lex;
    FormTokens formTokens;
    std::set<std::string> sharedWords, sharedFeasts, sharedFull, sharedStripped, sharedStems;
    for (const lexicon::Word& w : lexicon::clauseWords()) {
        if (w.form.find("...") != std::string_view::npos || w.form.starts_with('-')) continue;
        const std::vector<Token>& tokens = formTokens.of(w.form);
        if (tokens.empty()) continue;
        const std::optional<WordEntry> e = entryOf(w, tokens.size());
        if (!e) continue;
        for (const std::string& key : keysOf(tokens)) {
            auto& list = lex.words[key];
            if (std::none_of(list.begin(), list.end(), [&](const WordEntry& x) { return x.kind == e->kind; }))
                list.push_back(*e);
        }
        if (tokens.size() == 1 &&
            (e->kind == Kind::Number || e->kind == Kind::Ordinal || e->kind == Kind::Joiner))
            lex.numberPieces.insert(tokens.front().whole);
        // Not the weekdays: their Latin forms are few and fixed, and "martis" (Tuesday)
        // would share its stem with "Martii" (March).
        if (w.lang == "la" && e->kind != Kind::Number && e->kind != Kind::Ordinal &&
            e->kind != Kind::Joiner && e->kind != Kind::Weekday)
            addDeclined(lex.wordDeclined, sharedWords, declinedKey(tokens, kShortestWordKey), *e,
                        [](const WordEntry& a, const WordEntry& b) {
                            return a.kind == b.kind && a.value == b.value && a.relation == b.relation &&
                                   a.mark == b.mark;
                        });
    }

    // Latin names by their stems, without the words that only honour them.
    const auto addLatin = [&](const Feast* feast, std::string_view form, bool eve) {
        const std::vector<Token>& tokens = formTokens.of(form);
        addDeclined(
            lex.feastDeclined, sharedFeasts, declinedKey(namingTokens(tokens, lex.words), kShortestNameKey),
            FeastEntry{feast, eve, false},
            [](const FeastEntry& a, const FeastEntry& b) { return a.feast == b.feast && a.eve == b.eve; });
    };
    for (const Feast& f : feasts::table())
        if (f.main && !f.latin.empty()) addLatin(&f, f.latin, false);
    for (const lexicon::FeastForm& ff : lexicon::feastForms())
        if (const Feast* f = feasts::findById(ff.id); f != nullptr && ff.lang == "la")
            addLatin(f, ff.form, namesEve(ff));

    std::map<std::string, std::set<const Feast*>> cores;
    for (const auto& [feast, form, eve, table] : mainForms()) {
        const std::vector<Token>& tokens = formTokens.of(form);
        if (tokens.empty()) continue;
        const FeastEntry entry{feast, eve, table};
        const auto add = [&](KeyTable t, const std::string& key) {
            if (t == KeyTable::Full) addFeast(lex.feastFull, sharedFull, key, entry);
            if (t == KeyTable::Stripped) addFeast(lex.feastStripped, sharedStripped, key, entry);
            if (t == KeyTable::Stems) addFeast(lex.feastStems, sharedStems, key, entry);
        };
        addFormKeys(tokens, feast, !table, lex.words, add, cores);
    }
    lex.cores = cores;
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
        if (chosen != nullptr && !sharedStripped.contains(core))
            lex.feastStripped.try_emplace(core, FeastEntry{chosen, false, false});
    }
    // The weekdays' stems, for their declined forms (weekdayByStem).
    for (const lexicon::Word& w : lexicon::clauseWords()) {
        if (w.kind != "weekday" || w.form.find(' ') != std::string_view::npos) continue;
        const auto day = lexicon::weekdayIn(w.meaning);
        const std::string stem = weekdayStemOf(spelling::fold(w.form, false));
        if (day && !stem.empty()) lex.weekdayStems.try_emplace(stem, *day);
    }
    // Every feast's own name, letter for letter, with or without a day or eve
    // ending, names that feast alone.
    for (const Feast& f : feasts::table())
        for (std::string_view name : {f.name, f.aliases[0], f.aliases[1]}) {
            if (name.empty()) continue;
            lex.ownNames.try_emplace(lettersOf(name), FeastEntry{&f, false, true, false, {}, true});
        }
    // The first name words of the saints' forms, folded: only a name that starts
    // with one needs the saints' index (saintIndex), built the first time one does.
    // Each form of the file's fields ("beati Hilarii (gezien: ...); nom.
    // Hilarius"), its remarks in brackets left out; the patterns keep its name.
    std::unordered_set<std::string> seen;
    const auto addGate = [&](std::string_view text) {
        int depth = 0;
        bool named = false;  // the form's name word is in
        std::string word;
        const auto endWord = [&] {
            if (!word.empty() && !named && word != "nom" &&
                std::find(kHonouring.begin(), kHonouring.end(), word) == kHonouring.end()) {
                named = true;
                if (seen.insert(word).second) lex.saintGate.insert(spelling::fold(word));
            }
            word.clear();
        };
        for (const char c : text) {
            if (c == '(') ++depth;
            if (c == ')' && depth > 0) --depth;
            if (depth > 0 || c == ')') continue;
            if (c == ';' || c == '/') {
                endWord();
                named = false;  // another form
            } else if ((c >= 'a' && c <= 'z') || (c & 0x80) != 0) {
                word += c;
            } else if (c >= 'A' && c <= 'Z') {
                word += static_cast<char>(c - 'A' + 'a');
            } else {
                endWord();
            }
        }
        endWord();
    };
    for (const Feast& f : feasts::table())
        if (!f.main) addGate(f.name);
    for (const saints::Saint& saint : saints::all())
        for (std::string_view field : {saint.latin, saint.dutch, saint.french}) addGate(field);
    return lex;
}

const Lexicon& lexiconIndex() {
    // Never destroyed: a command that read one clause need not take the index apart
    // at exit. The program carries it as the build wrote it (compiledLexicon), so
    // that a command that reads one clause does not first index the whole lexicon.
    static const Lexicon& index = *new Lexicon([] {
        const std::string_view compiled = compiledLexicon();
        return compiled.empty() ? buildLexiconIndex() : parseLexicon(compiled);
    }());
    return index;
}

std::optional<WordEntry> lexiconWord(std::initializer_list<std::string> keys,
                                     const std::function<bool(const WordEntry&)>& wanted) {
    const Lexicon& lex = lexiconIndex();
    for (const std::string& key : keys)
        if (const auto found = lex.words.find(key); found != lex.words.end())
            for (const WordEntry& e : found->second)
                if (wanted(e)) return e;
    return std::nullopt;
}

// The saints' days of saints.tsv: their names in the table, the file's forms and
// those of the patterns, indexed apart from the main feasts (lexiconIndex) and
// only when a clause names one, so that a command that reads only main feasts
// ("on", "date dinsdag na Sint-Maarten 1450") does not index them.
const Lexicon& saintIndex() {
    static const Lexicon& index = *new Lexicon([] {
        const Lexicon& main = lexiconIndex();
        Lexicon lex;
        std::vector<FormRow> forms;
        for (const Feast& f : feasts::table())
            if (!f.main)
                for (std::string_view form : {f.name, f.latin})
                    if (!form.empty()) forms.emplace_back(&f, form, false, true);
        for (const saint_forms::Form& sf : saintForms()) forms.emplace_back(sf.feast, sf.text, sf.eve, false);
        const auto cores = indexForms(lex, main, forms);
        for (const auto& [core, feastSet] : cores)
            if (feastSet.size() == 1 && !main.cores.contains(core) && !main.feastFull.contains(core) &&
                !main.feastStripped.contains(core))
                lex.feastStripped.try_emplace(core, FeastEntry{*feastSet.begin(), false, false});
        // A saint's form the fold makes equal to a main feast's name with a day or
        // eve ending ("sinte Marthen daghe" and "Sint-Maartendag") names both, the
        // main feast first: it may not hide the main feast.
        for (auto& [key, entry] : lex.feastFull) {
            if (entry.feasts.empty()) entry.feasts = {entry.feast};
            for (const auto& [endings, eve] : {std::pair{&dayEndings(), false}, {&eveEndings(), true}})
                for (const std::string& ending : *endings) {
                    if (key.size() <= ending.size() + 1 || !key.ends_with(ending)) continue;
                    const auto found = main.feastFull.find(key.substr(0, key.size() - ending.size()));
                    if (found == main.feastFull.end() || found->second.eve) continue;
                    const Feast* f = found->second.feast;
                    if (std::find(entry.feasts.begin(), entry.feasts.end(), f) != entry.feasts.end())
                        continue;
                    entry.feasts.insert(entry.feasts.begin(), f);
                    entry.feast = f;
                    entry.eve = eve;
                }
        }
        // A name word several feasts share, a saint's day among them; the main
        // feasts' name words and titles are gathered only now, when a clause needs them.
        Lexicon mainNames;
        indexForms(mainNames, main, mainForms(), true);
        std::map<std::string, std::set<const Feast*>> names = std::move(mainNames.names);
        for (const auto& [name, feastSet] : lex.names) names[name].insert(feastSet.begin(), feastSet.end());
        for (const auto& [name, feastSet] : names)
            if (feastSet.size() > 1 &&
                std::any_of(feastSet.begin(), feastSet.end(), [](const Feast* f) { return !f->main; })) {
                std::vector<const Feast*> list(feastSet.begin(), feastSet.end());
                std::sort(list.begin(), list.end());  // table order
                lex.sharedNames.emplace(name, std::move(list));
            }
        lex.titles.insert(mainNames.titles.begin(), mainNames.titles.end());
        return lex;
    }());
    return index;
}

// A weekday word without its day ending ("saterdaghes": "sater"), or empty.
std::string weekdayStemOf(const std::string& w) {
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
    for (const std::string& e : endings)
        if (w.size() >= e.size() + 3 && w.ends_with(e)) return w.substr(0, w.size() - e.size());
    return {};
}

// A weekday in its declined forms: "des saterdaghes", "sdonderdaechs",
// "tsaterdachs" have the stem of "saterdach".
std::optional<int> weekdayByStem(const Token& t) {
    const std::map<std::string, int>& stems = lexiconIndex().weekdayStems;
    for (const std::string& w : {t.whole, t.folded}) {
        for (const std::string& bare : {w, w.starts_with("ts") ? w.substr(2) : std::string{},
                                        w.starts_with('s') ? w.substr(1) : std::string{}}) {
            if (bare.empty()) continue;
            const std::string stem = weekdayStemOf(bare);
            if (stem.empty()) continue;
            if (const auto found = stems.find(stem); found != stems.end()) return found->second;
        }
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// How many tokens at i can make a key at all. The longest-match loops try every
// span up to kLongestForm tokens; but each key of a span begins with its tokens'
// folded words run together (the last one's `whole` goes on from its `folded`),
// so once these no longer begin any key, no longer span matches either.

// Every beginning of every key of the maps, the empty one too; looked up by
// string_view, without a copy.
// The keys of some maps, sorted: whether a text begins one of them is one binary
// search, and the index built at every start holds no copy of each beginning.
class Beginnings {
public:
    template <typename... Maps>
    explicit Beginnings(const Maps&... maps) {
        (add(maps), ...);
        std::sort(keys_.begin(), keys_.end());
    }
    bool contains(std::string_view beginning) const {
        if (beginning.empty()) return true;
        const auto at = std::lower_bound(keys_.begin(), keys_.end(), beginning);
        return at != keys_.end() && at->starts_with(beginning);
    }

private:
    template <typename Map>
    void add(const Map& map) {
        for (const auto& entry : map)
            keys_.emplace_back(entry.first);  // the maps live as long as the program
    }
    std::vector<std::string_view> keys_;
};

std::size_t longestWordSpan(std::span<const Token> tokens, std::size_t i) {
    const Lexicon& lex = lexiconIndex();
    static const Beginnings written{lex.words};
    static const Beginnings declined{lex.wordDeclined};
    const std::size_t most = i < tokens.size() ? std::min(kLongestForm, tokens.size() - i) : 0;
    // Each way, once no key begins so, none does for a longer span.
    std::string folded;  // keysOf
    std::string stems;   // declinedKey: a stem too short, and no span from here has a key
    bool asWritten = true;
    bool byStems = true;
    std::size_t longest = 0;
    for (std::size_t len = 1; len <= most; ++len) {
        const Token& t = tokens[i + len - 1];
        if (asWritten) {
            folded += t.folded;
            asWritten = written.contains(folded);
        }
        if (byStems && t.whole != "et") {
            byStems = t.stem.size() >= 3;
            stems += t.stem;
            byStems = byStems && declined.contains(stems);
        }
        if (!asWritten && !byStems) break;
        longest = len;
    }
    return longest;
}

bool isNumberWord(const Token& t) {
    return lexiconWord({t.folded, t.whole},
                       [](const WordEntry& e) { return e.kind == Kind::Number || e.kind == Kind::Ordinal; })
        .has_value();
}

// An Old French participle agrees with its noun: "donné", "donnée", "donnés",
// "données" and "donnez" are one word ("lettres données"). Only a filler is read
// so, never a date word: the agreement may not make a day of an unknown word, and
// "Données" is not the Middle Dutch "Donaes" that the fold makes of it.
std::optional<WordEntry> agreedFiller(const Token& t) {
    // The endings -ée, -ées, -és and -ez; a bare -es ("Saintes", "Agnes") is no participle's.
    // The é of -és as one character or as e and a combining acute.
    std::string_view typed = t.typed;
    const bool endsInS = typed.ends_with('s') || typed.ends_with('S');
    if (endsInS) typed.remove_suffix(1);
    const bool acute = endsInS && (typed.ends_with("\u00e9") || typed.ends_with("\u00c9") ||
                                   typed.ends_with("e\u0301") || typed.ends_with("E\u0301"));
    std::string base = t.plain;
    if (base.size() < 5 || !(base.ends_with("ee") || base.ends_with("ees") || base.ends_with("ez") || acute))
        return {};
    if (base.back() != 'e') base.pop_back();
    if (base.ends_with("ee")) base.pop_back();
    return lexiconWord({spelling::fold(base), spelling::fold(base, false)},
                       [](const WordEntry& e) { return e.kind == Kind::Filler; });
}

std::optional<WordEntry> longestWord(std::span<const Token> tokens, std::size_t i, std::size_t& length) {
    if (i >= tokens.size()) return std::nullopt;  // a clause that ends in "bis"
    const Lexicon& lex = lexiconIndex();
    for (std::size_t len = longestWordSpan(tokens, i); len > 0; --len) {
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
        if (!best)
            if (const auto found =
                    lex.wordDeclined.find(declinedKey(tokens.subspan(i, len), kShortestWordKey));
                found != lex.wordDeclined.end())
                best = found->second;
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
    if (std::optional<WordEntry> filler = agreedFiller(tokens[i])) {
        length = 1;
        return filler;
    }
    return std::nullopt;
}

// An index's entry at a key: of its full forms, else of its stripped ones, else
// (with `stems`) of its stems.
const FeastEntry* entryAt(const Lexicon& lex, const std::string& key, bool stems) {
    if (const auto f = lex.feastFull.find(key); f != lex.feastFull.end()) return &f->second;
    if (const auto f = lex.feastStripped.find(key); f != lex.feastStripped.end()) return &f->second;
    if (stems)
        if (const auto f = lex.feastStems.find(key); f != lex.feastStems.end()) return &f->second;
    return nullptr;
}

// The main feasts' entry, with the saints' days the saints' index adds after it.
std::optional<FeastEntry> merged(const FeastEntry* main, const FeastEntry* saints) {
    if (main == nullptr) return saints == nullptr ? std::nullopt : std::optional<FeastEntry>{*saints};
    FeastEntry entry = *main;
    if (saints == nullptr) return entry;
    if (entry.feasts.empty()) entry.feasts = {entry.feast};
    for (const Feast* f : saints->feasts.empty() ? std::vector<const Feast*>{saints->feast} : saints->feasts)
        if (std::find(entry.feasts.begin(), entry.feasts.end(), f) == entry.feasts.end())
            entry.feasts.push_back(f);
    return entry;
}

std::optional<FeastEntry> feastOfKey(const std::string& key, bool saints, bool stems = false) {
    return merged(entryAt(lexiconIndex(), key, stems), saints ? entryAt(saintIndex(), key, stems) : nullptr);
}

// Whether a name may be a saint's day of saints.tsv: its first word (without a
// day or eve ending) starts a saint's form.
bool mayNameSaint(const std::vector<Token>& kept) {
    const std::unordered_set<std::string>& gate = lexiconIndex().saintGate;
    for (const std::string& w : {kept.front().folded, kept.front().whole}) {
        if (gate.contains(w)) return true;
        for (const auto& endings : {&dayEndings(), &eveEndings()})
            for (const std::string& ending : *endings)
                if (w.size() > ending.size() + 1 && w.ends_with(ending) &&
                    gate.contains(w.substr(0, w.size() - ending.size())))
                    return true;
    }
    return false;
}

// A bare saint's name that several feasts share ("beati Johannis", "sancti
// Stephani") names each of them, never one settled silently; the titles written
// with it keep only the feasts that have them ("beati Thome apostoli").
FeastEntry widened(FeastEntry entry, std::span<const Token> span, const std::vector<Token>& kept) {
    if (entry.ownName || kept.size() != 1) return entry;
    const Lexicon& lex = saintIndex();
    const auto shared = lex.sharedNames.find(kept.front().folded);
    if (shared == lex.sharedNames.end()) return entry;
    std::set<std::string> written;
    for (const Token& t : span)
        if (isTitle(t)) written.insert(t.folded);
    std::vector<const Feast*> all =
        entry.feasts.empty() ? std::vector<const Feast*>{entry.feast} : entry.feasts;
    for (const Feast* f : shared->second)
        if (std::find(all.begin(), all.end(), f) == all.end()) all.push_back(f);
    std::vector<const Feast*> titled;
    for (const Feast* f : all) {
        const auto titles = lex.titles.find(f);
        if (written.empty() ||
            (titles != lex.titles.end() &&
             std::includes(titles->second.begin(), titles->second.end(), written.begin(), written.end())))
            titled.push_back(f);
    }
    if (titled.empty()) return entry;
    entry.feast = titled.front();
    entry.feasts = std::move(titled);
    return entry;
}

std::optional<FeastEntry> feastOfSpanAsFound(std::span<const Token> span, const std::vector<Token>& kept,
                                             bool saints);

// The keys tried here and in feastOfSpanAsFound are bounded by longestFeastSpan: a
// new way of matching a name goes there too.
std::optional<FeastEntry> feastOfSpan(std::span<const Token> span) {
    if (isHonouring(span.front()) && span.size() == 1) return std::nullopt;
    std::vector<Token> kept;
    for (const Token& t : span)
        if (!isHonouring(t)) kept.emplace_back(t);
    if (kept.empty()) return std::nullopt;
    std::string letters;
    for (const Token& t : span) letters += lettersOf(t.plain);
    const auto& own = lexiconIndex().ownNames;
    for (const auto& [ending, eve] :
         {std::pair{"", false}, {"dag", false}, {"sdag", false}, {"avond", true}, {"savond", true}}) {
        const std::string_view e{ending};
        if (!letters.ends_with(e)) continue;
        if (const auto found = own.find(letters.substr(0, letters.size() - e.size())); found != own.end()) {
            FeastEntry entry = found->second;
            entry.eve = eve;
            return entry;
        }
    }
    const bool saints = mayNameSaint(kept);
    std::optional<FeastEntry> found = feastOfSpanAsFound(span, kept, saints);
    if (found && saints) return widened(std::move(*found), span, kept);
    return found;
}

std::optional<FeastEntry> feastOfSpanAsFound(std::span<const Token> span, const std::vector<Token>& kept,
                                             bool saints) {
    std::vector<std::string> keys;
    for (const std::string& k : keysOf(span)) keys.push_back(k);
    const Lexicon& lex = lexiconIndex();
    for (const std::string& k : keys)
        if (auto f = feastOfKey(k, saints)) return f;
    // Without its honouring words a name is compared with names so stripped only:
    // "feste Sainte Luce" is no Latin "Lucae".
    for (const std::string& k : keysOf(kept)) {
        keys.push_back(k);
        const auto main = lex.feastStripped.find(k);
        const FeastEntry* saintEntry = nullptr;
        if (saints)
            if (const auto f = saintIndex().feastStripped.find(k); f != saintIndex().feastStripped.end())
                saintEntry = &f->second;
        if (auto f = merged(main == lex.feastStripped.end() ? nullptr : &main->second, saintEntry)) return f;
    }
    const auto stem = [&](const std::string& k) -> std::optional<FeastEntry> {
        if (auto f = feastOfKey(k, saints)) return f;
        return feastOfKey(k, saints, true);
    };
    for (const std::string& k : keys)
        for (const std::string& ending : dayEndings())
            if (k.size() > ending.size() + 1 && k.ends_with(ending))
                if (auto f = stem(k.substr(0, k.size() - ending.size()))) return f;
    if (const auto f = lex.feastDeclined.find(declinedKey(namingTokens(span, lex.words), kShortestNameKey));
        f != lex.feastDeclined.end()) {
        FeastEntry entry = f->second;
        entry.declined = true;
        return entry;
    }
    for (const std::string& k : keys)
        for (const std::string& ending : eveEndings())
            if (k.size() > ending.size() + 1 && k.ends_with(ending))
                if (auto f = stem(k.substr(0, k.size() - ending.size())); f && !f->eve) {
                    f->eve = true;
                    return f;
                }
    return std::nullopt;
}

// The most tokens at i that feastOfSpan may find a name in: their folded words run
// together, all of them or without the honouring ones, begin a key of a name at
// least up to a day or eve ending; or the stems of the words that tell the feast
// begin a key of a declined name; or their letters begin a feast's own name up to
// its ending. Where the first word after the honouring ones may start a saint's
// form, the saints' index is asked too: every span is tried there.
std::size_t longestFeastSpan(std::span<const Token> tokens, std::size_t i) {
    const Lexicon& lex = lexiconIndex();
    static const Beginnings names{lex.feastFull, lex.feastStripped, lex.feastStems};
    static const Beginnings declined{lex.feastDeclined};
    static const Beginnings own{lex.ownNames};
    constexpr std::size_t kLongestOwnEnding = 6;  // "savond", of feastOfSpan's own names
    static const std::size_t longestEnding = [] {
        std::size_t n = 0;
        for (const auto* endings : {&dayEndings(), &eveEndings()})
            for (const std::string& e : *endings) n = std::max(n, e.size());
        return n;
    }();
    static const std::string virgin = spelling::fold("virginis");  // as namingTokens
    const auto mayBegin = [&](std::string_view key) {
        return names.contains(key.substr(0, key.size() - std::min(key.size(), longestEnding)));
    };
    const std::size_t most = i < tokens.size() ? std::min(kLongestForm, tokens.size() - i) : 0;
    // Each way, once no key begins so, none does for a longer span.
    std::string all;   // keysOf the span
    std::string kept;  // keysOf its words without the honouring ones
    std::string stems;
    std::string letters;  // feastOfSpan's own names
    bool byAll = true;
    bool byKept = true;
    bool byStems = true;
    bool byOwn = true;
    bool named = false;  // a word after the honouring ones is in
    std::size_t longest = 0;
    for (std::size_t len = 1; len <= most; ++len) {
        const Token& t = tokens[i + len - 1];
        const bool honouring = isHonouring(t);
        if (!honouring && !named) {
            named = true;
            if (mayNameSaint({t})) return most;
        }
        if (byOwn) {
            letters += lettersOf(t.plain);
            byOwn = own.contains(std::string_view{letters}.substr(
                0, letters.size() - std::min(letters.size(), kLongestOwnEnding)));
        }
        if (byAll) {
            all += t.folded;
            byAll = mayBegin(all);
        }
        if (byKept && !honouring) {
            kept += t.folded;
            byKept = mayBegin(kept);
        }
        if (byStems && (!honouring || t.folded == virgin) && t.whole != "et") {
            byStems = t.stem.size() >= 3;
            stems += t.stem;
            byStems = byStems && declined.contains(stems);
        }
        if (!byAll && !byKept && !byStems && !byOwn) break;
        longest = len;
    }
    return longest;
}

// The longest feast name at token i: its length in tokens, or 0.
std::size_t findLongestFeast(std::span<const Token> tokens, std::size_t i, FeastEntry& found) {
    if (i < tokens.size() && agreedFiller(tokens[i])) return 0;  // "Données" names no saint
    for (std::size_t len = longestFeastSpan(tokens, i); len > 0; --len) {
        const auto span = tokens.subspan(i, len);
        // A name never takes in figures, nor a word after a comma.
        if (std::any_of(span.begin() + 1, span.end(), [](const Token& t) { return t.breakBefore; })) continue;
        if (std::any_of(span.begin(), span.end(), [](const Token& t) {
                return !t.plain.empty() && t.plain.front() >= '0' && t.plain.front() <= '9';
            }))
            continue;
        // An article belongs to what follows it ("saint Andrieu l'an").
        if (len > 1 && articles().contains(span.back().folded)) continue;
        // A number word alone is a number, even where the fold makes a saint of it
        // ("huit" and "sinte Vijts"); in a longer name it may be one ("les Onze Mille Vierges").
        if (isNumberWord(span.back()) && std::all_of(span.begin(), span.end() - 1, [](const Token& t) {
                return articles().contains(t.folded);
            }))
            continue;
        if (const auto f = feastOfSpan(span)) {
            found = *f;
            return len;
        }
    }
    return 0;
}

std::size_t longestFeast(std::span<const Token> tokens, std::size_t i, FeastEntry& found) {
    LookupMemo* memo = LookupMemo::of(tokens);
    if (memo == nullptr || i >= tokens.size()) return findLongestFeast(tokens, i, found);
    std::optional<LookupMemo::FeastAt>& known = memo->feasts[i];
    if (!known) {
        known.emplace();
        known->length = findLongestFeast(tokens, i, known->entry);
    }
    if (known->length > 0) found = known->entry;
    return known->length;
}

std::optional<WordEntry> wordAt(std::span<const Token> tokens, std::size_t i, std::size_t& length) {
    LookupMemo* memo = LookupMemo::of(tokens);
    if (memo == nullptr || i >= tokens.size()) return longestWord(tokens, i, length);
    std::optional<LookupMemo::Word>& known = memo->words[i];
    if (!known) {
        known.emplace();
        known->entry = longestWord(tokens, i, known->length);
    }
    // As longestWord: the length only where a word was found.
    if (known->entry) length = known->length;
    return known->entry;
}

std::size_t editDistance(std::string_view a, std::string_view b, std::size_t most) {
    thread_local std::vector<std::size_t> row;  // one row kept: an unknown word is compared with hundreds
    row.resize(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        std::size_t least = row[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            least = std::min(least, row[j]);
        }
        // A row's least distance never shrinks in the rows below it.
        if (least > most) return most + 1;
    }
    return row[b.size()];
}

namespace {

struct KnownWord {
    std::string folded;
    std::string_view form;
    bool dateWord;  // a weekday, month, relation or number: what an unknown word must not resemble
};

// The single words of the lexicon, folded, with their forms as written.
const std::vector<KnownWord>& knownWords() {
    static const std::vector<KnownWord> words = [] {
        std::vector<KnownWord> out;
        std::set<std::string> seen;
        for (const lexicon::Word& w : lexicon::clauseWords()) {
            if (w.form.find_first_of(" .'-") != std::string_view::npos) continue;
            const std::string folded = spelling::fold(w.form, false);
            if (folded.size() < 3 || !seen.insert(folded).second) continue;
            const bool date = w.kind == "weekday" || w.kind == "month" || w.kind == "relation" ||
                              w.kind == "number" || w.kind == "ordinal" || w.kind == "last-day";
            out.push_back({folded, w.form, date});
        }
        return out;
    }();
    return words;
}

bool romanLetters(const std::string& plain) {
    return plain.size() >= 2 && plain.find_first_not_of("ivxlcdmj") == std::string::npos;
}

std::size_t allowedSlips(std::size_t letters) {
    return letters <= 5 ? 1 : 2;
}

}  // namespace

bool looksLikeDateWord(const Token& t) {
    if (romanLetters(t.plain)) return true;
    const std::string& w = t.whole;
    if (w.size() < 3) return false;
    const std::size_t slips = allowedSlips(w.size());
    return std::any_of(knownWords().begin(), knownWords().end(), [&](const KnownWord& k) {
        if (!k.dateWord) return false;
        const std::size_t length = std::max(k.folded.size(), w.size());
        if (length - std::min(k.folded.size(), w.size()) > slips) return false;
        return editDistance(w, k.folded, slips) <= slips;
    });
}

std::vector<std::string> nearestWords(const Token& t) {
    const std::string& w = t.whole;
    std::vector<std::pair<std::size_t, std::string_view>> near;
    const std::size_t most = allowedSlips(w.size()) + 1;
    for (const KnownWord& k : knownWords())
        // Words that differ more in length differ more in letters too.
        if (std::max(k.folded.size(), w.size()) - std::min(k.folded.size(), w.size()) <= most)
            if (const std::size_t d = editDistance(w, k.folded); d <= most) near.emplace_back(d, k.form);
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> out;
    for (const auto& [distance, form] : near) {
        std::string lower = spelling::plain(form);
        if (std::find(out.begin(), out.end(), lower) == out.end()) out.push_back(std::move(lower));
        if (out.size() == 3) break;
    }
    return out;
}

bool isSaintly(const std::string& folded) {
    return saintly().contains(folded);
}

bool isDayConnector(const std::string& folded) {
    return dayConnectors().contains(folded);
}

}  // namespace clause::detail
