#include "clause.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>
#include <map>
#include <set>
#include <span>
#include <unordered_map>
#include <unordered_set>

#include "calendar.h"
#include "clause_memo.h"
#include "clause_numbers.h"
#include "clause_tokens.h"
#include "clause_words.h"
#include "dating.h"
#include "dutch_names.h"
#include "feasts.h"
#include "input_error.h"
#include "lexicon.h"
#include "saints.h"
#include "spelling.h"
#include "year_computus.h"
#include "year_range.h"

namespace clause {

namespace {

using namespace detail;

using dating::Relation;
using feasts::Feast;

constexpr int kFirstYear = year_range::kFirstYear;
constexpr int kLastYear = year_range::kLastYear;
constexpr int kHighestOrdinal = 30;
// The highest of the year's numbers a scribe could write (an epact of 29); a
// larger number after a check word is taken a word at a time.
constexpr long long kHighestCheck = 30;

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
    Month,      // a month beside a feast: a check of the reading's month ("mense martii")
    Qualifier,  // a word that names a saint's second feast, outside any feast's name
    Place,      // a place: its marker ("apud") and the saint's name after it
    Vague,      // "circa festum": around a day, so no day
    YearNote,   // how the year is counted: "stilo gallicano", "ante Pascha" after the year, "stilo veteri"
    LastDay,    // "derrenier" with no month after it: no day, never passed over
    Regnal,
    Check,
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
    std::vector<const Feast*> feasts;  // every feast the name may be, `feast` first
    bool eve = false;
    int weekday = 0;
    Relation relation = Relation::On;
    RelationWord relationWord = RelationWord::Rel;
    Number number;
    RomanDay roman;
    int day = 0, month = 0, year = 0;
    bool lastDay = false;  // the month's last day, whose length the year read gives
    bool used = false;
    year_computus::Number check = year_computus::Number::Indictie;
    bool stated = false;  // the check word carries its value ("epacta nullae")
};

Item makeItem(ItemKind kind, std::size_t first, std::size_t last) {
    Item item{};
    item.kind = kind;
    item.first = first;
    item.last = last;
    return item;
}

Item romanItem(std::size_t first, std::size_t last, const RomanDay& r) {
    Item item = makeItem(ItemKind::RomanDay, first, last);
    item.roman = r;
    return item;
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

// (COUNT | LAST) [connectors] MONTH: "vicesima quinta die mensis novembris", "16 maart",
// "le derrenier jour de may".
std::optional<Item> countedDayAt(std::span<const Token> tokens, std::size_t i) {
    std::size_t at = 0;
    int day = 0;
    std::size_t lastLength = 0;
    if (const auto last = wordAt(tokens, i, lastLength); last && last->kind == Kind::LastDay) {
        at = i + lastLength;
    } else {
        const std::optional<Number> n = numberAt(tokens, i);
        if (!n || !n->error.empty() || n->value < 1 || n->value > 31) return std::nullopt;
        at = n->end;
        day = static_cast<int>(n->value);
    }
    for (int skipped = 0; at < tokens.size() && skipped < 4; ++skipped) {
        std::size_t len = 0;
        const auto w = wordAt(tokens, at, len);
        if (w && w->kind == Kind::Month) {
            Item item = makeItem(ItemKind::CountedDay, i, at + len);
            item.day = day;
            item.lastDay = day == 0;
            item.month = w->value;
            return item;
        }
        // A filler of several words is one step ("jour ou mois de"), though its
        // first word joins a day to its month alone too.
        if (w && w->kind == Kind::Filler && (len > 1 || !isDayConnector(tokens[at].folded))) {
            at += len;  // "die mensis", "ou mois de", "du mois de"
            continue;
        }
        if (!isDayConnector(tokens[at].folded)) break;
        ++at;
    }
    return std::nullopt;
}

// The articles between a month and its day, and the words for the day after it.
const std::unordered_set<std::string>& monthDayArticles() {
    static constexpr std::array<std::string_view, 2> kArticles{"den", "ten"};
    static const std::unordered_set<std::string> set = foldedSet(kArticles);
    return set;
}
const std::unordered_set<std::string>& dayWords() {
    static constexpr std::array<std::string_view, 3> kDays{"dach", "daghe", "dag"};
    static const std::unordered_set<std::string> set = foldedSet(kDays);
    return set;
}

std::optional<Item> monthThenDayAt(std::span<const Token> tokens, std::size_t i) {
    std::size_t len = 0;
    const auto w = wordAt(tokens, i, len);
    if (!w || w->kind != Kind::Month || i + len >= tokens.size() || tokens[i + len].breakBefore)
        return std::nullopt;
    // "in Ougst den VIIIen dach": an article between the month and its day, where the
    // day is counted as one ("VIIIen") or named so ("den VIII dach"), never a bare
    // number that may be the year.
    const bool article = monthDayArticles().contains(tokens[i + len].folded);
    const std::size_t at = i + len + (article ? 1 : 0);
    if (at >= tokens.size() || tokens[at].breakBefore) return std::nullopt;
    const std::optional<Number> n = numberAt(tokens, at);
    if (!n || !n->error.empty() || n->value < 1 || n->value > 31) return std::nullopt;
    const bool dayWord =
        n->end < tokens.size() && !tokens[n->end].breakBefore && dayWords().contains(tokens[n->end].folded);
    if (article && !n->ordinal && !dayWord) return std::nullopt;
    Item item = makeItem(ItemKind::CountedDay, i, n->end + (article && dayWord ? 1 : 0));
    item.day = static_cast<int>(n->value);
    item.month = w->value;
    return item;
}

std::optional<Item> doubleYearAt(std::span<const Token> tokens, std::size_t i) {
    const std::string& p = tokens[i].plain;
    const std::size_t slash = p.find('/');
    if (slash == std::string::npos || slash < 3 || slash > 4 || p.size() - slash - 1 < 1 ||
        p.size() - slash - 1 > 2 || p.find('/', slash + 1) != std::string::npos)
        return std::nullopt;
    const int first = std::stoi(p.substr(0, slash));
    const std::string second = p.substr(slash + 1);
    // The later year's last figures: "1449/50", "1499/1500" is not written so, "1449/0" is.
    const std::string next = std::to_string(first + 1);
    if (!next.ends_with(second)) return std::nullopt;
    Item item = makeItem(ItemKind::Number, i, i + 1);
    item.number.value = first + 1;
    item.number.end = i + 1;
    item.number.parts = 1;
    item.year = first;  // as written, for the reading
    return item;
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

using ItemAt = std::optional<Item> (*)(std::span<const Token>, std::size_t);

std::optional<Item> firstAt(std::initializer_list<ItemAt> readers, std::span<const Token> tokens,
                            std::size_t i) {
    for (const ItemAt read : readers)
        if (auto item = read(tokens, i)) return item;
    return std::nullopt;
}

std::vector<Item> itemsOf(std::span<const Token> tokens) {
    std::vector<Item> items;
    std::size_t i = 0;
    while (i < tokens.size()) {
        // The number after a check word is its value, never a day: "indictione XIII",
        // "indictione tertia decima", not the 13th of a month or a year.
        if (!items.empty() && items.back().kind == ItemKind::Check && !items.back().stated) {
            std::optional<Number> n = numberAt(tokens, i);
            if (n && (!n->error.empty() || n->value > kHighestCheck))
                if (auto one = numberAt(tokens, i, true)) n = one;
            if (n) {
                Item item = makeItem(ItemKind::Number, i, n->end);
                item.number = *n;
                items.push_back(item);
                i = n->end;
                continue;
            }
        }
        // A Roman date, a counted day, a date with slashes: the first that reads here.
        if (auto d = firstAt({romanDayAt, countedDayAt, plainDateAt}, tokens, i)) {
            i = d->last;
            items.push_back(*d);
            continue;
        }
        // "VI feria": the weekday by its number before the word.
        if (i + 1 < tokens.size() && tokens[i + 1].folded == "feria" && !tokens[i + 1].breakBefore) {
            if (const auto n = numberAt(tokens, i, true);
                n && n->end == i + 1 && n->error.empty() && n->value >= 1 && n->value <= 7) {
                Item item = makeItem(ItemKind::Weekday, i, i + 2);
                item.weekday = static_cast<int>((n->value - 1) % 7);
                items.push_back(item);
                i += 2;
                continue;
            }
        }
        // A month and then its day ("in sporkele xj", "die novembris septimo"); a double
        // year ("1449/50": as the scribe counted it and as we count it; the later).
        if (auto d = firstAt({monthThenDayAt, doubleYearAt}, tokens, i)) {
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
        // "septuagesimo" after "anno" is seventy, not Septuagesima declined; a word
        // that is a weekday, or written as a month, is that, not a saint the fold
        // makes of it ("march", March in Picard, is no "Marc"). A month only by its
        // Latin stem gives way ("Martha" is no "Martii").
        const bool monthAsWritten = word && word->kind == Kind::Month && wordLength == 1 &&
                                    lexiconWord({tokens[i].folded, tokens[i].whole}, [](const WordEntry& e) {
                                        return e.kind == Kind::Month;
                                    }).has_value();
        if (feastLength > 0 && feastLength >= wordLength && feastLength >= numberLength &&
            !(feast.declined && feastLength == numberLength) &&
            !(word && (word->kind == Kind::Weekday || monthAsWritten) && wordLength == feastLength)) {
            Item item = makeItem(ItemKind::Feast, i, i + feastLength);
            item.feast = feast.feast;
            item.feasts = feast.feasts.empty() ? std::vector<const Feast*>{feast.feast} : feast.feasts;
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
                    // "Ascensionis dominice", "post Ascensionem dominicam": right after a
                    // feast's name the adjective is the Lord's, part of the name, not Sunday.
                    if (!items.empty() && items.back().kind == ItemKind::Feast && items.back().last == i &&
                        !tokens[i].breakBefore &&
                        (tokens[i].plain == "dominice" || tokens[i].plain == "dominicae" ||
                         tokens[i].plain == "dominicam"))
                        item.kind = ItemKind::Honouring;
                    break;
                case Kind::Relation:
                    item.kind = ItemKind::Relation;
                    item.relation = word->relation;
                    item.relationWord = word->relationWord;
                    break;
                case Kind::YearIntro:
                    item.kind = ItemKind::YearIntro;
                    break;
                case Kind::Month:
                    item.kind = ItemKind::Month;
                    item.month = word->value;
                    break;
                case Kind::Qualifier:
                    item.kind = ItemKind::Qualifier;
                    break;
                case Kind::Place:
                    item.kind = ItemKind::Place;
                    break;
                case Kind::Vague:
                    item.kind = ItemKind::Vague;
                    break;
                case Kind::YearNote:
                    item.kind = ItemKind::YearNote;
                    item.number.value = word->value;
                    break;
                case Kind::LastDay:
                    item.kind = ItemKind::LastDay;
                    break;
                case Kind::Regnal:
                    item.kind = ItemKind::Regnal;
                    break;
                case Kind::Check:
                    item.kind = ItemKind::Check;
                    item.check = word->check;
                    item.stated = word->stated;
                    item.number.value = word->value;
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
            (items.back().kind == ItemKind::YearIntro || items.back().kind == ItemKind::Regnal)) {
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
// A word's letters counted, for a lower bound of its edit distance to another:
// no alignment of the two matches more letters than they have in common.
using LetterCount = std::vector<std::pair<char, std::size_t>>;
LetterCount letterCount(std::string_view word) {
    LetterCount out;
    for (const char c : word) {
        const auto at = std::find_if(out.begin(), out.end(), [&](const auto& l) { return l.first == c; });
        if (at == out.end())
            out.emplace_back(c, 1);
        else
            ++at->second;
    }
    return out;
}
std::size_t leastDistance(std::string_view a, const std::array<std::size_t, 256>& aLetters,
                          std::string_view b, const LetterCount& bLetters) {
    std::size_t common = 0;
    for (const auto& [c, n] : bLetters) common += std::min(n, aLetters.at(static_cast<unsigned char>(c)));
    return std::max(a.size(), b.size()) - common;
}

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
    // The table's forms folded once: each unknown name is compared with all of them.
    static const std::vector<std::vector<std::pair<std::string, LetterCount>>> foldedForms = [] {
        std::vector<std::vector<std::pair<std::string, LetterCount>>> out;
        for (const Feast& f : feasts::table()) {
            std::vector<std::pair<std::string, LetterCount>> folded;
            for (std::string_view form : formsOf(f)) {
                std::string name = feasts::foldName(form);
                LetterCount letters = letterCount(name);
                folded.emplace_back(std::move(name), std::move(letters));
            }
            out.push_back(std::move(folded));
        }
        return out;
    }();
    std::vector<std::array<std::size_t, 256>> candidateLetters(candidates.size());
    for (std::size_t n = 0; n < candidates.size(); ++n)
        for (const char c : candidates[n]) ++candidateLetters[n].at(static_cast<unsigned char>(c));
    // The three nearest, sharing a word first, then by distance, the table's order
    // among equals. A feast's distance is only worked out as far as it could still
    // take a place among them.
    const auto before = [](const Near& a, const Near& b) {
        return a.shares != b.shares ? a.shares : a.distance < b.distance;
    };
    std::vector<Near> nearest;
    for (std::size_t at = 0; at < feasts::table().size(); ++at) {
        const Feast& f = feasts::table()[at];
        const std::vector<std::string_view> forms = formsOf(f);
        Near best{false, std::string::npos, f.name};
        for (const std::string_view form : forms) best.shares = best.shares || shareAWord(words, form);
        if (nearest.size() == 3 && nearest.back().shares != best.shares) {
            if (nearest.back().shares) continue;  // behind all three, however near
        } else if (nearest.size() == 3) {
            best.distance = nearest.back().distance;  // only nearer than the third counts
        }
        bool found = false;
        for (std::size_t n = 0; n < forms.size(); ++n) {
            for (std::size_t k = 0; k < candidates.size(); ++k) {
                const std::string& c = candidates[k];
                const auto& [folded, letters] = foldedForms[at][n];
                if (leastDistance(c, candidateLetters[k], folded, letters) >= best.distance) continue;
                if (const std::size_t d = editDistance(c, folded, best.distance - 1); d < best.distance) {
                    best.distance = d;
                    best.form = forms[n];
                    found = true;
                }
            }
        }
        if (!found) continue;
        nearest.insert(std::upper_bound(nearest.begin(), nearest.end(), best, before), best);
        if (nearest.size() > 3) nearest.pop_back();
    }
    std::string names;
    for (std::size_t i = 0; i < 3 && i < nearest.size(); ++i)
        names += std::string{i == 0 ? "" : ", "} + std::string{nearest[i].form};
    throw InputError("onbekend feest " + quoted(written) + "; het dichtst bij: " + names,
                     InputError::Cause::UnknownWord);
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
    // Where a feast kept on several days was kept, as a reading writes it in
    // brackets ("Sint-Margriet (Utrecht) 1400"): only that day is meant.
    std::string label;
    Relation relation = Relation::On;
    // The octave or fortnight the relation counts from: "post octabas Trinitatis",
    // "in crastino octavarum Epiphanie".
    std::optional<Relation> inner;
    bool related = false;  // a relation word was read
    int weekday = 0;       // After, Before, WithinOctave
    int count = 1;
    std::vector<int> checks;  // weekdays the day must have
    struct NumberCheck {
        year_computus::Number number;
        int stated;
    };
    std::vector<NumberCheck> numbers;        // the year's numbers as the scribe wrote them
    std::vector<int> months;                 // months the day must lie in ("mense martii")
    std::vector<const Item*> dates;          // dates the day must be ("videlicet xii kl. martii")
    std::optional<std::string> writtenYear;  // a double year as written: "1449/50"
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

bool isPlaceSaint(const std::string& folded) {
    static constexpr std::array<std::string_view, 4> kAblatives{"sancto", "sancta", "beato", "beata"};
    static const auto ablatives = foldedSet(kAblatives);
    return ablatives.contains(folded);
}

bool isArticleOne(const Token& t) {
    static constexpr std::array<std::string_view, 6> kArticles{"een", "ene", "en", "un", "une", "ung"};
    static const auto articles = foldedSet(kArticles);
    return articles.contains(t.folded);
}

// A saint's name after a place's word ("apud Sanctum Quintinum", "in domo episcopi
// Sancti Victoris", "à Saint-Omer") is a place: passed over and reported as skipped,
// up to a comma or a word that is no part of a name.
void setAsidePlaces(std::vector<Item>& items, std::span<const Token> tokens) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        // "abbas de Sancto Quintino": Latin "de" before a saint in the ablative names a place.
        if (tokens[items[i].first].folded == "de" && items[i].first + 1 < tokens.size() &&
            isPlaceSaint(tokens[items[i].first + 1].folded)) {
            if (items[i].kind == ItemKind::Feast) {  // the name read with its "de": all of it the place
                items[i].kind = ItemKind::Place;
                continue;
            }
            items[i].kind = ItemKind::Place;
        }
        if (items[i].kind != ItemKind::Place) continue;
        bool named = false;
        for (std::size_t j = i + 1; j < items.size() && j <= i + 4; ++j) {
            Item& item = items[j];
            if (tokens[item.first].breakBefore) break;
            const bool saintly = item.kind == ItemKind::Honouring && isSaintly(tokens[item.first].folded);
            const bool name = item.kind == ItemKind::Feast || item.kind == ItemKind::Unknown;
            if (!(saintly || name || item.kind == ItemKind::Honouring)) break;
            if (named && saintly) break;
            if (name && !named && j > i + 1 && !isSaintly(tokens[items[j - 1].first].folded)) break;
            item.kind = ItemKind::Place;
            named = named || name;
            if (name) break;
        }
    }
}

// Regnal and pontifical years: never the year; passed over and reported as skipped.
// The year's numbers the scribe wrote (indiction, epact, concurrent, solar cycle,
// golden number): never the year either, but checks of each reading's day.
void setAsideOtherYears(std::vector<Item>& items, Clause& clause) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind == ItemKind::Check) {
            const Item* number = &items[i];
            if (!items[i].stated) {
                // The value follows the word at once (itemsOf read it so); a check word
                // without one is a skipped word.
                if (i + 1 >= items.size() || items[i + 1].kind != ItemKind::Number) continue;
                number = &items[i + 1];
                if (!number->number.error.empty()) throw InputError(number->number.error);
                items[i + 1].used = true;
            }
            items[i].used = true;
            // Far beyond any of the numbers: kept large, refused as not fitting.
            constexpr long long kLargest = 1'000'000;
            const int stated = static_cast<int>(std::min(number->number.value, kLargest));
            for (const Clause::NumberCheck& other : clause.numbers)
                if (other.number == items[i].check && other.stated != stated)
                    throw InputError("twee waarden voor " + std::string{year_computus::nameOf(other.number)} +
                                         " spreken elkaar tegen: " + std::to_string(other.stated) + " en " +
                                         std::to_string(stated),
                                     InputError::Cause::Check);
            clause.numbers.push_back({items[i].check, stated});
            if (items[i].check == year_computus::Number::Indictie && !clause.indiction)
                clause.indiction = stated;
            continue;
        }
        if (items[i].kind != ItemKind::Regnal) continue;
        for (std::size_t j = i + 1; j < items.size() && j <= i + 4; ++j) {
            if (items[j].kind == ItemKind::Number) {
                for (std::size_t k = i + 1; k <= j; ++k) items[k].kind = ItemKind::Filler;
                break;
            }
        }
    }
}

// A feast that always falls on a Sunday: Easter's and Advent's Sundays.
bool isSunday(const Item& anchor) {
    if (anchor.kind != ItemKind::Feast) return false;
    const Feast& f = *anchor.feast;
    return (f.rule == feasts::Rule::Easter || f.rule == feasts::Rule::Advent) && f.offset % 7 == 0;
}

// How the clause counts its year: "stilo gallicano" and "ante Pascha" or "avant
// Pasques" right after the year count it from Easter; "stilo veteri" and "oude
// stijl" write a Julian date where the Gregorian calendar was in force.
void readYearNotes(std::vector<Item>& items, Options& options) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        Item& item = items[i];
        if (item.kind == ItemKind::YearNote) {
            item.used = true;
            if (item.number.value == 1)
                options.style = year_style::Style::Pasen;
            else
                options.region = regions::find("juliaans");
            continue;
        }
        // The year, then "before Easter": the year has not yet turned at Easter.
        if (item.kind == ItemKind::Number && i + 2 < items.size() &&
            items[i + 1].kind == ItemKind::Relation && items[i + 1].relation == Relation::Before &&
            items[i + 2].kind == ItemKind::Feast && items[i + 2].feast->id == "pasen" &&
            items[i + 1].first == item.last && items[i + 2].first == items[i + 1].last) {
            items[i + 1].kind = items[i + 2].kind = ItemKind::YearNote;
            items[i + 1].used = items[i + 2].used = true;
            options.style = year_style::Style::Pasen;
        }
    }
}

