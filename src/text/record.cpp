// Writing and reading fixed-column records by their layouts.
#include "text/record.h"

#include <cassert>

#include "text/field_format.h"
#include "text/field_parse.h"

namespace ozone {

std::string format_record(Layout layout, std::span<const FieldValue> values) {
    assert(values.size() == field_count(layout));
    std::string line;
    std::size_t column = 0;  // 0-based position of the next column
    std::size_t value = 0;
    for (const LayoutItem& item : layout) {
        if (item.kind == LayoutItem::Kind::skip) {
            column += static_cast<std::size_t>(item.width);
            continue;
        }
        if (line.size() < column) line.resize(column, ' ');
        if (item.kind == LayoutItem::Kind::integer) {
            append_integer_field(line, std::get<std::int32_t>(values[value++]), item.width);
        } else {
            append_fixed_field(line, std::get<float>(values[value++]), item.width, item.decimals);
        }
        column = line.size();
    }
    return line;
}

void write_record(OutputFile& file, Layout layout, std::span<const FieldValue> values) {
    file.write_line(format_record(layout, values));
}

void parse_record(const InputFile& file, std::string_view line, Layout layout, std::span<FieldValue> values) {
    assert(values.size() == field_count(layout));
    std::size_t column = 0;
    std::size_t value = 0;
    for (const LayoutItem& item : layout) {
        const auto width = static_cast<std::size_t>(item.width);
        if (item.kind != LayoutItem::Kind::skip) {
            // Only the columns the line has; the missing ones are blanks.
            const std::string_view field = column < line.size() ? line.substr(column, width) : std::string_view{};
            FieldProblem problem;
            if (item.kind == LayoutItem::Kind::integer) {
                const IntegerFieldValue read = parse_integer_field(field);
                values[value++] = read.value;
                problem = read.problem;
            } else {
                const FixedFieldValue read = parse_fixed_field(field, item.decimals);
                values[value++] = read.value;
                problem = read.problem;
            }
            if (problem.error != FieldError::none) {
                throw field_failure(file.position(line), static_cast<int>(column) + problem.offset + 1, problem.error);
            }
        }
        column += width;
    }
}

bool read_record(InputFile& file, Layout layout, std::span<FieldValue> values) {
    const std::optional<std::string_view> line = file.next_line();
    if (!line) return false;
    parse_record(file, *line, layout, values);
    return true;
}

void write_text_line(OutputFile& file, std::string_view text) {
    std::string line = " ";
    line.append(text);
    file.write_line(line);
}

void write_text_line(Console& console, std::string_view text) { console.show_line(text); }

}  // namespace ozone
