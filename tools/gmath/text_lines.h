#ifndef GMATH_TOOL_TEXT_LINES_H
#define GMATH_TOOL_TEXT_LINES_H

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

// Caps on the text of one input. The longest value's text, a 100-point
// frustum with every number at full length, is about 8 KiB; the caps leave
// any sane layout room while keeping the tool's memory small whatever it is
// given, an endless stream included.
constexpr std::size_t kMaxLineBytes = 64 * 1024;
constexpr std::size_t kMaxInputBytes = 1024 * 1024;

// Hands each line of the stream, without its '\n', to onLine until that
// returns false. Empty when it stopped at the end of the stream, a read
// error or onLine's word; otherwise why it stopped: a line or the whole
// text over its cap, or a NUL byte, which no text holds.
std::string ForEachLine(FILE* stream, const std::function<bool(const std::string&)>& onLine);

#endif
