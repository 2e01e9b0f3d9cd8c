// Free-form input: separators, null values, repeat counts and the slash.
#include "text/free_form.h"

#include <string_view>

#include "text/field_parse.h"

namespace ozone {
namespace {

bool is_separator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '/'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

class FreeFormReader {
public:
    FreeFormReader(InputFile& input, std::span<float> variables) : input_(input), variables_(variables) {}

    void read() {
        while (!all_handled()) {
            const std::optional<std::string_view> line = input_.next_line();
            if (!line) throw input_ended(input_.position({}));
            line_ = *line;
            if (read_line() == Outcome::slash) return;
        }
    }

private:
    enum class Outcome { line_done, slash };

    bool all_handled() const { return next_ >= variables_.size(); }

    [[noreturn]] void fail(std::size_t index, FieldError error) const {
        throw field_failure(input_.position(line_), static_cast<int>(index) + 1, error);
    }

    Outcome read_line() {
        std::size_t i = 0;
        while (i < line_.size() && !all_handled()) {
            const char c = line_[i];
            if (c == ' ' || c == '\t') {
                ++i;
            } else if (c == ',') {
                // A comma closes the value before it; with no value since the last
                // comma (or since the start) it stands for a null value. An end of
                // line does not close a value, so ",5.18" on the next line after
                // "52.1" is that value's separator.
                if (comma_means_null_) ++next_;
                comma_means_null_ = true;
                ++i;
            } else if (c == '/') {
                return Outcome::slash;
            } else if (c == '\'' || c == '"') {
                fail(i, FieldError::quote);
            } else {
                std::size_t end = i;
                while (end < line_.size() && !is_separator(line_[end])) ++end;
                take_item(i, end);
                comma_means_null_ = false;
                i = end;
            }
        }
        return Outcome::line_done;
    }

    // One item: a value v, r*v, or r*.
    void take_item(std::size_t begin, std::size_t end) {
        const std::string_view item = line_.substr(begin, end - begin);
        const std::size_t star = item.find('*');
        if (star == std::string_view::npos) {
            assign(1, read_value(begin, end));
            return;
        }
        std::size_t count = 0;
        for (std::size_t k = 0; k < star; ++k) {
            if (!is_digit(item[k])) fail(begin + k, FieldError::invalid_character);
            count = std::min<std::size_t>(variables_.size(), count * 10 + static_cast<std::size_t>(item[k] - '0'));
        }
        if (star == 0) fail(begin, FieldError::invalid_character);
        if (count == 0) fail(begin, FieldError::zero_repeat_count);
        if (star + 1 == item.size()) {
            next_ += count;  // null values
        } else {
            assign(count, read_value(begin + star + 1, end));
        }
    }

    float read_value(std::size_t begin, std::size_t end) const {
        const FixedFieldValue read = parse_fixed_field(line_.substr(begin, end - begin), 0);
        if (read.problem.error != FieldError::none) fail(begin + static_cast<std::size_t>(read.problem.offset), read.problem.error);
        return read.value;
    }

    void assign(std::size_t count, float value) {
        for (std::size_t k = 0; k < count && !all_handled(); ++k) variables_[next_++] = value;
    }

    InputFile& input_;
    std::span<float> variables_;
    std::string_view line_;
    std::size_t next_ = 0;           // the next variable to handle
    bool comma_means_null_ = true;  // no value since the start or since the last comma
};

}  // namespace

void read_free_form(InputFile& input, std::span<float> variables) { FreeFormReader(input, variables).read(); }

}  // namespace ozone
