# Runs ombrel-holidays as a user would and checks what it prints: days that are
# easy to get wrong in the shipped config.txt, the era text, and the exits for a
# bad config.txt and bad arguments, and --check against lists in the published format.
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

# --check against lists in the Cabinet Office's format (CP932, CR LF, "休日" for
# substitute and citizens' holidays, "休日（祝日扱い）" for the two days of 2019),
# made from the shipped config.txt's own days.
run(0 1955 2027)
string(REPLACE "\n" ";" listed "${out}")
set(csv "")
set(listed_days 0)
foreach(line IN LISTS listed)
  if(line MATCHES "^([0-9]+)-0?([0-9]+)-0?([0-9]+)\t(祝日|休日)\t(.+)$")
    set(date "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}/${CMAKE_MATCH_3}")
    set(name "${CMAKE_MATCH_5}")
    if(name STREQUAL "振替休日" OR name STREQUAL "国民の休日")
      set(name "休日")
    elseif(date STREQUAL "2019/5/1" OR date STREQUAL "2019/10/22")
      set(name "休日（祝日扱い）")
    endif()
    string(APPEND csv "${date},${name}\r\n")
    math(EXPR listed_days "${listed_days} + 1")
  endif()
endforeach()
set(header "国民の祝日・休日月日,国民の祝日・休日名称\r\n")

# Writes `text` (UTF-8) to `file` in code page 932.
function(write_cp932 file text)
  file(WRITE ${file}.utf8 "${text}")
  execute_process(COMMAND iconv -f UTF-8 -t CP932 ${file}.utf8 OUTPUT_FILE ${file} RESULT_VARIABLE failed)
  file(REMOVE ${file}.utf8)
  if(failed)
    message(FATAL_ERROR "iconv could not write ${file}")
  endif()
endfunction()

# The output must be the arguments, joined.
function(expect_output)
  list(JOIN ARGV "" expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "printed:\n${out}\nexpected:\n${expected}")
  endif()
endfunction()

write_cp932(checker-list.csv "${header}${csv}")
run(0 --check checker-list.csv)
expect_output("1955年から2027年まで: 一覧 ${listed_days} 日、違い 0 件\n")

# UTF-8 with a BOM, LF, leading zeros and blank lines at the end read the same.
string(REPLACE "\r\n" "\n" relaxed "${header}${csv}")
string(REGEX REPLACE "/([0-9])/" "/0\\1/" relaxed "${relaxed}")
string(REGEX REPLACE "/([0-9]),"  "/0\\1," relaxed "${relaxed}")
string(ASCII 239 187 191 bom)
file(WRITE checker-list.csv "${bom}${relaxed}\n\n")
run(0 --check checker-list.csv)
expect_output("1955年から2027年まで: 一覧 ${listed_days} 日、違い 0 件\n")

# A missing line, an extra day, a wrong name and a day moved by a day.
set(edited "${csv}")
foreach(edit
    "2020/7/24,スポーツの日\r\n=2020/7/25,スポーツの日\r\n"
    "2020/11/3,文化の日\r\n=2020/10/12,スポーツの日\r\n2020/11/3,文化の日\r\n"
    "2021/8/9,休日\r\n="
    "2024/2/23,天皇誕生日\r\n=2024/2/23,天皇の誕生日\r\n")
  string(FIND "${edit}" "=" at)
  string(SUBSTRING "${edit}" 0 ${at} from)
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${edit}" ${at} -1 to)
  string(FIND "${edited}" "${from}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the shipped days lack ${from}")
  endif()
  string(REPLACE "${from}" "${to}" edited "${edited}")
endforeach()
write_cp932(checker-list.csv "${header}${edited}")
run(1 --check checker-list.csv --config config.txt)
expect_output("2020-07-24\t一覧にない\tconfig.txt: 祝日 スポーツの日\n"
              "2020-07-25\tconfig.txt にない\t一覧: スポーツの日\n"
              "2020-10-12\tconfig.txt にない\t一覧: スポーツの日\n"
              "2021-08-09\t一覧にない\tconfig.txt: 休日 振替休日\n"
              "2024-02-23\t名前が違う\t一覧: 天皇の誕生日\tconfig.txt: 祝日 天皇誕生日\n"
              "1955年から2027年まで: 一覧 ${listed_days} 日、違い 5 件\n")

# Lists that cannot be read: the reason and the line on stderr, status 2.
function(expect_refused list_text expected_error)
  write_cp932(checker-list.csv "${list_text}")
  run(2 --check checker-list.csv)
  string(FIND "${err}" "checker-list.csv: ${expected_error}" at)
  if(at EQUAL -1 OR NOT out STREQUAL "")
    message(FATAL_ERROR "expected \"${expected_error}\", printed:\n${out}\nand on stderr:\n${err}")
  endif()
endfunction()
expect_refused("${header}2024/1/1,元日\r\n2024/2/11,建国記念の日,祝日\r\n"
               "3 行目: 項目が 3 個あります")
expect_refused("${header}2024/1/1,元日\r\n2024/2/12,休日\r\n2024/2/30,休日\r\n"
               "4 行目: 「2024/2/30」という日はありません")
# Not text: the list saved as UTF-16, and bytes that are no CP932 on line 3.
file(WRITE checker-list.csv.utf8 "${header}2024/1/1,元日\r\n")
execute_process(COMMAND iconv -f UTF-8 -t UTF-16 checker-list.csv.utf8 OUTPUT_FILE checker-list.csv)
file(REMOVE checker-list.csv.utf8)
run(2 --check checker-list.csv)
string(FIND "${err}" "checker-list.csv: 1 行目: 文字として読めないバイトか制御文字があります" at)
if(at EQUAL -1)
  message(FATAL_ERROR "a UTF-16 list: ${err}")
endif()
write_cp932(checker-list.csv "${header}2024/1/1,元日\r\n")
string(ASCII 133 64 no_cp932)
file(APPEND checker-list.csv "2024/2/11,${no_cp932}\r\n")
run(2 --check checker-list.csv)
string(FIND "${err}" "checker-list.csv: 3 行目: 文字として読めないバイトか制御文字があります" at)
if(at EQUAL -1)
  message(FATAL_ERROR "bytes that are no CP932: ${err}")
endif()

run(2 --check checker-missing-list.csv)
string(FIND "${err}" "checker-missing-list.csv が見つかりませんでした。" at)
if(at EQUAL -1)
  message(FATAL_ERROR "no open-failure message for the list: ${err}")
endif()
write_cp932(checker-list.csv "${header}${csv}")
file(WRITE checker-bad-config.txt "# ok\nZz line two\n")
run(2 --check checker-list.csv --config checker-bad-config.txt)
string(FIND "${err}" "：2 行目" at)
if(at EQUAL -1)
  message(FATAL_ERROR "no line message for a bad config with --check: ${err}")
endif()
file(REMOVE checker-bad-config.txt checker-list.csv)
run(2 --check checker-list.csv 2019)