// The relation words before the day: [ORDINAL] WEEKDAY [ORDINAL] (post | ante | na | …),
// (vigilia | crastino | octava | …), or a weekday alone (a check).
void readRelation(std::vector<Item>& items, std::size_t anchorAt, std::span<const Token> tokens,
                  Clause& clause) {
    Item* before = previous(items, anchorAt);
    if (before == nullptr) return;
    // "naist comende", "ensuivant": placed by the day of writing, nothing for the
    // reading; passed over, and reported as skipped.
    if (before->kind == ItemKind::Relation && before->relationWord == RelationWord::Skip) {
        before = previous(items, static_cast<std::size_t>(before - items.data()));
        if (before == nullptr) return;
    }
    // "dominica qua cantatur Oculi", "post dominicam Letare": the Sunday the anchor
    // names, so part of it; a relation before it relates to that Sunday.
    if (before->kind == ItemKind::Relation && before->relationWord == RelationWord::Chant) {
        before->used = true;
        before = previous(items, static_cast<std::size_t>(before - items.data()));
        if (before == nullptr) return;
    }
    // "le lundi apres le jour saint Martin", "post diem sancti Martini": "the day of"
    // between a relation and its feast is the feast's own day, part of what is named.
    if (before->kind == ItemKind::Relation && before->relationWord == RelationWord::Rel &&
        before->relation == Relation::On) {
        Item* outer = previous(items, static_cast<std::size_t>(before - items.data()));
        if (outer != nullptr && outer->kind == ItemKind::Relation &&
            outer->relationWord == RelationWord::Rel && outer->relation != Relation::On &&
            outer->last == before->first) {
            before->used = true;
            before = outer;
        }
    }
    if (before->kind == ItemKind::Weekday && before->weekday == 0 && isSunday(items[anchorAt])) {
        before->used = true;
        before = previous(items, static_cast<std::size_t>(before - items.data()));
        if (before == nullptr) return;
    }
    if (before->kind == ItemKind::Weekday) {
        before->used = true;
        // "feria tertia Pentecostes": a weekday of the week a Sunday begins.
        if (before->weekday != 0 && before->last == items[anchorAt].first && isSunday(items[anchorAt]) &&
            !items[anchorAt].eve) {
            clause.relation = Relation::WithinOctave;
            clause.related = true;
            clause.weekday = before->weekday;
            return;
        }
        clause.checks.push_back(before->weekday);
        return;
    }
    if (before->kind != ItemKind::Relation) return;
    before->used = true;
    // The octave or fortnight of the feast, and a relation before it: the day after,
    // or a weekday after or before, counted from there.
    if (before->relation == Relation::Octave || before->relation == Relation::Quindena) {
        Item* outer = previous(items, static_cast<std::size_t>(before - items.data()));
        if (outer != nullptr && outer->kind == ItemKind::Relation &&
            outer->relationWord == RelationWord::Rel && outer->relation != Relation::On) {
            clause.inner = before->relation;
            before = outer;
            before->used = true;
        }
    }
    clause.related = true;
    clause.relation = before->relation;
    // "in die Pinxter daghe": within the feast's days, so a weekday names one of them.
    if (clause.relation == Relation::On && tokens[before->first].folded == "in" &&
        before->last == before->first + 2 && tokens[before->first + 1].folded == "die" &&
        tokens[items[anchorAt].last - 1].folded == "dag")
        clause.relation = Relation::WithinOctave;
    const std::string word = typedOf(tokens, *before);
    Item* weekday = previous(items, static_cast<std::size_t>(before - items.data()));
    // "le mardi prochain apres": the word of the day of writing between them.
    while (weekday != nullptr && weekday->kind == ItemKind::Relation &&
           weekday->relationWord == RelationWord::Skip)
        weekday = previous(items, static_cast<std::size_t>(weekday - items.data()));
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
                                 typedOf(tokens, *years.front()),
                             InputError::Cause::Ambiguous);
        clause.year = clause.anchor->year;
    } else if (years.empty()) {
        // A year written after a check word was taken for the check's value.
        for (std::size_t i = 0; i + 1 < items.size(); ++i)
            if (items[i].kind == ItemKind::Check && !items[i].stated &&
                items[i + 1].kind == ItemKind::Number && items[i + 1].number.value > kHighestCheck)
                throw InputError("het jaartal ontbreekt: " + quoted(typedOf(tokens, items[i + 1])) + " na " +
                                 quoted(typedOf(tokens, items[i])) +
                                 " telt als controle van het jaar, niet als jaartal");
        throw InputError("het jaartal ontbreekt aan het eind: " + quoted(words.back()) + " is geen jaartal");
    } else if (years.size() > 1) {
        throw InputError(
            "twee jaartallen: " + typedOf(tokens, *years[0]) + " en " + typedOf(tokens, *years[1]),
            InputError::Cause::Ambiguous);
    } else {
        if (!years.front()->number.error.empty()) throw InputError(years.front()->number.error);
        const long long y = years.front()->number.value;
        if (y < 0 || y > kLastYear)
            throw InputError("jaartal " + std::string{cut(typedOf(tokens, *years.front()))} +
                                 " ligt buiten " + std::string{year_range::kText},
                             InputError::Cause::OutOfRange);
        clause.year = static_cast<int>(y);
        if (years.front()->year != 0) clause.writtenYear = typedOf(tokens, *years.front());
    }
    if (clause.year < 100) {
        if (!options.century)
            throw InputError("jaartal " + std::to_string(clause.year) +
                             " zonder eeuw: geef de eeuw op (--century 1300 maakt van 39 het jaar 1339)");
        if (*options.century % 100 != 0 || *options.century < kFirstCentury ||
            *options.century > kLastCentury)
            throw InputError("eeuw " + std::to_string(*options.century) + " is geen veelvoud van 100 van " +
                             std::to_string(kFirstCentury) + " tot " + std::to_string(kLastCentury));
        clause.year += *options.century;
    }
    if (clause.year < kFirstYear || clause.year > kLastYear)
        throw InputError(
            "jaartal " + std::to_string(clause.year) + " ligt buiten " + std::string{year_range::kText},
            InputError::Cause::OutOfRange);
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
            throw InputError(
                quoted(written) + ": het jaar " + std::to_string(year) + " was geen schrikkeljaar",
                InputError::Cause::Check);
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
std::string relationText(const Clause& c, std::string name) {
    if (c.inner) return "";  // the modern grammar has no relation of an octave: the plain date
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

// The day of the month a counted day names in a year: the last one as long as the
// month is in that year of the calendar in force ("le derrenier jour de fevrier").
int dayIn(const Item& date, long long year, const regions::Region& region) {
    return date.lastDay ? calendar::monthLength(regions::isLeapYear(region, year), date.month) : date.day;
}

// The day a feast's occurrence gives the clause, with its reading; a feast kept
// on several days, or on a day no source confirms, says which in the reading
// ("Sint-Margriet (Utrecht) 1400").
Found feastCandidate(const Clause& c, const feasts::Occurrence& o, int fy, const regions::Region& region,
                     bool labelled) {
    const Item& a = *c.anchor;
    const Feast& f = *o.feast;
    std::int64_t base = o.day - (a.eve ? 1 : 0);
    if (c.inner) base = dating::relate(base, *c.inner);
    const std::int64_t day = dating::relate(base, c.relation, c.weekday, c.count);
    const bool writtenDate =
        !a.eve && c.relation == Relation::On &&
        (f.rule == feasts::Rule::Fixed || f.rule == feasts::Rule::Mattias || f.rule == feasts::Rule::YearEnd);
    const calendar::Date own = regions::dateOf(region, o.day);
    const bool otherDay = f.rule == feasts::Rule::Fixed && (own.day != f.day || own.month != f.month);
    Found found{day,
                writtenDate ? o.text : regions::dayText(region, day),
                "",
                fy,
                otherDay ? own.month : f.month,
                otherDay                                                             ? own.day
                : f.rule == feasts::Rule::Mattias && regions::isLeapYear(region, fy) ? f.day + 1
                                                                                     : f.day,
                writtenDate};
    const int nieuwjaar = writtenDate ? fy : static_cast<int>(regions::dateOf(region, day).year);
    const std::string label = labelled || o.provisional ? feasts::labelText(o) : std::string{};
    const std::string words = relationText(c, std::string{f.name} + label);
    if (!words.empty()) {
        found.reading = words + ' ' + std::to_string(nieuwjaar);
    } else {
        // A weekday that names the day within the octave stays in front of it.
        const calendar::Date d = regions::dateOf(region, day);
        found.reading =
            (c.relation == Relation::WithinOctave ? weekdayText(c.weekday) + ' ' : std::string{}) +
            plainDate(d.day, d.month, d.year) + label;
    }
    return found;
}

std::vector<Found> candidates(const Clause& c, int fy, const Options& options, const std::string& written) {
    const regions::Region& region = *options.region;
    const Item& a = *c.anchor;
    if (a.kind == ItemKind::Feast) {
        // Each day of each feast the name may be; labelled where there is more than one.
        std::vector<feasts::Occurrence> days;
        for (const Feast* f : a.feasts)
            for (feasts::Occurrence& o : feasts::occurrences(*f, fy, region)) days.push_back(std::move(o));
        const bool labelled = days.size() > 1;
        // A label written with the name keeps the days it names, where it names any.
        if (!c.label.empty() && std::any_of(days.begin(), days.end(),
                                            [&](const feasts::Occurrence& o) { return o.label == c.label; }))
            std::erase_if(days, [&](const feasts::Occurrence& o) { return o.label != c.label; });
        std::vector<Found> found;
        for (const feasts::Occurrence& o : days) found.push_back(feastCandidate(c, o, fy, region, labelled));
        return found;
    }
    int day = dayIn(a, fy, region);
    int month = a.month;
    if (a.kind == ItemKind::RomanDay)
        std::tie(day, month) = romanDate(a.roman, fy, regions::isLeapYear(region, fy), written);
    const std::optional<regions::Reading> r = regions::readDate(region, fy, month, day);
    if (!r) return {};
    // A relation to a date ("feria V. post XVII. kal. aprilis"): the day it names,
    // written as a plain date, for the modern grammar has no relation to a date.
    if (c.related || c.inner) {
        std::int64_t base = r->day;
        if (c.inner) base = dating::relate(base, *c.inner);
        const std::int64_t related = dating::relate(base, c.relation, c.weekday, c.count);
        const calendar::Date d = regions::dateOf(region, related);
        return {Found{related, regions::dayText(region, related), plainDate(d.day, d.month, d.year), fy,
                      d.month, d.day, false}};
    }
    return {Found{r->day, regions::fixedDateText(region, fy, month, day), plainDate(day, month, fy), fy,
                  month, day, true}};
}

std::string anchorWritten(const Clause& c, std::span<const Token> tokens) {
    const Item& a = *c.anchor;
    if (a.kind == ItemKind::RomanDay) return romanWritten(a.roman, c.year);
    if (a.kind == ItemKind::Feast)
        return (relationText(c, std::string{a.feast->name}).empty()
                    ? typedOf(tokens, a)
                    : relationText(c, std::string{a.feast->name})) +
               ' ' + std::to_string(c.year);
    if (a.lastDay) return "laatste dag van " + monthText(a.month) + ' ' + std::to_string(c.year);
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
        for (Found& f : candidates(c, fy, options, written)) {
            anyCandidate = true;
            elsewhere.push_back(f.text);
            const int inYear =
                f.written ? dating::styleYearOfDate(f.dateYear, f.dateMonth, f.dateDay, options.style, region)
                          : dating::styleYear(f.day, options.style, region);
            if (inYear != c.year) continue;
            const long long shownYear = f.written ? f.dateYear : regions::dateOf(region, f.day).year;
            if (shownYear < kFirstYear || shownYear > kLastYear) continue;
            if (std::none_of(found.begin(), found.end(),
                             [&](const Found& x) { return x.day == f.day && x.reading == f.reading; }))
                found.push_back(std::move(f));
        }
    }
    if (found.empty()) {
        const Item& a = *c.anchor;
        if (a.kind == ItemKind::Feast) {
            const Feast& f = *a.feast;
            if (!feasts::occurrence(f, c.year, region)) {
                if (c.year < f.firstYear)
                    throw InputError(std::string{f.name} + " werd in " + std::to_string(c.year) +
                                         " nog niet gevierd (pas vanaf " + std::to_string(f.firstYear) + ")",
                                     InputError::Cause::OutOfRange);
                throw InputError(std::string{f.name} + " van " + std::to_string(c.year) + " valt in " +
                                     std::string{region.menuName} +
                                     " na de kalenderwijziging buiten het jaar en ontbreekt",
                                 InputError::Cause::OutOfRange);
            }
        } else if (!anyCandidate) {
            throw InputError(quoted(written) + " bestaat niet in " + std::string{region.menuName},
                             InputError::Cause::OutOfRange);
        }
        std::string days;
        for (const std::string& d : elsewhere) days += (days.empty() ? "" : ", ") + d;
        throw InputError(written.substr(0, written.rfind(' ')) + " valt niet in " + std::to_string(c.year) +
                             " (wel op " + days + ")",
                         InputError::Cause::OutOfRange);
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
            // As written, or as read where a year style put the day in another year.
            if (found.size() == 1)
                throw InputError(
                    (regions::dateOf(region, found.front().day).year == c.year ? written
                                                                               : found.front().reading) +
                        " is een " + weekdayText(actual) + ", geen " + weekdayText(named),
                    InputError::Cause::Check);
            // In a year style a clause may name two days: the reader sees both weekdays.
            std::string days;
            for (std::size_t i = 0; i < found.size(); ++i)
                days += (i == 0                  ? ""
                         : i + 1 == found.size() ? " en "
                                                 : ", ") +
                        found[i].reading + (i == 0 ? " is een " : " een ") +
                        weekdayText(calendar::weekdayOfDays(found[i].day));
            throw InputError(days + ", geen " + weekdayText(named), InputError::Cause::Check);
        }
        found = std::move(kept);
    }
    // The year's numbers the clause checks, each against the year of the reading's
    // own day (the indiction from September may be either). When none is left, every
    // reading says which number does not fit it and what its year has.
    if (!c.numbers.empty()) {
        std::vector<Found> kept;
        std::vector<std::string> misfits;
        for (Found& f : found) {
            std::optional<std::string> misfit;
            for (const Clause::NumberCheck& n : c.numbers)
                if ((misfit = year_computus::misfit(f.day, region, n.number, n.stated))) break;
            if (!misfit)
                kept.push_back(std::move(f));
            else if (std::find(misfits.begin(), misfits.end(), *misfit) == misfits.end())
                misfits.push_back(std::move(*misfit));
        }
        if (kept.empty()) {
            std::string message;
            for (const std::string& m : misfits) message += (message.empty() ? "" : "; ") + m;
            throw InputError(message, InputError::Cause::Check);
        }
        found = std::move(kept);
    }
    // The months the clause names beside its day.
    for (const int month : c.months) {
        std::vector<Found> kept;
        for (Found& f : found)
            if (regions::dateOf(region, f.day).month == month) kept.push_back(std::move(f));
        if (kept.empty())
            throw InputError(written + " valt in " +
                                 monthText(regions::dateOf(region, found.front().day).month) + ", niet in " +
                                 monthText(month),
                             InputError::Cause::Check);
        found = std::move(kept);
    }
    // The dates the clause names beside its feast.
    for (const Item* date : c.dates) {
        std::vector<Found> kept;
        for (Found& f : found) {
            const calendar::Date d = regions::dateOf(region, f.day);
            int day = dayIn(*date, d.year, region);
            int month = date->month;
            if (date->kind == ItemKind::RomanDay)
                std::tie(day, month) = romanDate(date->roman, static_cast<int>(d.year),
                                                 regions::isLeapYear(region, d.year), written);
            if (d.day == day && d.month == month) kept.push_back(std::move(f));
        }
        if (kept.empty())
            throw InputError(
                written + " is " + found.front().text + ", niet " + quoted(typedOf(tokens, *date)),
                InputError::Cause::Check);
        found = std::move(kept);
    }
    std::vector<Reading> readings;
    for (Found& f : found) {
        std::string reading = std::move(f.reading);
        if (!c.checks.empty() && c.anchor->kind != ItemKind::Feast)
            reading.insert(0, weekdayText(c.checks.front()) + ' ');
        if (c.writtenYear) reading += " (geschreven " + *c.writtenYear + ")";
        readings.push_back({f.day, std::move(f.text), regions::isoDate(f.day), std::move(reading),
                            regions::dateInForce(region, f.day), regions::calendarOf(region, f.day)});
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
               !isSaintly(tokens[items[start].first].folded))
            ++start;
        const std::size_t from = items[start].first;
        const std::size_t to = items[end - 1].last;
        // As typed, whole words where the name is whole words.
        std::string name;
        for (std::size_t w = tokens[from].word; w <= tokens[to - 1].word; ++w) {
            if (!name.empty()) name += ' ';
            name += words[w];
        }
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

