#include "platform/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

#include "platform/RunAhead.h"

namespace {

std::future<FcBool>& Reading() {
    static std::future<FcBool> reading;
    return reading;
}

}  // namespace

void ReadFontConfigurationAhead() {
    Reading() = RunAhead([] { return FcInit(); });
}

void AwaitFontConfiguration() {
    if (Reading().valid()) {
        Reading().get();
    }
}
