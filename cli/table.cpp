#include "table.h"

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "output.h"

namespace cli {

namespace {

using Json = nlohmann::ordered_json;

// Every row of the table in order, those at hand and then those of its source,
// until there are no more or `take` returns false. Returns false when stopped.
bool eachRow(const Table& table, const TakeRow& take) {
    for (const Row& row : table.rows)
        if (!take(row)) return false;
    if (!table.more) return true;
    bool going = true;
    table.more([&](const Row& row) { return going = take(row); });
    return going;
}

Row keys(const Table& table) {
    Row header;
    for (const Column& column : table.columns) header.push_back(column.key);
    return header;
}

// A cell as nlohmann-json's dump() writes its value: null, an integer, or a string
// in quotes. Plain printable ASCII needs no escapes and is written as it is.
void writeValue(std::ostream& out, const Column& column, const std::string& cell) {
    const bool nullable = column.json == JsonType::StringOrNull || column.json == JsonType::NumberOrNull;
    if (nullable && cell.empty()) {
        out << "null";
    } else if (column.json == JsonType::Number || column.json == JsonType::NumberOrNull) {
        out << std::to_string(std::stoll(cell));  // as dump() writes it, whatever the stream's locale
    } else if (std::all_of(cell.begin(), cell.end(),
                           [](char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; })) {
        out << '"' << cell << '"';
    } else {
        out << Json(cell).dump();
    }
}

// The opening of each member of a row's object: `{"key":` for the first, `,"key":` after.
std::vector<std::string> memberOpenings(const Table& table) {
    std::vector<std::string> openings;
    for (const Column& column : table.columns) {
        std::string& opening = openings.emplace_back(openings.empty() ? "{" : ",");
        opening += Json(column.key).dump();
        opening += ':';
    }
    return openings;
}

// One row as the object of its keys, without the closing brace.
void writeMembers(std::ostream& out, const Table& table, const std::vector<std::string>& openings,
                  const Row& row) {
    for (std::size_t i = 0; i < openings.size(); ++i) {
        out << openings[i];
        writeValue(out, table.columns[i], row.at(i));
    }
    if (openings.empty()) out << '{';
}

// An array of objects, object by object while the output takes them.
void writeArray(std::ostream& out, const Table& table) {
    const std::vector<std::string> openings = memberOpenings(table);
    out << '[';
    bool first = true;
    eachRow(table, [&](const Row& row) {
        if (!first) out << ',';
        first = false;
        writeMembers(out, table, openings, row);
        out << '}';
        return static_cast<bool>(out);
    });
    out << ']';
}

void writeJson(std::ostream& out, const Table& table) {
    if (!table.jsonObject) {
        writeArray(out, table);
        out << '\n';
        return;
    }
    // The first row as one object, and the nested table's array as its last member.
    const std::vector<std::string> openings = memberOpenings(table);
    bool any = false;
    eachRow(table, [&](const Row& row) {
        writeMembers(out, table, openings, row);
        any = true;
        return false;
    });
    if (!any) throw std::out_of_range("cli::write: a JSON object needs a row");
    if (table.nested) {
        out << (openings.empty() ? "" : ",") << Json(table.nestedKey).dump() << ':';
        writeArray(out, *table.nested);
    }
    out << "}\n";
}

// Cells joined by `separator`, row after row while the output takes them.
void writeDelimited(std::ostream& out, const Table& table, char separator) {
    std::string line;
    const auto write = [&](const Row& cells) {
        line.clear();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) line += separator;
            if (separator == ',')
                line += output::csvCell(cells[i]);
            else
                line += cells[i];
        }
        line += '\n';
        out << line;
        return static_cast<bool>(out);
    };
    if (table.header && !write(keys(table))) return;
    eachRow(table, write);
}

// Every column but the last padded with blanks to its widest cell plus two; a
// cell that runs over gets the two blanks only. Blanks at the end of a line are
// left out. The widths come from a first walk over the rows, the lines from a second.
void writeText(std::ostream& out, const Table& table) {
    std::vector<std::size_t> widths(table.columns.size());
    const auto widen = [&widths](const Row& row, std::size_t from) {
        for (std::size_t i = from; i < row.size(); ++i)
            widths[i] = std::max(widths[i], output::width(row[i]));
    };
    const Row header = keys(table);
    if (table.header) widen(header, 0);
    std::size_t index = 0;  // of the table row, the header not counted
    eachRow(table, [&](const Row& row) {
        widen(row, table.runOver.contains(index++) ? 1 : 0);
        return true;
    });

    std::string line;
    const auto write = [&](const Row& row) {
        line.clear();
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) {
                const std::size_t width = output::width(row[i]);
                line.append(std::max(widths[i], width) + 2 - width, ' ');
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        line += '\n';
        out << line;
        return static_cast<bool>(out);
    };
    if (table.header && !write(header)) return;
    eachRow(table, write);
}

}  // namespace

void write(std::ostream& out, Format format, const Answer& answer) {
    const Table& delimited = answer.delimited ? *answer.delimited : answer.data;
    switch (format) {
        case Format::Json:
            writeJson(out, answer.data);
            break;
        case Format::Tsv:
            writeDelimited(out, delimited, '\t');
            break;
        case Format::Csv:
            writeDelimited(out, delimited, ',');
            break;
        case Format::Text:
            writeText(out, answer.text ? *answer.text : delimited);
            break;
    }
}

}  // namespace cli
