// Every test program runs with a home and XDG folders of its own, made fresh
// when it starts and removed when it ends: however it is started, no test
// reads or writes the files of the user who runs it, and the programs a test
// starts inherit the folders.
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {

class PrivateHome {
public:
    PrivateHome()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "brewick-home-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        ::setenv("HOME", folder_.c_str(), 1);
        for (const auto& [variable, under] :
             {std::pair{"XDG_CONFIG_HOME", ".config"}, std::pair{"XDG_DATA_HOME", ".local/share"},
              std::pair{"XDG_STATE_HOME", ".local/state"}, std::pair{"XDG_CACHE_HOME", ".cache"}})
            ::setenv(variable, (folder_ / under).c_str(), 1);
    }
    ~PrivateHome()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    PrivateHome(const PrivateHome&) = delete;
    PrivateHome& operator=(const PrivateHome&) = delete;

private:
    std::filesystem::path folder_;
};

const PrivateHome privateHome;

}  // namespace
