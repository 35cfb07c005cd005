#pragma once

#include <string_view>

namespace numtext {

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Reads the characters of `text` from its front.
class Scanner {
public:
    explicit Scanner(std::string_view text) : rest_(text) {}

    bool at_end() const { return rest_.empty(); }

    bool take(char c) {
        if (rest_.empty() || rest_.front() != c) return false;
        rest_.remove_prefix(1);
        return true;
    }

    void skip_blanks() {
        while (take(' ')) continue;
    }

    std::string_view take_while(bool (*accepts)(char)) {
        std::size_t count = 0;
        while (count < rest_.size() && accepts(rest_[count])) ++count;
        const auto taken = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return taken;
    }

    // The sign character, or 0 when there is none.
    char take_sign() {
        for (const char sign : {'+', '-'}) {
            if (take(sign)) return sign;
        }
        return 0;
    }

private:
    std::string_view rest_;
};

}  // namespace numtext
