// SPDX-License-Identifier: MIT
#include "counttext.h"

#include <cmath>

namespace quimbelo {

std::string countText(double value)
{
    return std::to_string(static_cast<long long>(std::llround(value)));
}

double countValue(std::string_view caption)
{
    std::size_t i = 0;
    while (i < caption.size() && (caption[i] == ' ' || caption[i] == '\t')) {
        ++i;
    }
    double sign = 1;
    if (i < caption.size() && (caption[i] == '-' || caption[i] == '+')) {
        sign = caption[i] == '-' ? -1 : 1;
        ++i;
    }
    double value = 0;
    for (; i < caption.size() && caption[i] >= '0' && caption[i] <= '9'; ++i) {
        value = value * 10 + (caption[i] - '0');
    }
    return sign * value;
}

} // namespace quimbelo
