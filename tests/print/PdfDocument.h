// Reading a printed sheet back from a PDF with poppler's tools, for the tests
// of real prints and of PDF files: its text, page by page, its paper, and
// whether it holds the sheet title first, every line in order and the footer
// last.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/TextLines.h"
#include "output/formats/InnSheetText.h"

namespace brewick::test {

inline std::string singleQuoted(const std::string& text) { return "'" + text + "'"; }

// What the shell command writes on its standard output; a failing command
// fails the test.
inline std::string output(const std::string& command)
{
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return output;
    }
    char buffer[4096];
    std::size_t length;
    while ((length = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, length);
    EXPECT_EQ(::pclose(pipe), 0) << command;
    return output;
}

// The text without white space, so that neither pdftotext's spacing nor the
// cut of a line wider than the page gets in the way of comparing it.
inline std::string squeeze(std::string_view text)
{
    std::string squeezed;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            squeezed += c;
    return squeezed;
}

class PdfDocument {
public:
    explicit PdfDocument(std::filesystem::path path) : path_(std::move(path)) {}

    // The text of the document, of one page of it when `page` is not 0.
    std::string text(int page = 0) const
    {
        const std::string pages = page == 0 ? "" : "-f " + std::to_string(page) + " -l " + std::to_string(page) + " ";
        return output("pdftotext -q -enc UTF-8 " + pages + singleQuoted(path_.string()) + " -");
    }

    std::string info() const { return output("pdfinfo " + singleQuoted(path_.string())); }

    int pageCount() const
    {
        const std::string info = this->info();
        const std::size_t pages = info.find("Pages:");
        return pages == std::string::npos ? 0 : std::atoi(info.c_str() + pages + 6);
    }

    // Where the first word of the document starts, in points from the top-left
    // corner of the paper.
    std::pair<double, double> firstWordCorner() const
    {
        const std::string words = output("pdftotext -q -bbox -f 1 -l 1 " + singleQuoted(path_.string()) + " -");
        const std::size_t x = words.find("xMin=\"");
        const std::size_t y = words.find("yMin=\"");
        if (x == std::string::npos || y == std::string::npos)
            return {-1, -1};
        return {std::atof(words.c_str() + x + 6), std::atof(words.c_str() + y + 6)};
    }

    // "Brewick" first, then every line of the sheet text after the banner in
    // order, then the footer with one of the dates and nothing else.
    void expectSheetInOrder(const TextLines& sheetText, const std::vector<std::string>& footerDates) const
    {
        const std::string pdfText = text();
        const std::string squeezed = squeeze(pdfText);
        ASSERT_TRUE(squeezed.starts_with(kProductName)) << pdfText;
        std::size_t at = kProductName.size();
        for (std::size_t line = 1; line < sheetText.size(); ++line) {
            const std::string wanted = squeeze(sheetText[line]);
            const std::size_t found = squeezed.find(wanted, at);
            ASSERT_NE(found, std::string::npos) << "line " << line << " \"" << sheetText[line] << "\" in\n" << pdfText;
            at = found + wanted.size();
        }
        std::vector<std::string> footers;
        for (const std::string& date : footerDates)
            footers.push_back(squeeze(std::string(bannerLine()) + " " + date));
        EXPECT_THAT(squeezed.substr(at), testing::AnyOfArray(footers)) << pdfText;
    }

    // The banner stands once in the whole document, on its last page.
    void expectOneFooterOnTheLastPage() const
    {
        const int pages = pageCount();
        const std::string banner = squeeze(bannerLine());
        for (int page = 1; page < pages; ++page)
            EXPECT_EQ(squeeze(text(page)).find(banner), std::string::npos) << "page " << page;
        const std::string last = squeeze(text(pages));
        const std::size_t footer = last.find(banner);
        EXPECT_NE(footer, std::string::npos);
        EXPECT_EQ(last.find(banner, footer + 1), std::string::npos);
    }

private:
    std::filesystem::path path_;
};

}  // namespace brewick::test
