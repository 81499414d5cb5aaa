#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace carbonym {

// A dictionary with more terms or characters than the engine can number.
class DictionaryTooLarge : public std::length_error {
public:
    DictionaryTooLarge() : std::length_error("dictionary too large") { }
};

// Finds, in one pass over a case-folded text, which of many terms occur in it
// (an Aho–Corasick automaton over UTF-16 units). Terms are given already
// case-folded and are named by their index in the list; empty terms are left
// out, and terms that are equal share one trie node.
class TermAutomaton {
public:
    explicit TermAutomaton(const std::vector<std::u16string_view>& terms);

    // Calls visit(index) once for each occurrence of each term in `folded`,
    // in the order of the occurrences' ends.
    template <typename Visit>
    void Scan(std::u16string_view folded, Visit&& visit) const
    {
        ScanEnds(folded, [&](uint32_t index, size_t) { visit(index); });
    }

    // The same, with where each occurrence ends: visit(index, end), `end`
    // being the position just after its last unit.
    template <typename Visit>
    void ScanEnds(std::u16string_view folded, Visit&& visit) const
    {
        uint32_t node = kRoot;
        for (size_t end = 1; end <= folded.size(); ++end) {
            node = Next(node, folded[end - 1]);
            for (uint32_t hit = nodes_[node].Output; hit != kRoot; hit = nodes_[nodes_[hit].Fail].Output) {
                for (uint32_t k = nodes_[hit].FirstIndex; k < nodes_[hit + 1].FirstIndex; ++k)
                    visit(indexes_[k], end);
            }
        }
    }

private:
    static constexpr uint32_t kRoot = 0;

    // One record per node, so that a step touches one place in memory. The
    // node after the last is a sentinel that ends the last node's ranges.
    struct Node {
        uint32_t FirstEdge; // the edges are [FirstEdge, next node's FirstEdge), sorted by unit
        uint32_t FirstIndex; // the terms that end here are indexes_[FirstIndex, next node's FirstIndex)
        uint32_t Fail; // the longest proper suffix in the trie
        uint32_t Output; // this node or its nearest suffix where a term ends; else the root
    };

    struct Edge {
        char16_t Unit;
        uint32_t Target;
    };

    uint32_t Next(uint32_t node, char16_t unit) const
    {
        for (;;) {
            if (node == kRoot)
                return rootNext_[unit];
            const uint32_t child = Child(node, unit);
            if (child != kRoot)
                return child;
            node = nodes_[node].Fail;
        }
    }

    // The child of `node` along `unit`, or the root when there is none.
    uint32_t Child(uint32_t node, char16_t unit) const
    {
        const auto begin = edges_.begin() + nodes_[node].FirstEdge;
        const auto end = edges_.begin() + nodes_[node + 1].FirstEdge;
        if (end - begin > 8) {
            const auto it = std::lower_bound(begin, end, unit, [](const Edge& e, char16_t u) { return e.Unit < u; });
            return it != end && it->Unit == unit ? it->Target : kRoot;
        }
        for (auto it = begin; it != end; ++it) {
            if (it->Unit == unit)
                return it->Target;
        }
        return kRoot;
    }

    std::vector<Node> nodes_;
    std::vector<Edge> edges_;
    std::vector<uint32_t> indexes_;
    std::vector<uint32_t> rootNext_; // the root's transitions for every unit
};

} // namespace carbonym
