// The number syntax of the input tables: leading white space, an optional
// sign, digits with at most one decimal point, an optional exponent; "+INF",
// "-INF", "+NAN" and "-NAN" in capitals with their sign. No hexadecimal form,
// no locale: a comma is no decimal point.
#pragma once

#include <cstddef>
#include <string_view>

namespace rxnform {

// Reads a number from the start of `text`. Returns the number of characters
// it took (leading white space included), or 0 if the text holds no number
// there, in which case `value` is left alone. The decimal text is rounded
// once, straight to the type asked for.
std::size_t read_number(std::string_view text, double& value);
std::size_t read_number(std::string_view text, float& value);

}  // namespace rxnform
