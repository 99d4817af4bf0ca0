#include "model/crossframe.h"

namespace menuloom::model {

void ResetCrossframeParams(CrossframeSettings& settings) {
    settings = CrossframeSettings{};
}

bool isFrameNumberChar(char c) {
    return c >= '0' && c <= '9';
}

std::string filterFrameNumber(std::string_view typed) {
    std::string out;
    for (char c : typed)
        if (isFrameNumberChar(c))
            out += c;
    return out;
}

} // namespace menuloom::model
