#pragma once

#include <array>
#include <bit>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>

namespace chart {

// Label texts that follow from one float (the pressure, or a family's base value) and the label's
// number alone. The maker is a plain function of exactly these two, fixed when the memo is made,
// so a text cannot depend on an input that the memo does not compare. Each text is made at its
// first use and kept until the float changes, so that a redraw neither formats nor allocates it
// again. A text whose making throws is not kept.
template <std::size_t Count>
class Label_Memo {
public:
    using Make = std::string (*)(float key, std::size_t number);

    explicit Label_Memo(Make make) : make_(make) {}

    const std::string& text(float key, std::size_t number) {
        // By bits: 0 and -0 may be written differently.
        const auto key_bits = std::bit_cast<std::uint32_t>(key);
        if (!keyed_ || key_bits != key_bits_) {
            known_.reset();
            key_bits_ = key_bits;
            keyed_ = true;
        }
        if (!known_[number]) {
            texts_[number] = make_(key, number);
            known_[number] = true;
        }
        return texts_[number];
    }

private:
    Make make_;
    bool keyed_ = false;
    std::uint32_t key_bits_ = 0;
    std::bitset<Count> known_;
    std::array<std::string, Count> texts_;
};

}  // namespace chart
