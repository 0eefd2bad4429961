// UTF-16 text as the system counts it (one position per UTF-16 unit) and the
// string operations its rules use, with 1-based positions as the rules state them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace common {

using Text = std::u16string;

// Spaces only (U+0020), as the system trims; tabs and other blanks stay.
Text TrimSpaces(std::u16string_view s);
Text TrimLeftSpaces(std::u16string_view s);
Text TrimRightSpaces(std::u16string_view s);

// The first / last n units (all of s when n exceeds its length; n < 0 is 0).
Text Left(std::u16string_view s, long n);
Text Right(std::u16string_view s, long n);
// From 1-based position start, at most length units (length < 0: to the end).
// A start beyond the end gives the empty text; start < 1 counts as 1.
Text Mid(std::u16string_view s, long start, long length = -1);

// 1-based position of probe in s at or after position start, 0 when absent.
// An empty probe is found at start (when start <= length + 1).
long Find(std::u16string_view s, std::u16string_view probe, long start = 1);

// Splits at every occurrence of sep (which must not be empty); an empty s
// gives one empty item, as the system's split does.
std::vector<Text> Split(std::u16string_view s, std::u16string_view sep);

// Every occurrence of from (not empty) replaced by to, left to right.
Text Replace(std::u16string_view s, std::u16string_view from, std::u16string_view to);

// UTF-8 <-> UTF-16 for the edges that speak UTF-8 (SQLite, the console, JSON).
// Invalid input is replaced by U+FFFD rather than dropped.
std::string ToUtf8(std::u16string_view s);
Text FromUtf8(std::string_view s);

}  // namespace common
