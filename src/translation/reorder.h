#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

// One translated line in Chinese word order: the last space-separated piece
// ending in "-", then the pieces ending in "-," (without the comma), then
// those ending in "," (without it), then the rest, each group in reverse
// order, joined without separators. A line of one piece is returned trimmed
// but otherwise unchanged.
std::u16string ReorderName(std::u16string_view line);

// The pieces of a line of several pieces in the order ReorderName joins
// them, separators dropped; the views point into `line`.
std::vector<std::u16string_view> ReorderedPieces(std::u16string_view line);

// The reorder command on a whole text: every non-empty line reordered and
// ended by a line break; empty lines are dropped.
std::u16string ReorderText(std::u16string_view text);

// The same with another order for each line.
std::u16string ReorderLines(std::u16string_view text, std::u16string (*reorder)(std::u16string_view));

// Where each line of a sorted text came from: for line k of ReorderText(text)
// (or ReorderTextByRules, ReorderLines), the index of the line of `text` it
// was made from. The empty lines the sort drops have no entry.
std::vector<size_t> ReorderedLineSources(std::u16string_view text);

// A sorted text put back on the lines it came from: line k of `sorted` at
// line sources[k], the lines in between empty, each line ended by a line
// break. Pairing the result by index (ToBilingual, FormatPairs) then pairs
// every line with its own source line.
std::u16string PlaceOnSourceLines(std::u16string_view sorted, const std::vector<size_t>& sources);

} // namespace carbonym
