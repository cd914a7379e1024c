# GoogleTest built from its sources as part of the suite, for builds whose C++
# library is not the one an installed GoogleTest was built for: Debian's
# libgtest is built for libstdc++, so a build with clang++ -stdlib=libc++
# needs its own. Debian's googletest package (which libgtest-dev brings) has
# the sources in /usr/src/googletest:
#
#   -DSUITE_GTEST_SOURCE=/usr/src/googletest
#
# Only gtest and gtest_main are built, with the suite's compiler and flags,
# and only when a unit test needs them; none of it is installed. Sets
# GTest_FOUND, as find_package(GTest) would, with GTest::gtest_main defined.

if(NOT EXISTS ${SUITE_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "SUITE_GTEST_SOURCE: ${SUITE_GTEST_SOURCE} holds no GoogleTest sources \
(Debian package googletest installs them in /usr/src/googletest)")
endif()
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
add_subdirectory(${SUITE_GTEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set(GTest_FOUND TRUE)
