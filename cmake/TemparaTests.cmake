# SPDX-License-Identifier: GPL-3.0-or-later
# tempara_test(NAME SOURCES … LIBS … [GUI]): one QTest executable registered with ctest.
# Tests run headless on the offscreen platform in a German locale unless they pin another.
function(tempara_test name)
    cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    if(T_GUI)
        set(label gui)
    else()
        set(label core)
    endif()
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg)
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg;LC_ALL=de_DE.UTF-8;LANG=de_DE.UTF-8"
        LABELS ${label}
        TIMEOUT 300)
endfunction()
