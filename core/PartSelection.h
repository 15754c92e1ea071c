// Which parts of the inn a generation renews: "All", or any mix of the six
// single parts. Ticking "All" unticks the six and ticking one of the six
// unticks "All"; unticking never changes anything else.
#pragma once

#include <array>

namespace brewick {

enum class InnPart { All, InnName, Landlord, Menu, Rooms, Tables, Scene };
inline constexpr int kInnPartCount = 7;

class PartSelection {
public:
    bool isTicked(InnPart part) const { return ticked_[static_cast<int>(part)]; }
    // With none ticked, a generation changes nothing.
    bool anyTicked() const;
    void set(InnPart part, bool ticked);

    friend bool operator==(const PartSelection&, const PartSelection&) = default;

private:
    std::array<bool, kInnPartCount> ticked_ = {true, false, false, false, false, false, false};
};

}  // namespace brewick
