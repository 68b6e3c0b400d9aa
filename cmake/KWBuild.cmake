# Build conventions shared by every folder: the staged installation tree, library naming,
# sanitizers, tests and benchmarks.

# The relocatable installation tree, staged so that built programs run in place.
set(KW_STAGE_DIR "${CMAKE_BINARY_DIR}/stage")
set(KW_STAGE_BIN "${KW_STAGE_DIR}/Bin")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${KW_STAGE_BIN}")
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY "${KW_STAGE_BIN}")

# Programs and libraries find each other beside themselves, in the build and after installation.
set(CMAKE_BUILD_RPATH_USE_ORIGIN ON)
set(CMAKE_INSTALL_RPATH "$ORIGIN")

set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)
add_compile_options(-Wall -Wextra)

if(KW_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# A shared library of the studio: "Name.so" in Bin/, no "lib" prefix, installed with the programs.
function(kw_add_shared_library name)
    add_library(${name} SHARED ${ARGN})
    set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME "${name}")
    install(TARGETS ${name} LIBRARY DESTINATION Bin RUNTIME DESTINATION Bin)
endfunction()

# Copies every file under the given folder into the staged tree and installs it from there. A file
# named "<name>.utf8" is an editable UTF-8 source of a settings text: it is staged as "<name>" in
# UTF-16LE with a byte-order mark and CR LF line ends.
function(kw_stage_install_data source_dir)
    if(NOT IS_DIRECTORY "${source_dir}")
        return()
    endif()
    file(GLOB_RECURSE files RELATIVE "${source_dir}" CONFIGURE_DEPENDS "${source_dir}/*")
    set(staged)
    foreach(file IN LISTS files)
        if(file MATCHES "^(.*)\\.utf8$")
            set(target "${KW_STAGE_DIR}/${CMAKE_MATCH_1}")
            get_filename_component(target_dir "${target}" DIRECTORY)
            add_custom_command(OUTPUT "${target}"
                COMMAND ${CMAKE_COMMAND} -E make_directory "${target_dir}"
                COMMAND kwutf16 "${source_dir}/${file}" "${target}"
                DEPENDS "${source_dir}/${file}" kwutf16
                COMMENT "Staging ${CMAKE_MATCH_1} as UTF-16")
        else()
            set(target "${KW_STAGE_DIR}/${file}")
            add_custom_command(OUTPUT "${target}"
                COMMAND ${CMAKE_COMMAND} -E copy "${source_dir}/${file}" "${target}"
                DEPENDS "${source_dir}/${file}"
                COMMENT "Staging ${file}")
        endif()
        list(APPEND staged "${target}")
    endforeach()
    add_custom_target(kw_install_data ALL DEPENDS ${staged})
    install(DIRECTORY "${KW_STAGE_DIR}/" DESTINATION "." PATTERN "Bin" EXCLUDE)
endfunction()

# A GoogleTest program under tests/, each test case its own CTest entry. Its main (tests/support)
# gives every test process a home folder of its own.
function(kw_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    include(GoogleTest)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} kwtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# A Google Benchmark program under bench/, built by the "benchmarks" target only.
function(kw_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} EXCLUDE_FROM_ALL ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} kwbench_support)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bench")
    add_dependencies(benchmarks ${name})
endfunction()
