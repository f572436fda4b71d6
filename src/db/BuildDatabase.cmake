# Builds the delivered database file from schema.sql (run by the build as
# `cmake -DISQL=... -DSCHEMA=... -DOUTPUT=... -DLOCK_DIR=... -P BuildDatabase.cmake`).
#
# The file is created under a temporary name and renamed only when isql-fb has
# run the whole script without error, so a failed build never leaves a
# half-built ZQMBASE.fb behind.
foreach(var ISQL SCHEMA OUTPUT LOCK_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "BuildDatabase.cmake: ${var} not set")
    endif()
endforeach()

# The embedded engine keeps its lock files in FIREBIRD_LOCK (default
# /tmp/firebird, created mode 0770 by whoever runs first). A folder in the
# build tree keeps the build working whoever ran Firebird before.
file(MAKE_DIRECTORY "${LOCK_DIR}")
set(ENV{FIREBIRD_LOCK} "${LOCK_DIR}")

set(tmp "${OUTPUT}.tmp")
set(wrapper "${OUTPUT}.create.sql")
file(REMOVE "${tmp}")
file(WRITE "${wrapper}"
    "SET SQL DIALECT 3;\n"
    "CREATE DATABASE '${tmp}' USER 'SYSDBA' PASSWORD 'plovhrund'\n"
    "    PAGE_SIZE 8192 DEFAULT CHARACTER SET UTF8;\n"
    "INPUT '${SCHEMA}';\n")

execute_process(
    COMMAND "${ISQL}" -q -b -ch UTF8 -i "${wrapper}"
    RESULT_VARIABLE rc
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
file(REMOVE "${wrapper}")
if(NOT rc EQUAL 0 OR NOT EXISTS "${tmp}")
    file(REMOVE "${tmp}")
    message(FATAL_ERROR "isql-fb failed to build ${OUTPUT} from ${SCHEMA} (exit ${rc}):\n${out}\n${err}")
endif()

# isql-fb creates the file for its owner and group only; let every user read
# it (tests copy it; an installer copies it beside the executable).
file(CHMOD "${tmp}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ GROUP_WRITE WORLD_READ)
file(RENAME "${tmp}" "${OUTPUT}")
