#pragma once
// Lets GoogleTest show CString values as text in failure messages.
#include <ostream>

#include "platform/Convert.h"

template <typename T>
void PrintTo(const CStringT<T>& s, std::ostream* os)
{
    if constexpr (std::is_same_v<T, wchar_t>)
        *os << "L\"" << WideToUtf8(s) << "\"";
    else
        *os << "\"" << s.GetString() << "\"";
}
