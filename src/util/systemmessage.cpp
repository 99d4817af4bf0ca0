#include "util/systemmessage.h"

#include <cstring>

namespace menuloom::util {

std::string systemMessage(int errnoValue) {
    return std::strerror(errnoValue);
}

} // namespace menuloom::util
