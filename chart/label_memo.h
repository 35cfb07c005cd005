#pragma once

#include <array>
#include <bit>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>

// Label texts that follow from one float (the pressure, or a family's base value) and the
// label's number alone. Each is made at its first use and kept until that float changes, so that
// a redraw neither formats nor allocates them again. A text whose making throws is not kept.
template <std::size_t Count>
class Label_Memo {
public:
    template <class Make>
    const std::string& text(float key, std::size_t number, Make make) {
        // By bits: 0 and -0 may be written differently.
        const auto key_bits = std::bit_cast<std::uint32_t>(key);
        if (!keyed_ || key_bits != key_bits_) {
            known_.reset();
            key_bits_ = key_bits;
            keyed_ = true;
        }
        if (!known_[number]) {
            texts_[number] = make();
            known_[number] = true;
        }
        return texts_[number];
    }

private:
    bool keyed_ = false;
    std::uint32_t key_bits_ = 0;
    std::bitset<Count> known_;
    std::array<std::string, Count> texts_;
};
