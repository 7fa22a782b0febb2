# The Firebird client library and its OO API headers (Debian: firebird-dev).
find_path(FIREBIRD_INCLUDE_DIR firebird/Interface.h REQUIRED)
find_library(FIREBIRD_LIBRARY NAMES fbclient REQUIRED)
add_library(Firebird::fbclient UNKNOWN IMPORTED)
set_target_properties(Firebird::fbclient PROPERTIES
    IMPORTED_LOCATION "${FIREBIRD_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${FIREBIRD_INCLUDE_DIR}")
