# SPDX-License-Identifier: MIT
# Fails unless every DLL that PROGRAM imports is one of Windows' own.
cmake_minimum_required(VERSION 3.25)
# UIAutomationCore.dll is left out on purpose: the program looks its notifications up at
# run time, and starts on systems that lack them.
set(allowed ADVAPI32.dll COMCTL32.dll COMDLG32.dll GDI32.dll KERNEL32.dll msvcrt.dll
            OLEACC.dll OLEAUT32.dll SHELL32.dll USER32.dll UxTheme.dll msimg32.dll ole32.dll)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
if(NOT names)
    message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(entry IN LISTS names)
    string(REPLACE "DLL Name: " "" name "${entry}")
    string(STRIP "${name}" name)
    if(NOT name IN_LIST allowed)
        message(FATAL_ERROR "quimbelo.exe imports ${name}, not a DLL of Windows")
    endif()
    message(STATUS "imports ${name}")
endforeach()
