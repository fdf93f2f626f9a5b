# Checks the release zip as a user receives it: exactly the program and its readme; the program
# a PE32 that imports system DLLs only, without debug sections, whose version resource names the
# version in the zip's name; the readme with Windows line ends; the README naming this download.
# Run with -DZIP=.../glyphbay-<version>-win32.zip -DOBJDUMP=... -DWINDRES=... -DREADME=...
# -DWORK=<a scratch folder>.
cmake_minimum_required(VERSION 3.25)

get_filename_component(zip_name ${ZIP} NAME)
if(NOT zip_name MATCHES "^glyphbay-([0-9]+(\\.[0-9]+)*)-win32\\.zip$")
    message(FATAL_ERROR "${zip_name} is not named glyphbay-<version>-win32.zip")
endif()
set(version ${CMAKE_MATCH_1})

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP} OUTPUT_VARIABLE listing
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${ZIP} cannot be read")
endif()
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" entries "${listing}")
list(SORT entries)
if(NOT entries STREQUAL "glyphbay.exe;readme.txt")
    message(FATAL_ERROR "${zip_name} holds '${entries}', not glyphbay.exe and readme.txt")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${ZIP} cannot be unpacked")
endif()

set(EXE ${WORK}/glyphbay.exe)
set(FORMAT pei-i386)
include(${CMAKE_CURRENT_LIST_DIR}/check_executable.cmake)

execute_process(COMMAND ${OBJDUMP} -h ${EXE} OUTPUT_VARIABLE sections)
string(REGEX MATCHALL "\\.z?debug[_a-z]*" debug_sections "${sections}")
if(debug_sections)
    message(FATAL_ERROR "glyphbay.exe carries debug sections: ${debug_sections}")
endif()

# windres reads the resources of an executable back as a resource script.
execute_process(COMMAND ${WINDRES} -i ${EXE} -O rc OUTPUT_VARIABLE resources RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "windres could not read the resources of glyphbay.exe")
endif()
string(REPLACE "." ";" numbers ${version})
list(LENGTH numbers count)
while(count LESS 4)
    list(APPEND numbers 0)
    math(EXPR count "${count} + 1")
endwhile()
list(JOIN numbers ", " fixed)
foreach(expected "FILEVERSION ${fixed}" "PRODUCTVERSION ${fixed}"
                 "VALUE \"FileVersion\", \"${version}\"" "VALUE \"ProductVersion\", \"${version}\"")
    string(FIND "${resources}" "${expected}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the version resource of glyphbay.exe lacks ${expected}")
    endif()
endforeach()
message(STATUS "version resource: ${version}")

# Read as bytes: a text read drops the carriage returns.
file(READ ${WORK}/readme.txt readme HEX)
string(REGEX REPLACE "(..)" " \\1" readme "${readme}")
string(REGEX MATCHALL " 0a" line_feeds "${readme}")
string(REGEX MATCHALL " 0d 0a" line_ends "${readme}")
list(LENGTH line_feeds line_feed_count)
list(LENGTH line_ends line_end_count)
if(line_end_count EQUAL 0 OR NOT line_end_count EQUAL line_feed_count)
    message(FATAL_ERROR "readme.txt does not end its lines with CR LF")
endif()

file(READ ${README} project_readme)
string(FIND "${project_readme}" "dist/${zip_name}" named)
if(named EQUAL -1)
    message(FATAL_ERROR "README.md does not name the download dist/${zip_name}")
endif()
