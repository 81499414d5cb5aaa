#include "translation/term_automaton.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace carbonym {

TermAutomaton::TermAutomaton(const std::vector<std::u16string_view>& terms)
{
    // The terms in sorted order build the trie in one pass: each term shares
    // its common prefix with the one before, and the nodes come out numbered
    // in sorted (preorder) order, so the terms of a node are contiguous.
    std::vector<uint32_t> order;
    order.reserve(terms.size());
    for (size_t i = 0; i < terms.size(); ++i) {
        if (!terms[i].empty())
            order.push_back(static_cast<uint32_t>(i));
    }
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        return terms[a] != terms[b] ? terms[a] < terms[b] : a < b;
    });

    struct Edge {
        uint32_t parent;
        char16_t unit;
    };
    std::vector<Edge> edgeOf{{kRoot, u'\0'}}; // per node: the edge that leads to it
    std::vector<uint32_t> nodeOfIndex;
    nodeOfIndex.reserve(order.size());
    std::vector<uint32_t> path{kRoot}; // the nodes along the previous term
    std::u16string_view previous;
    for (const uint32_t index : order) {
        const std::u16string_view term = terms[index];
        size_t common = 0;
        while (common < term.size() && common < previous.size() && term[common] == previous[common])
            ++common;
        path.resize(common + 1);
        for (size_t d = common; d < term.size(); ++d) {
            if (edgeOf.size() >= UINT32_MAX)
                throw std::length_error("词典过大");
            path.push_back(static_cast<uint32_t>(edgeOf.size()));
            edgeOf.push_back(Edge{path[d], term[d]});
        }
        nodeOfIndex.push_back(path[term.size()]);
        previous = term;
    }
    const size_t nodeCount = edgeOf.size();

    indexes_ = order;
    firstIndex_.assign(nodeCount + 1, 0);
    for (const uint32_t node : nodeOfIndex)
        ++firstIndex_[node + 1];
    std::partial_sum(firstIndex_.begin(), firstIndex_.end(), firstIndex_.begin());

    // Children in creation order are in unit order; a stable counting sort by
    // parent makes each node's edges contiguous.
    firstEdge_.assign(nodeCount + 1, 0);
    for (size_t v = 1; v < nodeCount; ++v)
        ++firstEdge_[edgeOf[v].parent + 1];
    std::partial_sum(firstEdge_.begin(), firstEdge_.end(), firstEdge_.begin());
    edgeUnit_.resize(nodeCount - 1);
    edgeTarget_.resize(nodeCount - 1);
    {
        std::vector<uint32_t> fill(firstEdge_.begin(), firstEdge_.end() - 1);
        for (size_t v = 1; v < nodeCount; ++v) {
            const uint32_t slot = fill[edgeOf[v].parent]++;
            edgeUnit_[slot] = edgeOf[v].unit;
            edgeTarget_[slot] = static_cast<uint32_t>(v);
        }
    }

    rootNext_.assign(0x10000, kRoot);
    for (uint32_t k = firstEdge_[kRoot]; k < firstEdge_[kRoot + 1]; ++k)
        rootNext_[edgeUnit_[k]] = edgeTarget_[k];

    // Failure links breadth first: a node's longest proper suffix in the trie
    // is one level shallower, so it is done before the node itself.
    fail_.assign(nodeCount, kRoot);
    output_.assign(nodeCount, kRoot);
    std::vector<uint32_t> queue{kRoot};
    queue.reserve(nodeCount);
    for (size_t head = 0; head < queue.size(); ++head) {
        const uint32_t v = queue[head];
        for (uint32_t k = firstEdge_[v]; k < firstEdge_[v + 1]; ++k) {
            const uint32_t child = edgeTarget_[k];
            fail_[child] = v == kRoot ? kRoot : Next(fail_[v], edgeUnit_[k]);
            output_[child] = firstIndex_[child + 1] > firstIndex_[child] ? child : output_[fail_[child]];
            queue.push_back(child);
        }
    }
}

uint32_t TermAutomaton::Child(uint32_t node, char16_t unit) const
{
    const auto begin = edgeUnit_.begin() + firstEdge_[node];
    const auto end = edgeUnit_.begin() + firstEdge_[node + 1];
    auto it = begin;
    if (end - begin > 8) {
        it = std::lower_bound(begin, end, unit);
    } else {
        while (it != end && *it < unit)
            ++it;
    }
    if (it == end || *it != unit)
        return kRoot;
    return edgeTarget_[static_cast<size_t>(it - edgeUnit_.begin())];
}

} // namespace carbonym
