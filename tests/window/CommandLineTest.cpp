// brewick's command line as read before the application exists: what goes
// to Qt, what opens as a file, and what is refused.
#include <gtest/gtest.h>

#include "ui/CommandLine.h"

namespace brewick {
namespace {

TEST(CommandLine, QtTakesItsOwnOptionsAloneAndFilesFollowTheDoubleDash)
{
    struct Row {
        std::vector<const char*> arguments;  // after the program's name, as are the toolkit's
        std::vector<std::string> toolkit;
        std::vector<std::filesystem::path> files;
        std::string problem = {};
    };
    const Row rows[] = {
        {{"-platform", "xcb", "--style", "fusion", "-reverse", "-stylesheet=a.qss", "-qwindowtitle", "--help", "-"},
         {"-platform", "xcb", "--style", "fusion", "-reverse", "-stylesheet=a.qss", "-qwindowtitle", "--help"},
         {"-"}},
        {{"-reverse", "", "--", "--bogus", "-platform", "--help"},
         {"-reverse"},
         {"", "--bogus", "-platform", "--help"}},
        {{"--platform=xcb", "-x"}, {}, {}, "unknown option '--platform=xcb'"},
        {{"---platform", "xcb"}, {}, {"xcb"}, "unknown option '---platform'"},
        {{"inn.json", "-platform"}, {}, {"inn.json"}, "-platform needs a value"},
    };
    for (const Row& row : rows) {
        std::vector<const char*> arguments = {"brewick"};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        const ProgramCommandLine read = parseProgramCommandLine(arguments);
        SCOPED_TRACE(testing::PrintToString(row.arguments));
        EXPECT_EQ(read.action,
                  row.problem.empty() ? ProgramCommandLine::Action::Run : ProgramCommandLine::Action::Refuse);
        EXPECT_EQ(std::vector(read.toolkitArguments.begin() + 1, read.toolkitArguments.end()), row.toolkit);
        EXPECT_EQ(read.innFiles, row.files);
        EXPECT_EQ(read.problem, row.problem);
    }
}

}  // namespace
}  // namespace brewick
