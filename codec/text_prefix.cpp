#include "text_prefix.h"

#include <cstring>

bool agrees_over(const char* a, const char* b, std::size_t n)
{
    if (!a || !b)
        return false;
    return std::strncmp(a, b, n) == 0;
}

bool begins_with_word(const char* text, const char* word)
{
    return word && agrees_over(text, word, std::strlen(word));
}
