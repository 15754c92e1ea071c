#include "keeping/SessionMerge.h"

#include "keeping/InnChanges.h"

#include <algorithm>
#include <queue>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace brewick {

namespace {
struct Node {
    KeptInn inn;
    std::size_t before = 0;  // inns that must come first, not yet placed
    std::vector<std::size_t> after;
    bool placed = false;
};

// The inns by their names, each once as it was last changed, the changes of
// two windows to one inn joined or kept side by side, and which must come
// before which. Gives the names of the inns two windows changed.
std::vector<Node> innGraph(const std::vector<std::vector<KeptInn>>& sessions, std::vector<std::string>& changedTwice)
{
    std::vector<Node> nodes;
    std::unordered_map<std::string, std::size_t> byId;
    std::set<std::pair<std::size_t, std::size_t>> orders;
    const auto order = [&](std::size_t first, std::size_t then) {
        if (first < nodes.size() && first != then && orders.emplace(first, then).second) {
            nodes[first].after.push_back(then);
            ++nodes[then].before;
        }
    };
    for (const std::vector<KeptInn>& session : sessions) {
        std::size_t previous = nodes.size() + session.size();  // none yet
        for (const KeptInn& inn : session) {
            const auto [found, isNew] = byId.emplace(inn.id, nodes.size());
            const std::size_t current = found->second;
            if (isNew) {
                nodes.push_back({inn, 0, {}, false});
            } else {
                KeptInn beside;
                const Meeting meeting = meet(nodes[current].inn, inn, beside);
                if (meeting == Meeting::Joined || meeting == Meeting::KeptBoth)
                    changedTwice.push_back(innNameOf(*nodes[current].inn.packed));
                // The other window's version, a step of its own right after this one.
                if (meeting == Meeting::KeptBoth && byId.emplace(beside.id, nodes.size()).second) {
                    nodes.push_back({std::move(beside), 0, {}, false});
                    order(current, nodes.size() - 1);
                }
            }
            order(previous, current);
            previous = current;
        }
    }
    return nodes;
}

bool madeLater(const Node& a, const Node& b) { return std::tie(a.inn.made, a.inn.id) > std::tie(b.inn.made, b.inn.id); }
}  // namespace

MergedSessions mergeSessions(const std::vector<std::vector<KeptInn>>& sessions)
{
    MergedSessions merged;
    std::vector<Node> nodes = innGraph(sessions, merged.changedTwice);
    const auto later = [&nodes](std::size_t a, std::size_t b) { return madeLater(nodes[a], nodes[b]); };
    std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(later)> ready(later);
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].before == 0)
            ready.push(i);
    while (merged.inns.size() < nodes.size()) {
        // Sessions that disagree on the order leave no inn free to come
        // next: the one made first goes first.
        if (ready.empty()) {
            std::size_t first = nodes.size();
            for (std::size_t i = 0; i < nodes.size(); ++i)
                if (!nodes[i].placed && (first == nodes.size() || madeLater(nodes[first], nodes[i])))
                    first = i;
            nodes[first].before = 0;
            ready.push(first);
        }
        const std::size_t next = ready.top();
        ready.pop();
        if (nodes[next].placed)
            continue;
        nodes[next].placed = true;
        // The merged session is what the windows read from now on.
        KeptInn& inn = merged.inns.emplace_back(std::move(nodes[next].inn));
        inn.based = 0;
        inn.was = nullptr;
        for (std::size_t after : nodes[next].after)
            if (--nodes[after].before == 0 && !nodes[after].placed)
                ready.push(after);
    }
    return merged;
}

std::vector<DeletedInn> mergeDeletions(std::vector<DeletedInn> deleted)
{
    std::sort(deleted.begin(), deleted.end(), [](const DeletedInn& a, const DeletedInn& b) {
        return std::tie(a.id, a.deleted) > std::tie(b.id, b.deleted);
    });
    deleted.erase(std::unique(deleted.begin(), deleted.end(),
                              [](const DeletedInn& a, const DeletedInn& b) { return a.id == b.id; }),
                  deleted.end());
    std::sort(deleted.begin(), deleted.end(), [](const DeletedInn& a, const DeletedInn& b) {
        return std::tie(a.deleted, a.id) < std::tie(b.deleted, b.id);
    });
    if (deleted.size() > kMostDeletedInns)
        deleted.erase(deleted.begin(), deleted.end() - static_cast<std::ptrdiff_t>(kMostDeletedInns));
    return deleted;
}

void dropDeleted(std::vector<KeptInn>& inns, std::span<const DeletedInn> deleted)
{
    std::unordered_map<std::string_view, std::int64_t> when;
    for (const DeletedInn& inn : deleted)
        when.emplace(inn.id, inn.deleted);
    std::erase_if(inns, [&when](const KeptInn& inn) {
        const auto found = when.find(inn.id);
        return found != when.end() && found->second >= inn.changed;
    });
}

std::size_t dropBeyondBounds(std::vector<KeptInn>& inns, std::size_t reserved)
{
    std::size_t bytes = reserved;
    std::size_t first = inns.size();
    // The newest inns that fit, counted from the last.
    while (first > 0 && inns.size() - first < kMostKeptInns) {
        const std::size_t size = keptSize(inns[first - 1]);
        if (bytes + size > kMostKeptBytes)
            break;
        bytes += size;
        --first;
    }
    inns.erase(inns.begin(), inns.begin() + static_cast<std::ptrdiff_t>(first));
    return first;
}

}  // namespace brewick
