// Kept inns for the tests of the session and the starred inns: real inns,
// told apart by their names, and the bytes of a session that holds them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/RandomSource.h"
#include "cycle/InnGenerator.h"
#include "files/InnReader.h"
#include "keeping/KeptInn.h"
#include "keeping/SessionFile.h"

namespace brewick::test {

// A session's inns, each named A, B, C … after its inn, made in that order.
class SessionInns {
public:
    SessionInns()
    {
        LcgRandom random(5);
        InnGenerator generator(random, {});
        generator.generate();
        sheet_ = generator.sheet();
    }

    KeptInn inn(char name, std::int64_t changed = 0, std::string notes = {}) const
    {
        InnSheet sheet = sheet_;
        sheet.innName = std::string(1, name);
        sheet.notes = std::move(notes);
        return {std::make_shared<const std::string>(innJsonPacking().pack(sheet, {1, 5})),
                {1, 5},
                std::string("inn-") + name,
                name,
                std::max<std::int64_t>(changed, name)};
    }
    std::vector<KeptInn> inns(std::string_view names) const
    {
        std::vector<KeptInn> inns;
        for (char name : names)
            inns.push_back(inn(name));
        return inns;
    }
    static std::string bytes(std::span<const KeptInn> inns, std::span<const DeletedInn> deleted = {})
    {
        std::string bytes;
        const SessionBytes session(inns, deleted);
        for (std::string_view piece : session.pieces())
            bytes += piece;
        return bytes;
    }
    // The inns' names, in order.
    static std::string names(const std::vector<KeptInn>& inns)
    {
        std::string names;
        for (const KeptInn& inn : inns)
            names += innJsonPacking().unpack(*inn.packed).value_or(InnSheet()).innName;
        return names;
    }

private:
    InnSheet sheet_;
};

}  // namespace brewick::test
