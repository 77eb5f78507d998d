// The loop every table reader runs: one call per non-blank line, until the
// end of the file or until the table is full (a full table stops reading at
// once, so no line is read that no slot could take).
#pragma once

#include <string_view>

#include "driver/line_reader.hpp"

namespace rxnform {

template <typename Table, typename LineHandler>
read_status read_table(LineReader& reader, const Table& table, LineHandler handle_line) {
  std::string_view line;
  int line_number = 0;
  while (!table.full()) {
    const read_status status = reader.read_line(line, line_number);
    if (status != read_status::line) return status;
    handle_line(line, line_number);
  }
  return read_status::end;
}

}  // namespace rxnform
