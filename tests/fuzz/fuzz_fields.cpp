// Fuzzes the integer and fixed-point field readers with arbitrary field text.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "text/field_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int decimals = data[0] % 16;
    const std::string_view field(reinterpret_cast<const char*>(data + 1), size - 1);
    auto check_problem = [&](const ozone::FieldProblem& problem) {
        if (problem.error != ozone::FieldError::none && (problem.offset < 0 || static_cast<std::size_t>(problem.offset) >= field.size())) {
            std::abort();  // the diagnostic's marker must point into the field
        }
    };

    const ozone::IntegerFieldValue integer = ozone::parse_integer_field(field);
    check_problem(integer.problem);
    if (integer.problem.error != ozone::FieldError::none && integer.value != 0) std::abort();

    const ozone::FixedFieldValue fixed = ozone::parse_fixed_field(field, decimals);
    check_problem(fixed.problem);
    if (fixed.problem.error == ozone::FieldError::none && std::isinf(fixed.value)) {
        // Only the word INF gives an infinity; an overflowing exponent is an error.
        if (field.find_first_of("iI") == std::string_view::npos) std::abort();
    }
    return 0;
}
