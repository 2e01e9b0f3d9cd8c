// Fixed-column records and plain text lines, written and read through the text files.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "text/console.h"
#include "text/layout.h"
#include "text/text_file.h"

namespace ozone {

// The record's text without line end: fields by the layout, blanks where nothing
// was written, ending at the rightmost column written.
std::string format_record(Layout layout, std::span<const FieldValue> values);

void write_record(OutputFile& file, Layout layout, std::span<const FieldValue> values);

// Reads the next line into `values` (one per field item); false at end of file.
// Columns past the end of the line read as blanks. An invalid character ends the
// run with status 4, a value beyond single precision with status 8.
bool read_record(InputFile& file, Layout layout, std::span<FieldValue> values);

// Takes the fields of one line already read; throws as read_record does.
void parse_record(const InputFile& file, std::string_view line, Layout layout, std::span<FieldValue> values);

// A plain text line: to a file with one blank in front, to the console as it is.
void write_text_line(OutputFile& file, std::string_view text);
void write_text_line(Console& console, std::string_view text);

}  // namespace ozone
