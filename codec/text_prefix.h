#pragma once
// Prefix comparison used for request tags and reply texts: two texts agree over
// n characters when their first n characters are equal, or when both end at
// the same place before n.

#include <cstddef>

bool agrees_over(const char* a, const char* b, std::size_t n);

// text begins with word: they agree over the word's length.
bool begins_with_word(const char* text, const char* word);
