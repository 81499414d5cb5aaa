#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace carbonym {

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
        uint32_t node = kRoot;
        for (const char16_t unit : folded) {
            node = Next(node, unit);
            for (uint32_t hit = output_[node]; hit != kRoot; hit = output_[fail_[hit]]) {
                for (uint32_t k = firstIndex_[hit]; k < firstIndex_[hit + 1]; ++k)
                    visit(indexes_[k]);
            }
        }
    }

private:
    static constexpr uint32_t kRoot = 0;

    uint32_t Next(uint32_t node, char16_t unit) const
    {
        for (;;) {
            if (node == kRoot)
                return rootNext_[unit];
            const uint32_t child = Child(node, unit);
            if (child != kRoot)
                return child;
            node = fail_[node];
        }
    }

    // The child of `node` along `unit`, or the root when there is none.
    uint32_t Child(uint32_t node, char16_t unit) const;

    // Per node; the edges of node v are [firstEdge_[v], firstEdge_[v + 1]),
    // sorted by unit, and the indexes of the terms that end there are
    // indexes_[firstIndex_[v] .. firstIndex_[v + 1]).
    std::vector<uint32_t> fail_;
    std::vector<uint32_t> output_; // the node itself or its nearest suffix where a term ends; else the root
    std::vector<uint32_t> firstEdge_;
    std::vector<uint32_t> firstIndex_;
    std::vector<char16_t> edgeUnit_;
    std::vector<uint32_t> edgeTarget_;
    std::vector<uint32_t> indexes_;
    std::vector<uint32_t> rootNext_; // the root's transitions for every unit
};

} // namespace carbonym
