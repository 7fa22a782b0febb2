# Included by the scripts ctest runs: leaves the SYSDBA password in ISC_PASSWORD, taken from the
# Debian package's file when the environment has none.
if("$ENV{ISC_PASSWORD}" STREQUAL "" AND EXISTS /etc/firebird/3.0/SYSDBA.password)
    file(STRINGS /etc/firebird/3.0/SYSDBA.password line REGEX "^ISC_PASSWORD=")
    string(REGEX REPLACE "^ISC_PASSWORD=\"?([^\"]*)\"?$" "\\1" password "${line}")
    set(ENV{ISC_PASSWORD} "${password}")
endif()
