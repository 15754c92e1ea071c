// The data files kept under tests/: expected word lists and golden inns.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/Files.h"

namespace brewick::test {

inline std::filesystem::path dataFile(std::string_view relative)
{
    return std::filesystem::path(BREWICK_TEST_DATA) / relative;
}

// One entry a line, between double quotes so that blanks at either end stay
// visible: "and Duck", " ".
inline std::vector<std::string> quotedLines(const std::filesystem::path& path)
{
    std::vector<std::string> entries;
    std::istringstream text(contents(path));
    int number = 0;
    for (std::string line; std::getline(text, line);) {
        ++number;
        if (line.size() < 2 || line.front() != '"' || line.back() != '"') {
            ADD_FAILURE() << path.filename() << " line " << number << " is not quoted: " << line;
            continue;
        }
        entries.push_back(line.substr(1, line.size() - 2));
    }
    if (number == 0)
        ADD_FAILURE() << "no entries in " << path;
    return entries;
}

// Where the expected and the actual lines first part, for a failure message
// that points at one line instead of printing two whole files.
inline std::string firstDifference(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        const std::string want = i < expected.size() ? '"' + expected[i] + '"' : "nothing";
        const std::string got = i < actual.size() ? '"' + actual[i] + '"' : "nothing";
        if (want != got)
            return "line " + std::to_string(i + 1) + ": expected " + want + ", got " + got;
    }
    return "no difference";
}

}  // namespace brewick::test
