#include "earlier/shown_text.h"

#include <algorithm>

#include "numtext/general_format.h"

namespace moistrel {

namespace {

// A sign and one digit.
std::size_t least_mantissa(const std::string& mantissa) { return mantissa.starts_with('-') ? 2 : 1; }

std::string cut_scientific(const std::string& text, std::size_t exponent_at, std::size_t limit) {
    const std::string exponent = text.substr(exponent_at);
    std::string mantissa = text.substr(0, exponent_at);
    const std::size_t room = limit > exponent.size() ? limit - exponent.size() : 0;
    mantissa.resize(std::min(mantissa.size(), std::max(room, least_mantissa(mantissa))));
    if (mantissa.ends_with('.')) mantissa.pop_back();
    return mantissa + exponent;
}

}  // namespace

std::string Cut_Text(const std::string& general_text, std::size_t limit) {
    const std::size_t exponent_at = general_text.find('E');
    if (exponent_at != std::string::npos) return cut_scientific(general_text, exponent_at, limit);
    const std::size_t integer_part = std::min(general_text.find('.'), general_text.size());
    return general_text.substr(0, std::max(limit, integer_part));
}

std::string Shown_Text(float value, std::size_t limit) {
    return Cut_Text(numtext::format_general(static_cast<long double>(value)), limit);
}

}  // namespace moistrel
