#include "main/optional_number.h"

#include "engine/float_env.h"
#include "numtext/text_to_number.h"

std::optional<float> Optional_Number(std::string_view text) {
    if (text.empty()) return std::nullopt;
    try {
        return numtext::text_to_single(text);
    } catch (const numtext::Convert_Error&) {
        return std::nullopt;
    } catch (const engine::Float_Error&) {
        return std::nullopt;
    }
}
