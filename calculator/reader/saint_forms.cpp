#include "saint_forms.h"

#include <algorithm>
#include <string_view>

#include "lexicon.h"
#include "saints.h"

namespace saint_forms {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A form without the file's remarks in brackets ("(gezien: cartularia C0021 ...)",
// "(usual form, not seen)").
std::string withoutRemarks(std::string_view text) {
    std::string out;
    int depth = 0;
    for (const char c : text) {
        if (c == '(') ++depth;
        if (depth == 0) out += c;
        if (c == ')' && depth > 0) --depth;
    }
    std::string clean{trimmed(out)};
    // Blanks left doubled where a remark was.
    clean.erase(std::unique(clean.begin(), clean.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
                clean.end());
    return clean;
}

std::vector<std::string_view> split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t at = text.find(separator);
        parts.push_back(trimmed(text.substr(0, at)));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + separator.size());
    }
}

// The Latin forms: each of the file's forms separated by ";" or " / ", the
// nominative after "nom.".
void addLatin(const feasts::Feast* feast, std::string_view latin, std::vector<Form>& out) {
    for (std::string_view part : split(latin, ";")) {
        std::string clean = withoutRemarks(part);
        if (clean.starts_with("nom. ")) clean.erase(0, 5);
        for (std::string_view form : split(clean, " / "))
            if (!form.empty()) out.push_back({feast, std::string{form}, false});
    }
}

std::string filled(std::string_view pattern, std::string_view title, std::string_view name) {
    std::string text{pattern};
    for (const auto& [slot, value] : {std::pair{std::string_view{"{titel}"}, title}, {"{naam}", name}})
        if (const std::size_t at = text.find(slot); at != std::string::npos)
            text.replace(at, slot.size(), value);
    return text;
}

// The Middle Dutch forms: the file's form, and where it is "sinte NAME dach REST",
// each pattern of the language with that name and rest.
void addDutch(const feasts::Feast* feast, std::string_view dutch, std::vector<Form>& out, bool patterns) {
    const std::string form = withoutRemarks(dutch);
    if (form.empty()) return;
    out.push_back({feast, form, false});
    if (!patterns) return;
    std::string_view rest = form;
    if (!rest.starts_with("sinte ") && !rest.starts_with("sente ")) return;
    rest.remove_prefix(6);
    const std::size_t day = rest.find(" dach");
    if (day == std::string_view::npos) return;
    const std::string_view name = rest.substr(0, day);
    const std::string_view after = rest.substr(day + 5);
    for (const lexicon::SaintPattern& p : lexicon::saintPatterns())
        if (p.lang == "dum") out.push_back({feast, filled(p.pattern, "", name) + std::string{after}, p.eve});
}

// The Old French forms: the file's form, and where it is "la saint(e) NAME", each
// pattern of the language with that title and name.
void addFrench(const feasts::Feast* feast, std::string_view french, std::vector<Form>& out, bool patterns) {
    const std::string form = withoutRemarks(french);
    if (form.empty()) return;
    out.push_back({feast, form, false});
    if (!patterns) return;
    std::string_view rest = form;
    std::string_view title;
    for (std::string_view t : {"sainte", "saint"}) {
        const std::string lead = "la " + std::string{t} + ' ';
        if (rest.size() > lead.size() &&
            std::equal(lead.begin(), lead.end(), rest.begin(), [](char a, char b) {
                return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
            })) {
            title = t;
            rest.remove_prefix(lead.size());
            break;
        }
    }
    if (title.empty()) return;
    for (const lexicon::SaintPattern& p : lexicon::saintPatterns())
        if (p.lang == "fro") out.push_back({feast, filled(p.pattern, title, rest), p.eve});
}

}  // namespace

std::vector<Form> forms(bool patterns) {
    std::vector<Form> out;
    for (const saints::Saint& s : saints::all()) {
        const feasts::Feast* feast = feasts::findById(s.id);
        if (feast == nullptr) continue;
        const std::size_t first = out.size();
        addLatin(feast, s.latin, out);
        addDutch(feast, s.dutch, out, patterns);
        addFrench(feast, s.french, out, patterns);
        // A pattern may give the file's own form again ("la saint Gille").
        for (std::size_t i = out.size(); i-- > first + 1;)
            if (std::any_of(out.begin() + static_cast<std::ptrdiff_t>(first),
                            out.begin() + static_cast<std::ptrdiff_t>(i),
                            [&](const Form& f) { return f.text == out[i].text && f.eve == out[i].eve; }))
                out.erase(out.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return out;
}

}  // namespace saint_forms
