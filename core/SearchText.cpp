#include "core/SearchText.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

namespace brewick {

namespace {
// The small form of the letter `code`, or itself.
char32_t smallLetter(char32_t code)
{
    if ((code >= U'A' && code <= U'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7) ||
        (code >= 0x391 && code <= 0x3AB && code != 0x3A2) || (code >= 0x410 && code <= 0x42F))
        return code + 0x20;
    if (code >= 0x400 && code <= 0x40F)
        return code + 0x50;
    // Latin Extended-A pairs a capital with the small letter after it, but
    // for the dotted and dotless i and for the run up to the eng, which
    // starts odd.
    if ((code >= 0x100 && code <= 0x12F) || (code >= 0x132 && code <= 0x137) || (code >= 0x14A && code <= 0x177))
        return code | 1;
    if ((code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E))
        return code % 2 == 1 ? code + 1 : code;
    if (code == 0x178)
        return 0xFF;
    if (code == 0x3C2)  // the final sigma, which search finds as any sigma
        return 0x3C3;
    return code;
}

// Every small letter above is written in two bytes, as its capital is.
void appendTwoBytes(char32_t code, std::string& text)
{
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
}

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }
}  // namespace

std::string foldedForSearch(std::string_view utf8)
{
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) {
            folded += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte);
            continue;
        }
        // Only two-byte letters have capitals here; the rest is copied.
        if ((byte & 0xE0) == 0xC0 && at + 1 < utf8.size() && isContinuation(utf8[at + 1])) {
            const char32_t code = (char32_t{byte & 0x1Fu} << 6) | (static_cast<unsigned char>(utf8[at + 1]) & 0x3F);
            if (code >= 0x80) {
                appendTwoBytes(smallLetter(code), folded);
                ++at;
                continue;
            }
        }
        folded += static_cast<char>(byte);
    }
    return folded;
}

namespace {
// Longer than any word of a drawn inn, and short enough that a line pasted
// into every step of an inn is shared.
constexpr std::size_t kLongWord = 128;

// The long words of every listing, each kept while a listing holds it. The
// listings are made on the window's thread and the session keeper's.
class LongWords {
public:
    std::shared_ptr<const std::string> share(std::string_view word)
    {
        const std::lock_guard lock(mutex_);
        if (const auto found = words_.find(word); found != words_.end()) {
            if (std::shared_ptr<const std::string> shared = found->second.lock())
                return shared;
            // Its last holder is going: its entry, keyed by its bytes, goes now.
            words_.erase(found);
        }
        std::shared_ptr<const std::string> shared(new std::string(word),
                                                  [this](const std::string* gone) { forget(gone); });
        words_.emplace(*shared, shared);
        return shared;
    }

private:
    void forget(const std::string* gone)
    {
        {
            const std::lock_guard lock(mutex_);
            const auto found = words_.find(*gone);
            if (found != words_.end() && found->first.data() == gone->data())
                words_.erase(found);
        }
        delete gone;
    }

    std::mutex mutex_;
    std::unordered_map<std::string_view, std::weak_ptr<const std::string>> words_;  // keyed by the words' own bytes
};

LongWords& longWords()
{
    // Never destroyed: a listing may outlive the statics at exit.
    static LongWords& words = *new LongWords;
    return words;
}
}  // namespace

bool SearchWords::holds(std::string_view folded) const
{
    return shortWords.find(folded) != std::string::npos || std::ranges::any_of(longWords, [folded](const auto& word) {
               return word->find(folded) != std::string::npos;
           });
}

SearchWords searchWordsOf(std::string_view folded)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    SearchWords words;
    std::unordered_set<std::string_view> seen;
    for (std::size_t start = folded.find_first_not_of(kBlanks); start != std::string_view::npos;) {
        const std::size_t end = std::min(folded.find_first_of(kBlanks, start), folded.size());
        const std::string_view word = folded.substr(start, end - start);
        if (seen.insert(word).second) {
            if (word.size() >= kLongWord)
                words.longWords.push_back(longWords().share(word));
            else
                (words.shortWords += word) += '\n';
        }
        start = folded.find_first_not_of(kBlanks, end);
    }
    return words;
}

}  // namespace brewick
