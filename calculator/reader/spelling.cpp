#include "spelling.h"

#include <array>
#include <cstdint>

#include "input_error.h"
#include "utf8.h"

namespace spelling {

namespace {

// Latin-1 letters U+00C0 to U+00FF without their diacritics, in lower case;
// empty for the two signs among them.
constexpr std::array<std::string_view, 64> kLatin1Letters{
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  //
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  //
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",
};

bool isSpace(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

bool isCombining(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F);
}

bool isVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

}  // namespace

std::string cleaned(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t characters = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const utf8::Decoded d = utf8::decode(utf8, at);
        if (d.length == 0) throw InputError("de tekst is geen geldige UTF-8");
        const std::string_view raw = utf8.substr(at, d.length);
        at += d.length;
        if (++characters > kLongestClause)
            throw InputError("te lang: een clausule telt hoogstens " + std::to_string(kLongestClause) +
                             " tekens");
        const char32_t c = d.code;
        // The degree and ordinal marks of "M°CCC°", "Mᵒ", "M⁰" part words as a blank
        // does; so does a raised "o" typed as "^o".
        if (isSpace(c) || c == 0xB0 || c == 0xBA || c == 0x1D52 || c == 0x2070) {
            out += ' ';
        } else if (c == '^' && at < utf8.size() && (utf8[at] == 'o' || utf8[at] == 'O')) {
            out += ' ';
            ++at;
        } else if (c == 0x1D49) {  // a raised e of an ordinal: "XIIᵉ"
            out += 'e';
        } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            throw InputError("de tekst bevat een stuurteken (teken " +
                             std::to_string(static_cast<unsigned>(c)) + ")");
        } else if (c == 0xAD) {
            // the soft hyphen only marks where a word may break
        } else if (c == 0x2010 || c == 0x2011 || c == 0x2012 || c == 0x2013) {
            out += '-';
        } else if (c == 0x2018 || c == 0x2019 || c == 0x02BC || c == 0x00B4 || c == 0x0060) {
            out += '\'';
        } else {
            out += raw;
        }
    }
    if (out.find_first_not_of(' ') == std::string::npos)
        throw InputError(
            "lege uitdrukking; verwacht [relatie] feest jaar, zoals \"dinsdag na Sint-Maarten 1450\"");
    return out;
}

std::string plain(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const utf8::Decoded d = utf8::decode(utf8, at);
        if (d.length == 0) {  // not UTF-8: the byte as it is
            out += utf8[at++];
            continue;
        }
        const char32_t c = d.code;
        if (c < 0x80) {
            out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        } else if (c == 0x017F) {  // the long s
            out += 's';
        } else if (c == 0x0132 || c == 0x0133) {  // the ligature ij
            out += "ij";
        } else if (c == 0x0152 || c == 0x0153) {  // the ligature oe
            out += "oe";
        } else if (c >= 0xC0 && c <= 0xFF && !kLatin1Letters.at(c - 0xC0).empty()) {
            out += kLatin1Letters.at(c - 0xC0);
        } else if (!isCombining(c)) {
            out += utf8.substr(at, d.length);
        }
        at += d.length;
    }
    return out;
}

std::string fold(std::string_view word, bool declined) {
    std::string p = plain(word);
    // A Roman numeral keeps its letters: "II" and "III" are not one word.
    if (!p.empty() && p.find_first_not_of("ivxlcdm") == std::string::npos) return p;
    std::string spelled;
    spelled.reserve(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        const char next = i + 1 < p.size() ? p[i + 1] : '\0';
        const char after = i + 2 < p.size() ? p[i + 2] : '\0';
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) continue;
        // qu (or ku) before a vowel as k, as French and Picard write it ("Pasques",
        // "Paskes"; "Quasimodo", "Kuasimodo").
        if ((c == 'q' || c == 'k') && next == 'u' && isVowel(after)) {
            spelled += 'k';
            ++i;
            continue;
        }
        // ck, ch as k; gh, th as g, t; ph as f; ae and oe as e.
        if ((c == 'c' && (next == 'k' || next == 'h')) || (c == 'g' && next == 'h') ||
            (c == 't' && next == 'h') || (c == 'p' && next == 'h') || (c == 'a' && next == 'e') ||
            (c == 'o' && next == 'e')) {
            spelled += c == 'c' ? 'k' : c == 'p' ? 'f' : (c == 'a' || c == 'o') ? 'e' : c;
            ++i;
            continue;
        }
        // A dropped or added h ("ebdomada", "Jhesu"); c before i and a vowel as t
        // ("tercio", "tertio"; not the other way: "Lambertiavond" keeps its t); the b of "octabas" as v (only
        // after "ta": a b between vowels elsewhere is a b, "Jacobavond").
        if (c == 'h') continue;
        if (c == 'c' && next == 'i' && isVowel(after)) {
            spelled += 't';
            continue;
        }
        if (c == 'b' && spelled.ends_with("ta") && isVowel(next)) {
            spelled += 'u';
            continue;
        }
        switch (c) {
            case 'c':
            case 'q':
                spelled += 'k';
                break;
            case 'v':
            case 'w':
                spelled += 'u';
                break;
            case 'j':
            case 'y':
                spelled += 'i';
                break;
            case 'z':  // at the start "zielen" and "sielen", "zaterdach" and "saterdach";
                       // within a word French "seize" and "onze" are no "ses" and "ons"
                spelled += spelled.empty() ? 's' : 'z';
                break;
            default:
                spelled += c;
        }
    }
    std::string out;
    for (const char c : spelled)
        if (out.empty() || out.back() != c || (c >= '0' && c <= '9')) out += c;
    // A word of three letters keeps its doubled letter where writing it single would
    // leave two: Middle Dutch "een" (one) is not French "en" (in) nor Dutch "en"
    // (and), and "en avril" is no first of April.
    if (out.size() <= 2 && p.size() == 3 && spelled.size() == 3) out = spelled;
    return declined ? withoutDeclinedEnding(std::move(out)) : out;
}

std::string withoutDeclinedEnding(std::string whole) {
    if (whole.size() >= 4 && (whole.back() == 'e' || whole.back() == 's') &&
        !isVowel(whole[whole.size() - 2]) &&
        !(whole[whole.size() - 2] >= '0' && whole[whole.size() - 2] <= '9') &&
        whole.find_first_not_of("ivxlcdm") != std::string::npos)
        whole.pop_back();
    return whole;
}

}  // namespace spelling
