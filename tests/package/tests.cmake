# The installed-package test: install this build into a scratch prefix and
# build an outside project against it (see package/RunPackageTest.cmake).
set(GRIDLUX_PACKAGE_SANITIZE_FLAGS "")
if(GRIDLUX_SANITIZE)
  # The installed library carries the sanitizer runtime, so must its users.
  set(GRIDLUX_PACKAGE_SANITIZE_FLAGS "-fsanitize=address,undefined")
endif()

add_test(NAME package.install_and_use
  COMMAND ${CMAKE_COMMAND}
    -DBUILD_DIR=${PROJECT_BINARY_DIR}
    -DPROJECT_DIR=${CMAKE_CURRENT_SOURCE_DIR}/package
    -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/package
    -DBUILD_TYPE=$<CONFIG>
    -DCXX=${CMAKE_CXX_COMPILER}
    "-DSANITIZE_FLAGS=${GRIDLUX_PACKAGE_SANITIZE_FLAGS}"
    "-DEXPECTED=${PROJECT_NAME} ${PROJECT_VERSION}"
    -P ${CMAKE_CURRENT_SOURCE_DIR}/package/RunPackageTest.cmake)
set_tests_properties(package.install_and_use PROPERTIES
  TIMEOUT 600
  ENVIRONMENT "${GRIDLUX_TEST_ENV}")
