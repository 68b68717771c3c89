# Compiles the program's resource script with the MinGW resource compiler,
# both to an object file for linking and to a .res file, then decompiles the
# .res file and checks the version record and the icon group in it.
#
# -DWINDRES=<windres> -DRC_FILE=<trellan.rc> -DWORK_DIR=<scratch directory>

if(NOT WINDRES OR NOT EXISTS "${WINDRES}")
    message(FATAL_ERROR "x86_64-w64-mingw32-windres not found: "
        "install binutils-mingw-w64-x86-64 (tools/setup.sh does)")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

# The MinGW C compiler is not needed: the host's C preprocessor serves.
foreach(format coff res)
    execute_process(
        COMMAND "${WINDRES}" --preprocessor=cpp -i "${RC_FILE}" -O ${format}
            -o "${WORK_DIR}/trellan.${format}"
        RESULT_VARIABLE result
        ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "windres -O ${format} failed (${result}):\n${errors}")
    endif()
endforeach()

execute_process(
    COMMAND "${WINDRES}" -J res -O rc -i "${WORK_DIR}/trellan.res" -o "${WORK_DIR}/decompiled.rc"
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "decompiling the .res file failed (${result}):\n${errors}")
endif()
file(READ "${WORK_DIR}/decompiled.rc" decompiled)

set(failures "")
macro(expect what)
    string(FIND "${decompiled}" "${what}" at)
    if(at EQUAL -1)
        string(APPEND failures "  missing: ${what}\n")
    endif()
endmacro()

expect("LANGUAGE 9, 1")
expect("FILEVERSION 1, 0, 0, 65")
expect("PRODUCTVERSION 1, 0, 0, 65")
expect("FILEOS 0x40004")
expect("FILETYPE 0x1\n")
expect("BLOCK \"040904B0\"")
expect("VALUE \"Comments\", \"Something of a thinking exercise.\"")
expect("VALUE \"CompanyName\", \"Trellan developers\"")
expect("VALUE \"FileDescription\", \"Trellan. Made to be used for free.\"")
expect("VALUE \"FileVersion\", \"1.00.0065\"")
expect("VALUE \"InternalName\", \"Trellan 2\"")
expect("VALUE \"LegalTrademarks\", \"Enjoy some free stuff.\"")
expect("VALUE \"OriginalFilename\", \"Trellan 2.exe\"")
expect("VALUE \"ProductName\", \"Trellan\"")
expect("VALUE \"ProductVersion\", \"1.00.0065\"")
expect("VALUE \"Translation\", 0x409, 1200")

# The icon group: twelve images, sizes in octal as windres prints them.
expect("Has 12 elements.")
set(element 0)
foreach(image "020 8" "030 8" "040 8" "060 8"
              "020 32" "030 32" "040 32" "060 32" "100 32" "110 32" "140 32" "200 32")
    math(EXPR element "${element} + 1")
    string(REPLACE " " ";" parts "${image}")
    list(GET parts 0 size)
    list(GET parts 1 bits)
    string(REGEX MATCH
        "\"\\\\${size}\\\\${size}\\\\000\\\\000\", 1, ${bits}, 0x[0-9a-f]+L, [0-9]+,?\t/\\* Element no ${element}\\. +\\*/"
        found "${decompiled}")
    if(NOT found)
        string(APPEND failures "  icon element ${element}: not ${image} (octal size, bits)\n")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "The compiled resource is not as expected:\n${failures}")
endif()
message(STATUS "Resource script compiles; version record and 12 icon images found")
