# Resource-only DLLs holding a given number of distinct icons (icon k is one solid colour), built
# into the calling folder's binary folder for the Win32 tests and the benchmark.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Adds <name>.dll with count icons to the list variable named by out_list.
function(glyphbay_icon_fixture out_list name count)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/fixtures/${name})
    set(dll ${CMAKE_CURRENT_BINARY_DIR}/${name}.dll)
    add_custom_command(
        OUTPUT ${dll}
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/fixtures/make_fixture_icons.py
                ${dir} ${name} ${count}
        COMMAND ${CMAKE_RC_COMPILER} ${dir}/${name}.rc -O coff -o ${dir}/${name}.o
        COMMAND ${CMAKE_C_COMPILER} -shared -nostdlib -Wl,-e,0 -o ${dll} ${dir}/${name}.o
        DEPENDS ${PROJECT_SOURCE_DIR}/tests/fixtures/make_fixture_icons.py
        COMMENT "Fixture ${name}.dll with ${count} icons"
        VERBATIM)
    set(${out_list} ${${out_list}} ${dll} PARENT_SCOPE)
endfunction()