// A date word of the clause that no part of the reading used: a weekday, a
// relation that moves the day, a number, a month, a second day. (A check word
// without its value checks nothing and is passed over.)
bool isUnplaced(const Item& item, const Clause& clause) {
    if (item.used || &item == clause.anchor) return false;
    switch (item.kind) {
        case ItemKind::Weekday:
        case ItemKind::Number:
        case ItemKind::Month:
        case ItemKind::Qualifier:
        case ItemKind::Feast:
        case ItemKind::RomanDay:
        case ItemKind::CountedDay:
        case ItemKind::PlainDate:
        case ItemKind::LastDay:
            return true;
        case ItemKind::Relation:
            return item.relationWord == RelationWord::Chant ||
                   (item.relationWord == RelationWord::Rel && item.relation != Relation::On);
        default:
            return false;
    }
}

// The known words nearest an unknown one, and where the help text lists what the
// reader reads.
std::string nearText(const Token& t) {
    const std::vector<std::string> near = nearestWords(t);
    std::string text;
    if (!near.empty()) {
        text = " (lijkt op: ";
        for (std::size_t i = 0; i < near.size(); ++i) text += (i == 0 ? "" : ", ") + near[i];
        text += ")";
    }
    return text + "; zie \"Wat de lezer leest\" in de hulp";
}

