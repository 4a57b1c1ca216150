# SPDX-FileCopyrightText: the Konsultasi THT authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Copies the knowledge-base headers, makes one edit to one of them, and
# compiles a file that includes them. Run with -P; the test passes or fails by
# the compiler's verdict and message (see tests/CMakeLists.txt).
#   -DSOURCE=<repo> -DWORK=<dir> -DCXX=<compiler> -DFILE=<header> -DFROM=<text> -DTO=<text>
file(GLOB knowledge RELATIVE ${SOURCE} ${SOURCE}/knowledge/*.h)
foreach(header ${knowledge} consult/screens.h)
  configure_file(${SOURCE}/${header} ${WORK}/${header} COPYONLY)
endforeach()
if(FILE)
  file(READ ${WORK}/${FILE} text)
  string(FIND "${text}" "${FROM}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "edit not applicable: '${FROM}' is not in ${FILE}")
  endif()
  string(REPLACE "${FROM}" "${TO}" text "${text}")
  file(WRITE ${WORK}/${FILE} "${text}")
endif()
set(includes "#include \"consult/screens.h\"\n")
foreach(header ${knowledge})
  string(APPEND includes "#include \"${header}\"\n")
endforeach()
file(WRITE ${WORK}/check.cpp "${includes}int main() {}\n")
execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only -fmessage-length=0 -I${WORK} ${WORK}/check.cpp
                RESULT_VARIABLE failed ERROR_VARIABLE errors)
if(failed)
  message(FATAL_ERROR "does not compile:\n${errors}")
endif()
message(STATUS "compiles")
