# Helpers that turn a folder of sources into a target. Every folder globs its own files, so adding a
# file never means editing a shared list.

# orvane_library(NAME folder-dir DEPS targets...): a static library of every .cpp/.h/.qrc in DIR.
# A folder with no .cpp yet yields no target; dependents skip it.
function(orvane_library name dir)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h" "${dir}/*.qrc")
    list(FILTER sources INCLUDE REGEX "\\.(cpp|qrc)$")
    if(NOT sources)
        return()
    endif()
    file(GLOB headers CONFIGURE_DEPENDS "${dir}/*.h")
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src" "${PROJECT_SOURCE_DIR}/tools")
    foreach(dep IN LISTS ARG_DEPS)
        if(TARGET ${dep} OR dep MATCHES "::")
            target_link_libraries(${name} PUBLIC ${dep})
        endif()
    endforeach()
endfunction()

# orvane_test(NAME DIR DEPS targets...): one GoogleTest executable of every .cpp in DIR, run on Qt's
# offscreen platform; each test case becomes its own CTest test.
function(orvane_test name dir)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${dir}/*.cpp")
    if(NOT sources)
        return()
    endif()
    foreach(dep IN LISTS ARG_DEPS)
        if(NOT TARGET ${dep} AND NOT dep MATCHES "::")
            message(STATUS "Skipping ${name}: ${dep} is not built yet")
            return()
        endif()
    endforeach()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} orvane_test_support GTest::gtest GTest::gmock
        Qt6::Test Qt6::Widgets Threads::Threads)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
