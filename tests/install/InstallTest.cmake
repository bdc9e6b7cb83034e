# cmake -D BUILD_DIR=... -D PREFIX=... -D VERSION=... -P InstallTest.cmake
# Installs BUILD_DIR into PREFIX, checks what landed where, and runs the installed programs.
foreach(variable BUILD_DIR PREFIX VERSION)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "InstallTest.cmake needs -D ${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${errors}")
endif()

# Where desktops look for the entry and the icon (freedesktop.org menu and icon theme layouts).
foreach(file
    bin/quillon
    bin/quillon-cli
    share/applications/quillon.desktop
    share/icons/hicolor/scalable/apps/quillon.svg
    share/icons/hicolor/256x256/apps/quillon.png)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(SEND_ERROR "not installed: ${file}")
  endif()
endforeach()

# Runs an installed program and compares its standard output and exit status.
function(expect_run expected_output)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${PREFIX}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT output STREQUAL expected_output)
    string(REPLACE ";" " " command "${ARGN}")
    message(SEND_ERROR "${command}\n  exit status: ${status}\n  expected:\n${expected_output}"
                       "  got:\n${output}  standard error:\n${errors}")
  endif()
endfunction()

# 1. Code 128, code set B, "AB": symbol characters from the ISO/IEC 15417 table, written as
#    width digits turned into bars "5".."8" and spaces "0".."3"; check value (104 + 33*1 + 34*2) mod 103 = 102.
set(start_b "605153")   # START B  211214
set(char_a  "505262")   # A, 33    111323
set(char_b  "525062")   # B, 34    131123
set(check   "805070")   # 102      411131
set(stop    "6270506")  # STOP     2331112
expect_run("${start_b}${char_a}${char_b}${check}${stop}\nAB\n"
  "${PREFIX}/bin/quillon-cli" pattern -k Code128B AB)
# 2-3. Both programs name their version; the window's answers without a display.
expect_run("quillon-cli ${VERSION}\n" "${PREFIX}/bin/quillon-cli" --version)
expect_run("quillon ${VERSION}\n" "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
  --unset=QT_QPA_PLATFORM "${PREFIX}/bin/quillon" --version)
