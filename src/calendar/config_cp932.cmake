# Makes the shipped config.txt from its UTF-8 master: CR LF line ends, code page
# 932. Run as: cmake -DMASTER=... -DOUTPUT=... -P config_cp932.cmake
file(READ "${MASTER}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}.utf8" "${text}")
execute_process(COMMAND iconv -f UTF-8 -t CP932 "${OUTPUT}.utf8"
                OUTPUT_FILE "${OUTPUT}.tmp" RESULT_VARIABLE failed)
file(REMOVE "${OUTPUT}.utf8")
if(failed)
  file(REMOVE "${OUTPUT}.tmp")
  message(FATAL_ERROR "${MASTER} has characters that code page 932 cannot hold")
endif()
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
