#pragma once

#include <cstddef>
#include <string>

namespace moistrel {

// The panel shows a value as the first characters of its general-format text: six, seven for
// Hfg. An E-notation text keeps its exponent: its mantissa is cut so that both take the limit
// together, with at least one digit and no "." left last ("1.4E-7", not "1.4356"). A fixed text
// whose integer part, sign included, is longer than the limit shows that part whole.
std::string Cut_Text(const std::string& general_text, std::size_t limit);

// The text the panel shows of a stored value.
std::string Shown_Text(float value, std::size_t limit);

}  // namespace moistrel
