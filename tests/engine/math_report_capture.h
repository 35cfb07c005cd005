#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/float_env.h"

using Math_Report = std::pair<std::string, std::string>;
using Math_Reports = std::vector<Math_Report>;

// Collects the math-error reports of a test and removes its sink afterwards,
// so no test sees another's reports.
class Math_Report_Capture : public ::testing::Test {
protected:
    void SetUp() override {
        engine::set_math_error_sink(
            [this](const std::string& function, const std::string& kind) { reports.emplace_back(function, kind); });
    }
    void TearDown() override { engine::set_math_error_sink(nullptr); }

    Math_Reports reports;
};
