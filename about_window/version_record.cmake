# The program's version record. The numbers come from project() in the
# top-level CMakeLists.txt; the texts are kept here. Included wherever the
# record is needed: the generated C++ header and the Windows resource.

set(TRELLAN_PRODUCT_NAME "Trellan")
set(TRELLAN_FILE_DESCRIPTION "${PROJECT_DESCRIPTION}")
set(TRELLAN_INTERNAL_NAME "Trellan 2")
set(TRELLAN_ORIGINAL_FILENAME "Trellan 2.exe")
set(TRELLAN_COMMENTS "Something of a thinking exercise.")
set(TRELLAN_LEGAL_TRADEMARKS "Enjoy some free stuff.")
set(TRELLAN_COMPANY_NAME "Trellan developers")

# Left-pads a number with zeros to the given width.
function(trellan_zero_pad out value width)
    string(LENGTH "${value}" length)
    set(zeros "")
    if(length LESS width)
        math(EXPR missing "${width} - ${length}")
        string(REPEAT "0" ${missing} zeros)
    endif()
    set(${out} "${zeros}${value}" PARENT_SCOPE)
endfunction()

# The text form of the version is major, minor in two digits and build in
# four: 1.0.0.65 reads "1.00.0065".
trellan_zero_pad(_trellan_minor2 "${PROJECT_VERSION_MINOR}" 2)
trellan_zero_pad(_trellan_build4 "${PROJECT_VERSION_TWEAK}" 4)
set(TRELLAN_VERSION_TEXT
    "${PROJECT_VERSION_MAJOR}.${_trellan_minor2}.${_trellan_build4}")
