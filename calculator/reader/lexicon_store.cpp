#include "lexicon_store.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

#include "feasts.h"

namespace clause::detail {

namespace {

// A feast by its row in the table, which the program and the build share.
std::size_t rowOf(const Feast* f) {
    return static_cast<std::size_t>(f - feasts::table().data());
}

// "12,40,41": the feasts' rows.
void appendRows(std::string& out, const std::vector<const Feast*>& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) out += ',';
        out += std::to_string(rowOf(list[i]));
    }
}

std::string wordFields(const WordEntry& e) {
    std::string out;
    for (const int v :
         {static_cast<int>(e.kind), static_cast<int>(e.length), e.value, int{e.multiplier}, int{e.score},
          static_cast<int>(e.relation), static_cast<int>(e.relationWord), static_cast<int>(e.mark),
          int{e.abbreviated}, static_cast<int>(e.check), int{e.stated}}) {
        out += '\t';
        out += std::to_string(v);
    }
    return out;
}

std::string feastFields(const FeastEntry& e) {
    std::string out = "\t";
    out += std::to_string(rowOf(e.feast));
    for (const bool b : {e.eve, e.fromTable, e.declined, e.ownName}) out += b ? "\t1" : "\t0";
    out += '\t';
    appendRows(out, e.feasts);
    return out;
}

std::string feastSet(const std::set<const Feast*>& feastSet) {
    std::vector<const Feast*> list(feastSet.begin(), feastSet.end());
    std::sort(list.begin(), list.end());  // table order
    std::string out = "\t";
    appendRows(out, list);
    return out;
}

// A whole field or list item as a number.
int numberIn(std::string_view t) {
    int v = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (error != std::errc{} || end != t.data() + t.size())
        throw std::invalid_argument("lexicon: not a number");
    return v;
}

// The tab-separated fields of a line.
class Fields {
public:
    explicit Fields(std::string_view line) : rest_(line) {}
    std::string_view text() {
        if (done_) throw std::invalid_argument("lexicon: a line ends early");
        const std::size_t tab = rest_.find('\t');
        const std::string_view field = rest_.substr(0, tab);
        if (tab == std::string_view::npos) {
            done_ = true;
        } else {
            rest_.remove_prefix(tab + 1);
        }
        return field;
    }
    int number() { return numberIn(text()); }
    bool flag() { return number() != 0; }
    const Feast* feast() { return feastAt(number()); }
    std::vector<const Feast*> feasts() {
        std::vector<const Feast*> out;
        std::string_view list = text();
        while (!list.empty()) {
            const std::size_t comma = std::min(list.find(','), list.size());
            out.push_back(feastAt(numberIn(list.substr(0, comma))));
            list.remove_prefix(std::min(comma + 1, list.size()));
        }
        return out;
    }

private:
    static const Feast* feastAt(int row) {
        const auto& table = feasts::table();
        if (row < 0 || static_cast<std::size_t>(row) >= table.size())
            throw std::invalid_argument("lexicon: no such feast");
        return &table[static_cast<std::size_t>(row)];
    }
    std::string_view rest_;
    bool done_ = false;
};

WordEntry wordOf(Fields& f) {
    WordEntry e{static_cast<Kind>(f.number()), static_cast<std::size_t>(f.number())};
    e.value = f.number();
    e.multiplier = f.flag();
    e.score = f.flag();
    e.relation = static_cast<Relation>(f.number());
    e.relationWord = static_cast<RelationWord>(f.number());
    e.mark = static_cast<Mark>(f.number());
    e.abbreviated = f.flag();
    e.check = static_cast<year_computus::Number>(f.number());
    e.stated = f.flag();
    return e;
}

FeastEntry feastOf(Fields& f) {
    FeastEntry e{f.feast(), false, false};
    e.eve = f.flag();
    e.fromTable = f.flag();
    e.declined = f.flag();
    e.ownName = f.flag();
    e.feasts = f.feasts();
    return e;
}

