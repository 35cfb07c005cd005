#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iomanip>
#include <sstream>
#include <string>

#include "engine/float_env.h"

// What a call is expected to do: return an exact value (infinities and signed
// zeros included), return NaN, or raise Float_Error with a message.
struct Expected_Outcome {
    enum class Type { Value, Not_A_Number, Raises };
    Type type;
    long double value = 0;
    const char* message = "";
};

inline Expected_Outcome returns(long double value) { return {Expected_Outcome::Type::Value, value}; }
inline Expected_Outcome returns_nan() { return {Expected_Outcome::Type::Not_A_Number}; }
inline Expected_Outcome raises(const char* message) { return {Expected_Outcome::Type::Raises, 0, message}; }

inline std::string full_text(long double value) {
    std::ostringstream text;
    text << std::setprecision(21) << value;
    return text.str();
}

inline ::testing::AssertionResult has_outcome(const std::function<long double()>& call,
                                              const Expected_Outcome& expected) {
    long double actual = 0;
    try {
        actual = call();
    } catch (const engine::Float_Error& error) {
        if (expected.type == Expected_Outcome::Type::Raises && std::string(error.what()) == expected.message) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "raised \"" << error.what() << "\"";
    }
    switch (expected.type) {
    case Expected_Outcome::Type::Raises:
        return ::testing::AssertionFailure()
               << "returned " << full_text(actual) << " instead of raising \"" << expected.message << "\"";
    case Expected_Outcome::Type::Not_A_Number:
        if (std::isnan(actual)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "returned " << full_text(actual) << " instead of NaN";
    case Expected_Outcome::Type::Value:
        if (actual == expected.value && std::signbit(actual) == std::signbit(expected.value)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "returned " << full_text(actual) << " instead of " << full_text(expected.value);
    }
    return ::testing::AssertionFailure() << "unknown expectation";
}
