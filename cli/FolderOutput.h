// Pages to a folder, one file per inn: all of them or, when the run fails,
// none. The files are written into a staging folder beside it first and
// moved in once every one is there, so that a failure leaves the folder as
// it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "cli/InnOutput.h"
#include "cli/StagingFolder.h"
#include "files/SafeFileWriter.h"

namespace brewick {

class FolderOutput final : public InnOutput {
public:
    // Inn n of `count` goes to <folder>/<n>.<extension>, n zero-padded to the
    // digits of `count`.
    FolderOutput(std::filesystem::path folder, std::uint64_t count, std::string_view extension);
    // Takes away what the run made and did not move in.
    ~FolderOutput() override;

    // Creates the folder when it is missing, and the staging folder.
    OutputFailure open();

    OutputFailure take(std::uint64_t number, std::string& pages) override;
    // Moves the files in and puts them on the disk.
    OutputFailure finish(std::string&) override;

private:
    std::filesystem::path fileOf(std::uint64_t number) const;
    std::filesystem::path stagedFileOf(std::uint64_t number) const;
    // Finds where the file of inn `number` goes, and the mode of a file of
    // an earlier run there; gives why it cannot go there.
    OutputFailure findTarget(std::uint64_t number, WriteTarget& target) const;
    // Moves the files in, those of new names first: until a file of an earlier
    // run is replaced, every move can be taken back.
    OutputFailure moveIn();
    // For the end of a message: how many of the files of the run, `left` of
    // which were not moved in, were not written.
    std::string notWritten(std::uint64_t left) const;
    // Takes away the folders that open() made, where they hold nothing.
    void removeMadeFolders() const;

    std::filesystem::path folder_;
    std::uint64_t count_;
    std::size_t digits_;
    std::string extension_;
    std::filesystem::path firstMade_;  // the outermost folder open() made, if any
    StagingFolder staging_;
    bool movedIn_ = false;
};

}  // namespace brewick
