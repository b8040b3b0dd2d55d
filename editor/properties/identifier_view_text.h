// Texts of the identifier view that need no window.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The "Using" cell of an identifier: its dialogs joined by "; ". A list
// longer than `limit` bytes shows the whole names that fit and then "...",
// so that a long list neither vanishes nor ends in half a name.
std::string UsingText(const std::vector<std::string>& users, size_t limit);
