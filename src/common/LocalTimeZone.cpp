#include "common/LocalTimeZone.h"

#include <cstdlib>
#include <ctime>

namespace pelora {

void keepLocalTimeZoneLoaded() {
    if (std::getenv("TZ") == nullptr) {
        setenv("TZ", ":/etc/localtime", 0);
        tzset();
    }
}

} // namespace pelora
