# Helpers that turn a folder of sources into a target. Every folder globs its own files, so adding a
# file never means editing a shared list.

# orvane_library(NAME folder-dir [RECURSE] DEPS targets...): a static library of every .cpp/.h/.qrc
# in DIR (and its subfolders with RECURSE), linking exactly the libraries named in DEPS.
function(orvane_library name dir)
    cmake_parse_arguments(ARG "RECURSE" "" "DEPS" ${ARGN})
    set(glob GLOB)
    if(ARG_RECURSE)
        set(glob GLOB_RECURSE)
    endif()
    file(${glob} sources CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.qrc")
    file(${glob} headers CONFIGURE_DEPENDS "${dir}/*.h")
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src" "${PROJECT_SOURCE_DIR}/tools")
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# orvane_test(NAME DIR DEPS targets...): one GoogleTest executable of every .cpp in DIR and its
# subfolders, run on Qt's offscreen platform; each test case becomes its own CTest test.
function(orvane_test name dir)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} orvane_test_support GTest::gtest GTest::gmock
        Qt6::Test Qt6::Widgets Threads::Threads)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