// Whether a month follows at token `at`, after at most three words that join a
// day to its month ("jour de", "die mensis", "dach in").
bool beforeMonth(std::span<const Token> tokens, std::size_t at) {
    for (std::size_t skipped = 0; at < tokens.size() && skipped <= 3; ++skipped) {
        if (tokens[at].breakBefore) return false;
        std::size_t len = 0;
        const auto w = wordAt(tokens, at, len);
        if (w && w->kind == Kind::Month) return true;
        if (!isDayConnector(tokens[at].folded) && tokens[at].folded != "iour" &&
            !(w && w->kind == Kind::Filler))
            return false;
        at += w && w->kind == Kind::Filler ? len : 1;
    }
    return false;
}

// The reader answers only what it understood. The stretch of the date runs from
// the first to the last word the reading used; every word in it must be used or
// a known filler, and no date word may be left unplaced anywhere. Words outside
// the stretch (a place, "Datum", witnesses) are passed over and shown, unless they
// look like a number, weekday, month or relation the reader does not know.
void requireUnderstood(const std::vector<Item>& items, std::span<const Token> tokens, const Clause& clause) {
    std::size_t first = tokens.size();
    std::size_t last = 0;
    for (const Item& item : items)
        if (item.used || &item == clause.anchor) {
            first = std::min(first, item.first);
            last = std::max(last, item.last);
        }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        if (item.kind == ItemKind::Unknown) {
            const Token& t = tokens[item.first];
            if (item.first >= first && item.last <= last)
                throw InputError(quoted(t.typed) + " niet begrepen, midden in de datering" + nearText(t),
                                 InputError::Cause::UnknownWord);
            // A word the reader does not know within a number ("mil trois cent
            // quatrevingt"), or as the day before a month ("le vingtième jour de may").
            // Figures stand alone: a place after "1450" is no part of the number.
            const auto wordNumber = [&](const Item& n) {
                return n.kind == ItemKind::Number &&
                       std::isdigit(static_cast<unsigned char>(tokens[n.first].plain.front())) == 0;
            };
            const bool inNumber =
                (i > 0 && wordNumber(items[i - 1]) && !t.breakBefore) ||
                (i + 1 < items.size() && wordNumber(items[i + 1]) && !tokens[items[i + 1].first].breakBefore);
            if (inNumber || beforeMonth(tokens, item.last))
                throw InputError(
                    quoted(t.typed) + " niet begrepen, in een getal of dag van de datering" + nearText(t),
                    InputError::Cause::UnknownWord);
            // A word joined to the feast's name by "de", "of" or a saint's title may
            // change the day it names ("la quinzaine de Pasques"): not passed over.
            std::size_t next = i + 1;
            while (next < items.size() && items[next].kind == ItemKind::Honouring &&
                   !tokens[items[next].first].breakBefore)
                ++next;
            if (next > i + 1 && next < items.size() && &items[next] == clause.anchor &&
                clause.anchor->kind == ItemKind::Feast && !tokens[items[next].first].breakBefore)
                throw InputError(
                    quoted(t.typed) + " niet begrepen, vlak voor de naam van het feest" + nearText(t),
                    InputError::Cause::UnknownWord);
            if (looksLikeDateWord(t))
                throw InputError(quoted(t.typed) +
                                     " niet begrepen: het lijkt op een getal, weekdag, maand of relatie" +
                                     nearText(t),
                                 InputError::Cause::UnknownWord);
            continue;
        }
        if (item.kind == ItemKind::Vague)
            throw InputError(quoted(typedOf(tokens, item)) + " noemt geen dag, maar een tijd eromheen",
                             InputError::Cause::Form);
        // Never the saint's main feast in place of the one the word names.
        if (item.kind == ItemKind::Qualifier)
            throw InputError(
                quoted(typedOf(tokens, item)) +
                    " noemt een tweede feest van de heilige (translatie, zomer, vinding …) dat de lezer "
                    "niet kent",
                InputError::Cause::UnknownWord);
        if (isUnplaced(item, clause))
            throw InputError(quoted(typedOf(tokens, item)) + " past nergens in de datering",
                             InputError::Cause::Form);
    }
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

