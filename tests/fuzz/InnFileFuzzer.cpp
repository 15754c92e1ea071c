// Feeds random bytes to the readers of inn files, of the kept session and of
// the starred inns: they must never crash, hang or leak; every inn they take,
// the writer writes back as JSON that reads as the same inn, and every
// session as a session that reads the same; and a session reads the same
// however its bytes arrive.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/InnFile.h"
#include "files/InnReader.h"
#include "keeping/SessionFile.h"
#include "output/formats/JsonFormat.h"

namespace {

void checkWrittenBack(const brewick::PlacedInn& inn)
{
    std::string json;
    brewick::JsonFormat().append(inn.sheet, inn.place, json);
    const brewick::InnRead again = brewick::innFromJson(json);
    if (!again.inn || !(again.inn->sheet == inn.sheet) || !(again.inn->place == inn.place))
        std::abort();
}

brewick::SessionRead sessionInPieces(std::string_view bytes, std::size_t piece, const brewick::KeptInnsFormat& format)
{
    brewick::SessionParser parser(format);
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        parser.feed(bytes.substr(at, piece));
    return parser.finish();
}

bool sameInns(const brewick::SessionRead& a, const brewick::SessionRead& b)
{
    if (a.inns.size() != b.inns.size() || a.deleted != b.deleted || a.unreadLines != b.unreadLines ||
        a.error != b.error)
        return false;
    for (std::size_t i = 0; i < a.inns.size(); ++i)
        if (a.inns[i].id != b.inns[i].id || *a.inns[i].packed != *b.inns[i].packed)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const brewick::PlacedInn& inn : brewick::innsOfText(bytes).inns)
        checkWrittenBack(inn);
    for (const brewick::KeptInnsFormat& format : {brewick::kSessionFormat, brewick::kStarredInnsFormat}) {
        const brewick::SessionRead whole = sessionInPieces(bytes, bytes.size() + 1, format);
        for (const brewick::KeptInn& kept : whole.inns) {
            const brewick::InnRead inn = brewick::innFromJson(*kept.packed);
            if (!inn.inn)
                std::abort();
            checkWrittenBack(*inn.inn);
        }
        if (!sameInns(sessionInPieces(bytes, size == 0 ? 1 : 1 + data[0] % 7, format), whole))
            std::abort();
        // What the reader takes, the writer writes back as the same.
        const brewick::SessionBytes bytesWritten(whole.inns, whole.deleted, format);
        std::string written;
        for (std::string_view piece : bytesWritten.pieces())
            written += piece;
        brewick::SessionRead expected;
        expected.inns = whole.inns;
        expected.deleted = whole.deleted;
        if (!whole.error && !sameInns(sessionInPieces(written, written.size() + 1, format), expected))
            std::abort();
    }
    return 0;
}
