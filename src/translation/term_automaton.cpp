#include "translation/term_automaton.h"

#include <algorithm>
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
    std::sort(order.begin(), order.end(),
              [&](uint32_t a, uint32_t b) { return terms[a] != terms[b] ? terms[a] < terms[b] : a < b; });

    struct Incoming {
        uint32_t Parent;
        char16_t Unit;
    };
    std::vector<Incoming> incoming{{kRoot, u'\0'}}; // per node: the edge that leads to it
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
            if (incoming.size() >= UINT32_MAX)
                throw DictionaryTooLarge();
            path.push_back(static_cast<uint32_t>(incoming.size()));
            incoming.push_back(Incoming{path[d], term[d]});
        }
        nodeOfIndex.push_back(path[term.size()]);
        previous = term;
    }
    const size_t nodeCount = incoming.size();

    indexes_ = order;
    nodes_.assign(nodeCount + 1, Node{0, 0, kRoot, kRoot});
    for (const uint32_t node : nodeOfIndex)
        ++nodes_[node + 1].FirstIndex;
    for (size_t v = 1; v <= nodeCount; ++v)
        nodes_[v].FirstIndex += nodes_[v - 1].FirstIndex;

    // Children in creation order are in unit order; a stable counting sort by
    // parent makes each node's edges contiguous.
    for (size_t v = 1; v < nodeCount; ++v)
        ++nodes_[incoming[v].Parent + 1].FirstEdge;
    for (size_t v = 1; v <= nodeCount; ++v)
        nodes_[v].FirstEdge += nodes_[v - 1].FirstEdge;
    edges_.resize(nodeCount - 1);
    {
        std::vector<uint32_t> fill(nodeCount);
        for (size_t v = 0; v < nodeCount; ++v)
            fill[v] = nodes_[v].FirstEdge;
        for (size_t v = 1; v < nodeCount; ++v)
            edges_[fill[incoming[v].Parent]++] = Edge{incoming[v].Unit, static_cast<uint32_t>(v)};
    }

    rootNext_.assign(0x10000, kRoot);
    for (uint32_t k = nodes_[kRoot].FirstEdge; k < nodes_[kRoot + 1].FirstEdge; ++k)
        rootNext_[edges_[k].Unit] = edges_[k].Target;

    // Failure links breadth first: a node's longest proper suffix in the trie
    // is one level shallower, so it is done before the node itself.
    std::vector<uint32_t> queue{kRoot};
    queue.reserve(nodeCount);
    for (size_t head = 0; head < queue.size(); ++head) {
        const uint32_t v = queue[head];
        for (uint32_t k = nodes_[v].FirstEdge; k < nodes_[v + 1].FirstEdge; ++k) {
            const uint32_t child = edges_[k].Target;
            Node& node = nodes_[child];
            node.Fail = v == kRoot ? kRoot : Next(nodes_[v].Fail, edges_[k].Unit);
            node.Output = nodes_[child + 1].FirstIndex > node.FirstIndex ? child : nodes_[node.Fail].Output;
            queue.push_back(child);
        }
    }
}

} // namespace carbonym
