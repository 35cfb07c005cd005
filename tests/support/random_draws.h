#pragma once

#include <cstdio>
#include <random>
#include <string>

namespace test_support {

// The seeded draws of a random walk of user actions: the same seed walks the same way.
class Random_Draws {
public:
    explicit Random_Draws(unsigned seed) : random_(seed) {}

    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

private:
    std::mt19937 random_;
};

// Fixed notation, as the key filters take no exponent; enough decimals to hit a limit's float.
inline std::string number_text(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.12f", value);
    std::string typed = text;
    typed.erase(typed.find_last_not_of('0') + 1);
    if (typed.back() == '.') typed.pop_back();
    return typed;
}

}  // namespace test_support
