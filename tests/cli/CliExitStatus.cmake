# Runs laytime-cli as a user does and checks its exit status and error text.
#   CASE=usage    bad arguments exit 2 with the usage text on stderr
#   CASE=damaged  a file with a flipped byte exits 3 with the file layer's checksum message
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

if(CASE STREQUAL "usage")
  execute_process(COMMAND "${CLI}" calc --no-such-option
                  RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "expected exit status 2, got ${rc}")
  endif()
  if(NOT err MATCHES "unknown option --no-such-option" OR NOT err MATCHES "Usage: laytime-cli")
    message(FATAL_ERROR "no usage text on stderr: ${err}")
  endif()
elseif(CASE STREQUAL "damaged")
  execute_process(COMMAND "${CLI}" make "${EXAMPLE}" -o "${WORK}/voyage.ZQL" --defaults
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "make failed with ${rc}")
  endif()
  # Overwrite the first byte of the body (the low byte of a string length, never 0xFF here):
  # the checksum over the file no longer matches.
  file(COPY_FILE "${WORK}/voyage.ZQL" "${WORK}/damaged.ZQL")
  execute_process(COMMAND sh -c "printf '\\377' | dd of='${WORK}/damaged.ZQL' bs=1 seek=18 conv=notrunc 2>/dev/null"
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "could not damage the file")
  endif()
  execute_process(COMMAND "${CLI}" dump "${WORK}/damaged.ZQL" --defaults --quiet
                  RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
  if(NOT rc EQUAL 3)
    message(FATAL_ERROR "expected exit status 3, got ${rc}: ${err}")
  endif()
  set(expected "file CRC checksum error. ${WORK}/damaged.ZQL is corrupt or has been damaged during a transfer")
  string(FIND "${err}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "unexpected message: ${err}")
  endif()
else()
  message(FATAL_ERROR "unknown CASE ${CASE}")
endif()
