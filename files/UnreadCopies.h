// Copies of what a reader of kept inns could not read: set aside beside the
// file they belong to under names of their own, for when they were set aside
// (session.jsonl.unread-20260105-143000), so that nothing is ever
// overwritten; the newest three of each file are kept.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace brewick {

class UnreadCopies {
public:
    static constexpr std::size_t kKept = 3;

    explicit UnreadCopies(std::filesystem::path file) : file_(std::move(file)) {}

    // A name that no copy has yet. No two alike as long as the caller holds
    // a lock that keeps other windows from setting one aside meanwhile.
    std::filesystem::path newName() const;
    // Moves the file at `path` aside as a new copy; gives the copy's path,
    // or none and the system's reason in `why`.
    std::optional<std::filesystem::path> setAside(const std::filesystem::path& path, std::string& why) const;
    // Keeps the lines of `count` inns of `what` ("the last session") that
    // could not be read in a new copy, and says so for the user: where they
    // are kept, or why they could not be.
    struct Kept {
        bool kept;
        std::string news;
    };
    Kept keep(std::size_t count, std::string_view what, std::string_view lines) const;
    // Removes all but the newest kKept copies.
    void dropOld() const;

private:
    std::string prefix() const { return file_.filename().string() + ".unread-"; }

    std::filesystem::path file_;
};

}  // namespace brewick
