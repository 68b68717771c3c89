# Installs the build into a staging prefix with `cmake --install` and checks
# that the program, its desktop entry, its metainfo and its theme icons are
# there and name one another correctly.
#
# -DBUILD_DIR=<build tree> -DSTAGE_DIR=<scratch prefix>

file(REMOVE_RECURSE "${STAGE_DIR}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE_DIR}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}${errors}")
endif()

set(failures "")
macro(fail text)
    string(APPEND failures "  ${text}\n")
endmacro()

set(app_id org.example.trellan)
set(desktop "${STAGE_DIR}/share/applications/${app_id}.desktop")
set(metainfo "${STAGE_DIR}/share/metainfo/${app_id}.metainfo.xml")

if(NOT EXISTS "${STAGE_DIR}/bin/trellan")
    fail("no bin/trellan")
endif()

# The desktop entry starts the installed program and names the theme icon.
if(NOT EXISTS "${desktop}")
    fail("no share/applications/${app_id}.desktop")
    set(icon_name "${app_id}")
else()
    file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
    file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
    string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec_name "${exec_line}")
    string(REGEX REPLACE "^Icon=" "" icon_name "${icon_line}")
    if(NOT EXISTS "${STAGE_DIR}/bin/${exec_name}")
        fail("the desktop entry runs '${exec_name}', which is not in bin/")
    endif()
    if(NOT icon_name STREQUAL app_id)
        fail("the desktop entry names icon '${icon_name}', not '${app_id}'")
    endif()
endif()

# The metainfo names the same application and launches its desktop entry.
if(NOT EXISTS "${metainfo}")
    fail("no share/metainfo/${app_id}.metainfo.xml")
else()
    file(READ "${metainfo}" text)
    foreach(wanted
            "<id>${app_id}</id>"
            "<launchable type=\"desktop-id\">${app_id}.desktop</launchable>"
            "<release version=\"1.0.0.65\" date=\"2008-08-31\"/>"
            "<project_license>GPL-3.0-or-later</project_license>")
        string(FIND "${text}" "${wanted}" at)
        if(at EQUAL -1)
            fail("the metainfo lacks ${wanted}")
        endif()
    endforeach()
endif()

# One PNG per theme size, of that size (width and height from its header).
foreach(size 16 24 32 48 64 72 96 128)
    set(png "${STAGE_DIR}/share/icons/hicolor/${size}x${size}/apps/${icon_name}.png")
    if(NOT EXISTS "${png}")
        fail("no ${size}x${size} theme icon")
        continue()
    endif()
    file(READ "${png}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
        fail("the ${size}x${size} theme icon is not a ${size} x ${size} PNG (${width} x ${height})")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "The installed tree under ${STAGE_DIR} is not as expected:\n${failures}")
endif()
message(STATUS "Installed program, desktop entry, metainfo and 8 theme icons found")
