// Pages to a folder, one file per inn, each written whole or not at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "cli/InnOutput.h"

namespace brewick {

class FolderOutput final : public InnOutput {
public:
    // Inn n of `count` goes to <folder>/<n>.<extension>, n zero-padded to the
    // digits of `count`.
    FolderOutput(std::filesystem::path folder, std::uint64_t count, std::string_view extension);

    // Creates the folder when it is missing.
    OutputFailure open();

    OutputFailure take(std::uint64_t number, std::string& pages) override;
    // Puts the files on the disk, once for the run rather than once a file.
    OutputFailure finish(std::string&) override;

private:
    std::filesystem::path fileOf(std::uint64_t number) const;
    // Takes away the folders that open() made, when the first file failed
    // and they hold nothing.
    void removeMadeFolders() const;

    std::filesystem::path folder_;
    std::size_t digits_;
    std::string extension_;
    std::filesystem::path firstMade_;  // the outermost folder open() made, if any
};

}  // namespace brewick
