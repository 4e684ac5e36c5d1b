#include "table.h"

#include <algorithm>
#include <ostream>

#include <nlohmann/json.hpp>

#include "output.h"

namespace cli {

namespace {

using Json = nlohmann::ordered_json;

Json value(const Column& column, const std::string& cell) {
    const bool nullable = column.json == JsonType::StringOrNull || column.json == JsonType::NumberOrNull;
    if (nullable && cell.empty()) return nullptr;
    if (column.json == JsonType::Number || column.json == JsonType::NumberOrNull) return std::stoll(cell);
    return cell;
}

Json object(const Table& table, const Row& row) {
    Json o = Json::object();
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        o[table.columns.at(i).key] = value(table.columns.at(i), row.at(i));
    return o;
}

Json array(const Table& table) {
    Json list = Json::array();
    for (const Row& row : table.rows) list.push_back(object(table, row));
    return list;
}

Row keys(const Table& table) {
    Row header;
    for (const Column& column : table.columns) header.push_back(column.key);
    return header;
}

void writeJson(std::ostream& out, const Table& table) {
    if (!table.jsonObject) {
        // Object by object, as array(table).dump() would write them, while the output takes them.
        out << '[';
        for (std::size_t r = 0; r < table.rows.size() && out; ++r)
            out << (r > 0 ? "," : "") << object(table, table.rows[r]).dump();
        out << "]\n";
        return;
    }
    Json o = object(table, table.rows.at(0));
    if (table.nested) o[table.nestedKey] = array(*table.nested);
    out << o.dump() << '\n';
}

// Cells joined by `separator`, row after row while the output takes them.
void writeDelimited(std::ostream& out, const Table& table, char separator) {
    const auto line = [&](const Row& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) out << separator;
            out << (separator == ',' ? output::csvCell(cells[i]) : cells[i]);
        }
        out << '\n';
    };
    if (table.header) line(keys(table));
    for (std::size_t r = 0; r < table.rows.size() && out; ++r) line(table.rows[r]);
}

// Every column but the last padded with blanks to its widest cell plus two; a
// cell that runs over gets the two blanks only. Blanks at the end of a line are left out.
void writeText(std::ostream& out, const Table& table) {
    std::vector<const Row*> rows;
    const Row header = keys(table);
    if (table.header) rows.push_back(&header);
    for (const Row& row : table.rows) rows.push_back(&row);
    const std::size_t first = table.header ? 1 : 0;  // the index of the first table row

    std::vector<std::size_t> widths(table.columns.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool runsOver = r >= first && table.runOver.contains(r - first);
        for (std::size_t i = runsOver ? 1 : 0; i < rows[r]->size(); ++i)
            widths[i] = std::max(widths[i], output::width((*rows[r])[i]));
    }
    std::string line;
    for (const Row* row : rows) {
        line.clear();
        for (std::size_t i = 0; i < row->size(); ++i) {
            line += (*row)[i];
            if (i + 1 < row->size())
                line.append(std::max(widths[i], output::width((*row)[i])) + 2 - output::width((*row)[i]),
                            ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
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