// A label in brackets as a reading writes it ("(Utrecht)", "(dag onzeker)",
// "(Tridentijns missaal, dag onzeker)"), taken out of the clause: the place, or
// empty for "dag onzeker" alone. Other brackets stay ("Sint-Juliaan (van Le Mans)").
std::string takeLabels(std::string& text) {
    static const std::set<std::string_view> places = [] {
        std::set<std::string_view> out;
        for (const saints::Day& d : saints::days()) out.insert(d.where);
        return out;
    }();
    std::string label;
    std::size_t from = 0;
    while ((from = text.find('(', from)) != std::string::npos) {
        const std::size_t to = text.find(')', from);
        if (to == std::string::npos) break;
        std::string inner = text.substr(from + 1, to - from - 1);
        if (inner.ends_with("dag onzeker")) {
            inner.erase(inner.size() - 11);
            while (!inner.empty() && (inner.back() == ' ' || inner.back() == ',')) inner.pop_back();
        } else if (!places.contains(inner)) {
            from = to;
            continue;
        }
        if (!inner.empty() && !places.contains(inner)) {
            from = to;
            continue;
        }
        if (!inner.empty()) label = inner;
        // The brackets and what is in them become one blank (an erase, not a
        // replace: g++ 12 at -O3 warns falsely of overlapping copies in replace).
        text[from] = ' ';
        text.erase(from + 1, to - from);
    }
    return label;
}

