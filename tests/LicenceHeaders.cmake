# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
#
# Every source file says its licence in its first lines, and the licence's text is there.
# Run as: cmake -DSOURCE_DIR=... -P LicenceHeaders.cmake
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.in
  ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/tests/*.cmake
  ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h ${SOURCE_DIR}/fuzz/*.cpp
  ${SOURCE_DIR}/scripts/*.sh ${SOURCE_DIR}/fuzz/*.sh ${SOURCE_DIR}/*CMakeLists.txt)
list(APPEND sources .ci/run)
set(missing "")
foreach(f ${sources})
  file(STRINGS ${SOURCE_DIR}/${f} head LIMIT_COUNT 3)
  if(NOT head MATCHES "SPDX-License-Identifier: GPL-3.0-or-later")
    string(APPEND missing "\n  ${f}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "No SPDX licence line in the first lines of:${missing}")
endif()
file(STRINGS ${SOURCE_DIR}/COPYING licence LIMIT_COUNT 3)
if(NOT licence MATCHES "GNU GENERAL PUBLIC LICENSE.*Version 3")
  message(FATAL_ERROR "COPYING does not hold the GNU GPL, version 3")
endif()
list(LENGTH sources n)
message(STATUS "${n} files, each with its licence line")
