# Resource-only DLLs holding a given number of distinct icons (icon k is one solid colour), built
# into the calling folder's binary folder for the Win32 tests and the benchmark.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Adds <name>.dll with count icons to the list variable named by out_list. Icon k has the colour
# of index FIRST + k (FIRST 0 unless given). With PADDED, a 64 KiB section stands before the
# resources, so that they lie beyond the file's first pages.
function(glyphbay_icon_fixture out_list name count)
    cmake_parse_arguments(PARSE_ARGV 3 fixture "PADDED" "FIRST" "")
    if(NOT DEFINED fixture_FIRST)
        set(fixture_FIRST 0)
    endif()
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/fixtures/${name})
    set(dll ${CMAKE_CURRENT_BINARY_DIR}/${name}.dll)
    set(objects ${dir}/${name}.o)
    set(padding_source ${PROJECT_SOURCE_DIR}/tests/fixtures/padding.c)
    set(padding_command)
    if(fixture_PADDED)
        list(APPEND objects ${dir}/padding.o)
        set(padding_command COMMAND ${CMAKE_C_COMPILER} -c ${padding_source} -o ${dir}/padding.o)
    endif()
    add_custom_command(
        OUTPUT ${dll}
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/fixtures/make_fixture_icons.py
                ${dir} ${name} ${count} ${fixture_FIRST}
        COMMAND ${CMAKE_RC_COMPILER} ${dir}/${name}.rc -O coff -o ${dir}/${name}.o
        ${padding_command}
        COMMAND ${CMAKE_C_COMPILER} -shared -nostdlib -Wl,-e,0 -o ${dll} ${objects}
        DEPENDS ${PROJECT_SOURCE_DIR}/tests/fixtures/make_fixture_icons.py ${padding_source}
        COMMENT "Fixture ${name}.dll with ${count} icons"
        VERBATIM)
    set(${out_list} ${${out_list}} ${dll} PARENT_SCOPE)
endfunction()

# Adds the partial downloads of fixture <library>.dll (built with PADDED) to the list variable
# named by out_list: partial_dos.dll, partial_pe.dll, partial_sections.dll, partial_body.dll and
# partial_resources.dll, each the library's first bytes up to where its name says.
function(glyphbay_partial_downloads out_list library)
    set(script ${PROJECT_SOURCE_DIR}/tests/fixtures/make_partial_downloads.py)
    set(outputs)
    foreach(where dos pe sections body resources)
        list(APPEND outputs ${CMAKE_CURRENT_BINARY_DIR}/partial_${where}.dll)
    endforeach()
    add_custom_command(
        OUTPUT ${outputs}
        COMMAND ${Python3_EXECUTABLE} ${script} ${CMAKE_CURRENT_BINARY_DIR}/${library}.dll
                ${CMAKE_CURRENT_BINARY_DIR}
        DEPENDS ${script} ${CMAKE_CURRENT_BINARY_DIR}/${library}.dll
        COMMENT "Partial downloads of ${library}.dll"
        VERBATIM)
    set(${out_list} ${${out_list}} ${outputs} PARENT_SCOPE)
endfunction()