Answer read(std::string_view text, const Options& options) {
    std::string cleaned = spelling::cleaned(text);
    const std::string label = takeLabels(cleaned);
    const std::vector<Token> tokens = tokenize(cleaned);
    LookupMemo memo{tokens};  // the lookups of these tokens, while they are read
    const std::vector<std::string_view> words = wordsOf(cleaned);
    if (tokens.empty())
        throw InputError(
            "lege uitdrukking; verwacht [relatie] feest jaar, zoals \"dinsdag na Sint-Maarten 1450\"");
    // "1.450", "1,450": a number a typist or an edition wrote with a point is no
    // year of this reader; never read as 1 and 450.
    for (const std::string_view word : words) {
        const std::size_t mark = word.find_first_of(".,");
        if (mark != std::string_view::npos && mark > 0 && mark + 1 < word.size() &&
            std::isdigit(static_cast<unsigned char>(word[mark - 1])) != 0 &&
            std::isdigit(static_cast<unsigned char>(word[mark + 1])) != 0)
            throw InputError(
                quoted(word) + ": cijfers met een punt of komma ertussen zijn geen getal van een datering",
                InputError::Cause::Form);
    }
    std::vector<Item> items = itemsOf(tokens);
    setAsidePlaces(items, tokens);
    // "op een woensdach", "un mardi": the article, not the number one.
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        if (items[i].kind == ItemKind::Number && items[i].number.value == 1 &&
            items[i].last == items[i].first + 1 && items[i + 1].kind == ItemKind::Weekday &&
            isArticleOne(tokens[items[i].first]))
            items[i].kind = ItemKind::Filler;
    Options effective = options;

    Clause clause;
    clause.label = label;
    setAsideOtherYears(items, clause);

    // An unknown name after a saint's title is an unknown feast.
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        if (items[i].kind == ItemKind::Honouring && isSaintly(tokens[items[i].first].folded) &&
            items[i + 1].kind == ItemKind::Unknown)
            noDay(items, tokens, words);

    readYearNotes(items, effective);
    std::vector<std::size_t> anchors;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].kind == ItemKind::Feast || items[i].kind == ItemKind::RomanDay ||
            items[i].kind == ItemKind::CountedDay || items[i].kind == ItemKind::PlainDate)
            anchors.push_back(i);
    if (anchors.empty()) noDay(items, tokens, words);
    // A feast and a date beside it ("die mercurii cinerum, videlicet xii kl. martii",
    // "le samedi avant la Tiphaine, trois jourz en janvier"): the date checks the day.
    if (anchors.size() == 2) {
        const bool firstFeast = items[anchors[0]].kind == ItemKind::Feast;
        const bool secondFeast = items[anchors[1]].kind == ItemKind::Feast;
        const auto isDate = [&](std::size_t at) {
            return items[at].kind == ItemKind::RomanDay || items[at].kind == ItemKind::CountedDay;
        };
        if (firstFeast != secondFeast && isDate(firstFeast ? anchors[1] : anchors[0])) {
            Item& date = items[firstFeast ? anchors[1] : anchors[0]];
            date.used = true;
            clause.dates.push_back(&date);
            anchors.erase(firstFeast ? anchors.begin() + 1 : anchors.begin());
        }
    }
    if (anchors.size() > 1)
        throw InputError(
            "twee dagen die geen relatie verbindt: " + quoted(typedOf(tokens, items[anchors[0]])) + " en " +
                quoted(typedOf(tokens, items[anchors[1]])),
            InputError::Cause::Ambiguous);
    clause.anchor = &items[anchors.front()];
    readRelation(items, anchors.front(), tokens, clause);
    // A weekday elsewhere in the clause checks the day too.
    for (Item& item : items)
        if (item.kind == ItemKind::Weekday && !item.used) {
            item.used = true;
            clause.checks.push_back(item.weekday);
        }
    readYear(items, tokens, words, effective, clause);
    // A month elsewhere in the clause checks the day's month.
    for (Item& item : items)
        if (item.kind == ItemKind::Month && !item.used) {
            item.used = true;
            clause.months.push_back(item.month);
        }
    requireUnderstood(items, tokens, clause);

    Answer answer;
    answer.readings = readingsOf(clause, effective, tokens);
    answer.skipped = skippedWords(items, tokens, words);
    answer.indiction = clause.indiction;
    return answer;
}

}  // namespace clause
