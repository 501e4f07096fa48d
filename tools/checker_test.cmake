# Runs ombrel-holidays as a user would and checks what it prints: days that are
# easy to get wrong in the shipped config.txt, the era text, and the exits for a
# bad config.txt and bad arguments.
#   cmake -DTOOL=path [-DEMULATOR=wine-run] -P checker_test.cmake   (in the build folder)

function(run expected_status)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "ombrel-holidays ${ARGN}: status ${status}, expected ${expected_status}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_line text line)
  string(FIND "${text}" "${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing: ${line}")
  endif()
endfunction()

function(expect_no_day text day)
  string(FIND "${text}" "${day}\t" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "marked, but no holiday: ${day}")
  endif()
endfunction()

run(0 1973 2021)
foreach(line
    "1973-04-30\t休日\t振替休日"
    "1973-09-24\t休日\t振替休日"
    "1989-02-24\t休日\t昭和天皇の大喪の礼"
    "2019-04-30\t休日\t国民の休日"
    "2019-05-01\t休日\t天皇の即位の日"
    "2019-05-02\t休日\t国民の休日"
    "2019-10-22\t休日\t即位礼正殿の儀の行われる日"
    "2020-07-23\t祝日\t海の日"
    "2020-07-24\t祝日\tスポーツの日"
    "2021-08-08\t祝日\t山の日"
    "2021-08-09\t休日\t振替休日")
  expect_line("${out}" "${line}")
endforeach()
foreach(day 1973-02-12 2019-02-23 2019-12-23 2020-07-20 2020-10-12 2021-10-11)
  expect_no_day("${out}" "${day}")
endforeach()
string(FIND "${out}" "\r" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "carriage returns in the output")
endif()

run(0 2019)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT count EQUAL 22)
  message(FATAL_ERROR "2019 has 22 holidays and rest days, printed ${count}:\n${out}")
endif()

run(0 --eras 2019)
expect_line("${out}" "2019-04\t平成31年")
expect_line("${out}" "2019-05\t令和元年")

file(WRITE checker-bad-config.txt "# ok\nZz line two\n")
run(1 --config checker-bad-config.txt 2019)
string(FIND "${err}" "第１フィールドが合っていません。：2 行目" at)
if(at EQUAL -1)
  message(FATAL_ERROR "no line message for a bad config: ${err}")
endif()
file(REMOVE checker-bad-config.txt)

# Text mode ends the file at Ctrl+Z: the bad line after it is never read.
string(ASCII 26 ctrl_z)
file(WRITE checker-ctrl-z-config.txt "# ok\r\n${ctrl_z}Zz line two\r\n")
run(0 --config checker-ctrl-z-config.txt 2019)
file(REMOVE checker-ctrl-z-config.txt)

run(1 --config checker-missing-config.txt 2019)
string(FIND "${err}" "checker-missing-config.txt が見つかりませんでした。" at)
if(at EQUAL -1)
  message(FATAL_ERROR "no open-failure message: ${err}")
endif()

run(2 2020 2019)
run(2 year)