// The tables of feast entries and the letters that mark their lines.
template <typename L>
auto feastTables(L& lex) {
    return std::to_array<std::pair<char, decltype(&lex.feastFull)>>({{'f', &lex.feastFull},
                                                                     {'s', &lex.feastStripped},
                                                                     {'m', &lex.feastStems},
                                                                     {'d', &lex.feastDeclined},
                                                                     {'o', &lex.ownNames}});
}

}  // namespace

std::string serializeLexicon(const Lexicon& lex) {
    std::string out;
    const auto line = [&out](char table, std::string_view key, const std::string& fields) {
        out += table;
        out += '\t';
        out += key;
        out += fields;
        out += '\n';
    };
    const auto sortedKeys = [](const auto& container) {
        std::vector<std::string_view> keys;
        for (const auto& item : container) {
            if constexpr (requires { item.first; }) {
                keys.emplace_back(item.first);
            } else {
                keys.emplace_back(item);
            }
        }
        std::sort(keys.begin(), keys.end());
        return keys;
    };
    for (const std::string_view key : sortedKeys(lex.words))
        for (const WordEntry& e : lex.words.find(std::string{key})->second) line('w', key, wordFields(e));
    for (const auto& [table, map] : feastTables(lex))
        for (const std::string_view key : sortedKeys(*map))
            line(table, key, feastFields(map->find(std::string{key})->second));
    for (const std::string_view key : sortedKeys(lex.numberPieces)) line('p', key, "");
    for (const std::string_view key : sortedKeys(lex.wordDeclined))
        line('x', key, wordFields(lex.wordDeclined.find(std::string{key})->second));
    for (const auto& [table, map] : {std::pair{'c', &lex.cores}, {'n', &lex.names}})
        for (const auto& [key, feastsOf] : *map) line(table, key, feastSet(feastsOf));
    for (const std::string_view key : sortedKeys(lex.sharedNames)) {
        std::string rows = "\t";
        appendRows(rows, lex.sharedNames.find(std::string{key})->second);
        line('h', key, rows);
    }
    std::map<std::size_t, const std::set<std::string>*> titles;
    for (const auto& [feast, set] : lex.titles) titles.emplace(rowOf(feast), &set);
    for (const auto& [row, set] : titles)
        for (const std::string& title : *set) line('t', std::to_string(row), "\t" + title);
    for (const std::string_view key : sortedKeys(lex.saintGate)) line('g', key, "");
    for (const auto& [stem, day] : lex.weekdayStems) {
        std::string fields = "\t";
        fields += std::to_string(day);
        line('y', stem, fields);
    }
    return out;
}

Lexicon parseLexicon(std::string_view text) {
    Lexicon lex;
    const auto tables = feastTables(lex);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        Fields f{text.substr(0, end)};
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::string_view table = f.text();
        std::string key{f.text()};
        if (table.size() != 1) throw std::invalid_argument("lexicon: no such table");
        if (const auto feast = std::find_if(tables.begin(), tables.end(),
                                            [&](const auto& t) { return t.first == table.front(); });
            feast != tables.end()) {
            feast->second->emplace(std::move(key), feastOf(f));
            continue;
        }
        switch (table.front()) {
            case 'w':
                lex.words[std::move(key)].push_back(wordOf(f));
                break;
            case 'p':
                lex.numberPieces.insert(std::move(key));
                break;
            case 'x':
                lex.wordDeclined.emplace(std::move(key), wordOf(f));
                break;
            case 'c': {
                const std::vector<const Feast*> list = f.feasts();
                lex.cores[std::move(key)].insert(list.begin(), list.end());
                break;
            }
            case 'n': {
                const std::vector<const Feast*> list = f.feasts();
                lex.names[std::move(key)].insert(list.begin(), list.end());
                break;
            }
            case 'h':
                lex.sharedNames.emplace(std::move(key), f.feasts());
                break;
            case 't': {
                Fields row{key};
                lex.titles[row.feast()].insert(std::string{f.text()});
                break;
            }
            case 'g':
                lex.saintGate.insert(std::move(key));
                break;
            case 'y':
                lex.weekdayStems.emplace(std::move(key), f.number());
                break;
            default:
                throw std::invalid_argument("lexicon: no such table");
        }
    }
    return lex;
}

}  // namespace clause::detail
