// Reading a printed sheet back from a PDF with poppler's tools, for the tests
// of real prints and of PDF files: its text, page by page, its paper and fonts,
// and whether it holds the sheet title first, every line in order, every word
// whole and a footer on every page, and no page that ends in a heading.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
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

// The words of the text: what stands between white space.
inline std::vector<std::string> wordsOf(std::string_view text)
{
    std::vector<std::string> words;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// The headings of the sheet, which stand over the lines below them.
inline bool isSheetHeading(std::string_view line)
{
    return line.starts_with("Table No. ") || line == "Bar Scene" || line == "Today's Menu" || line == "Main Courses" ||
           line == "Puddings" || line == "Drinks" || line == "Notes";
}

// A page of a printed sheet: its text without white space and without the
// footer, its last line above the footer, and the page's number and the
// sheet's pages as the footer gives them, 0 for none.
struct PrintedPage {
    std::string body;
    std::string lastLine;
    int number = 0;
    int of = 0;
};

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

    // Each page, its footer taken off: the banner, one of the dates and, on
    // a sheet of several pages, the page's number; a page without that
    // footer at its end fails.
    std::vector<PrintedPage> printedPages(const std::vector<std::string>& footerDates) const
    {
        std::vector<PrintedPage> pages;
        const std::string banner = squeeze(bannerLine());
        for (int page = 1; page <= pageCount(); ++page) {
            const std::string pageText = text(page);
            PrintedPage& printed = pages.emplace_back();
            printed.body = squeeze(pageText);
            const std::size_t footer = printed.body.rfind(banner);
            std::string rest = footer == std::string::npos ? "" : printed.body.substr(footer + banner.size());
            const auto date = std::ranges::find_if(
                footerDates, [&](const std::string& date) { return rest.starts_with(squeeze(date)); });
            if (footer == std::string::npos || date == footerDates.end()) {
                ADD_FAILURE() << "page " << page << " has no footer:\n" << pageText;
                continue;
            }
            printed.body.erase(footer);
            rest.erase(0, squeeze(*date).size());
            if (!rest.empty() && std::sscanf(rest.c_str(), "%d/%d", &printed.number, &printed.of) != 2)
                ADD_FAILURE() << "page " << page << " ends in " << rest;
            std::istringstream lines(pageText);
            for (std::string line; std::getline(lines, line);)
                if (!squeeze(line).empty() && squeeze(line).find(banner) == std::string::npos && squeeze(line) != rest)
                    printed.lastLine = line;
        }
        return pages;
    }

    // A footer with one of the dates on every page, the pages of each sheet
    // numbered from 1 to the sheet's pages (those of a sheet of one page not
    // at all), and no page that ends in a heading; gives the number of
    // sheets.
    std::size_t expectSheetsPaged(const std::vector<std::string>& footerDates) const
    {
        std::size_t sheets = 0;
        int next = 0, of = 0;  // the number the sheet's next page takes, and its pages
        for (const PrintedPage& page : printedPages(footerDates)) {
            if (next > 0 && next <= of) {
                EXPECT_EQ(std::pair(page.number, page.of), std::pair(next, of)) << "in sheet " << sheets;
            } else {
                ++sheets;
                EXPECT_TRUE(page.number == 0 ? page.of == 0 : page.number == 1 && page.of > 1)
                    << "the first page of a sheet is numbered " << page.number << "/" << page.of;
                of = page.of;
            }
            next = page.number + 1;
            EXPECT_FALSE(isSheetHeading(page.lastLine)) << "a page ends in " << page.lastLine;
        }
        EXPECT_FALSE(next > 0 && next <= of) << "the last sheet stops at page " << next - 1 << " of " << of;
        return sheets;
    }

    // "Brewick" first, then every line of the sheet text after the banner in
    // order, on the pages of one sheet.
    void expectSheetInOrder(const TextLines& sheetText, const std::vector<std::string>& footerDates) const
    {
        EXPECT_EQ(expectSheetsPaged(footerDates), 1u);
        std::string squeezed;
        for (const PrintedPage& page : printedPages(footerDates))
            squeezed += page.body;
        ASSERT_TRUE(squeezed.starts_with(kProductName)) << text();
        std::size_t at = kProductName.size();
        for (std::size_t line = 1; line < sheetText.size(); ++line) {
            const std::string wanted = squeeze(sheetText[line]);
            const std::size_t found = squeezed.find(wanted, at);
            ASSERT_NE(found, std::string::npos) << "line " << line << " \"" << sheetText[line] << "\" in\n" << text();
            at = found + wanted.size();
        }
        EXPECT_EQ(squeezed.substr(at), "") << text();
    }

    // Every word of `text` stands whole among the words of the document.
    void expectEveryWordWhole(std::string_view text) const
    {
        const std::vector<std::string> pdfWords = wordsOf(this->text());
        const std::set<std::string> printed(pdfWords.begin(), pdfWords.end());
        for (const std::string& word : wordsOf(text))
            EXPECT_TRUE(printed.contains(word)) << "\"" << word << "\" is not whole in\n" << this->text();
    }

    // The fonts the document embeds, as pdffonts lists them.
    std::string fonts() const { return output("pdffonts " + singleQuoted(path_.string())); }

private:
    std::filesystem::path path_;
};

}  // namespace brewick::test
