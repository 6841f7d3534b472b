# GoogleTest for the tiers that run under Wine: built from Debian's sources with the MinGW
# compiler (the system's gtest package holds Linux libraries only). Linked statically, as the
# toolchain links everything, so the test programs need no DLL beside them.
include_guard(GLOBAL)

set(NEVRA_GTEST_SOURCE_DIR /usr/src/googletest/googletest CACHE PATH "GoogleTest sources for the Windows test tiers")

add_library(nevra_mingw_gtest STATIC ${NEVRA_GTEST_SOURCE_DIR}/src/gtest-all.cc)
target_include_directories(nevra_mingw_gtest SYSTEM PUBLIC ${NEVRA_GTEST_SOURCE_DIR}/include
                           PRIVATE ${NEVRA_GTEST_SOURCE_DIR})

add_library(nevra_mingw_gtest_main STATIC ${NEVRA_GTEST_SOURCE_DIR}/src/gtest_main.cc)
target_link_libraries(nevra_mingw_gtest_main PUBLIC nevra_mingw_gtest)
