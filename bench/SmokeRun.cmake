# Run by ctest for each benchmark program: a smoke run on a copy of the demo template made for
# it, deleted afterwards. Fails when the program ends with anything but 0, crashes included.
get_filename_component(name "${PROGRAM}" NAME)
get_filename_component(folder "${TEMPLATE}" DIRECTORY)
set(database "${folder}/${name}.gdb")
file(COPY_FILE "${TEMPLATE}" "${database}")
# The server may run as a user of its own.
file(CHMOD "${database}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ GROUP_WRITE WORLD_READ WORLD_WRITE)
include("${CMAKE_CURRENT_LIST_DIR}/../tests/support/SysdbaPassword.cmake")
set(ENV{PELORA_BENCH_SMOKE} 1)
execute_process(COMMAND "${PROGRAM}" "localhost:${database}" RESULT_VARIABLE rc)
file(REMOVE "${database}")
if(NOT rc STREQUAL "0")
    message(FATAL_ERROR "${name} did not run to its end: ${rc}")
endif()
