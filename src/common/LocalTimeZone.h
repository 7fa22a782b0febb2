#pragma once

namespace pelora {

// Without TZ in the environment the C library reads /etc/localtime again for every time stamp
// it turns into local time (a receipt list of thousands of rows spends half its time there).
// Naming that same file in TZ once keeps the zone in memory; a TZ already set is left alone.
void keepLocalTimeZoneLoaded();

} // namespace pelora
