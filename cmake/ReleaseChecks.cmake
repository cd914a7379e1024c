# The checks of a release, registered by the release preset
# (SUITE_RELEASE_CHECKS) with the label "release". They take the packages and
# the source tarball that the release workflow's package steps put in
# build-release/packages:
#   cmake --workflow --preset release
set(packages -DPACKAGES=${PROJECT_BINARY_DIR}/packages)
suite_delivery_check(release contents release CheckPackage ${packages})
suite_delivery_check(release lintian release CheckLintian ${packages})
suite_delivery_check(release hardening release CheckHardening ${packages}
                     -DCXX=${CMAKE_CXX_COMPILER})
suite_delivery_check(release reproducible release CheckReproducible ${packages})
suite_delivery_check(release source release CheckSource ${packages})
# Each of these builds the suite again: one at a time.
set_tests_properties(release.reproducible release.source PROPERTIES RESOURCE_LOCK rebuild
                                                                    TIMEOUT 2400)
