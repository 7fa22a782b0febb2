# Run by ctest before the tests that need a database: makes the template database that each
# test copies. Takes the SYSDBA password from ISC_PASSWORD, else from the Debian package's file.
file(MAKE_DIRECTORY "${FOLDER}")
# The server may run as a user of its own.
file(CHMOD "${FOLDER}" DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_WRITE GROUP_EXECUTE
     WORLD_READ WORLD_WRITE WORLD_EXECUTE)
file(GLOB leftovers "${FOLDER}/*.gdb")
if(leftovers)
    file(REMOVE ${leftovers})
endif()
file(GLOB leftover_sites "${FOLDER}/site-*")
if(leftover_sites)
    file(REMOVE_RECURSE ${leftover_sites})
endif()

include("${CMAKE_CURRENT_LIST_DIR}/SysdbaPassword.cmake")

# The bare definition, and the demo venue for the tests of the windows.
execute_process(
    COMMAND "${DBINIT}" --no-forced-writes
            --admin1-password pelora-demo1 --admin2-password pelora-demo2
            "localhost:${TEMPLATE}"
    RESULT_VARIABLE rc)
if(rc EQUAL 0)
    execute_process(
        COMMAND "${DBINIT}" --no-forced-writes --demo
                --admin1-password pelora-demo1 --admin2-password pelora-demo2
                "localhost:${DEMO_TEMPLATE}"
        RESULT_VARIABLE rc)
endif()
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pelora-dbinit could not make the test template (is the Firebird server "
                        "running? make test starts it).")
endif()
