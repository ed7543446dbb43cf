# Installs a Gridlux build tree into a scratch prefix, then builds and runs
# the outside project against it twice: through find_package(Gridlux) and
# through pkg-config's gridlux.pc.
#
# cmake -DBUILD_DIR=... -DPROJECT_DIR=... -DWORK_DIR=... -DEXPECTED=... \
#       [-DBUILD_TYPE=...] [-DCXX=...] [-DSANITIZE_FLAGS=...] -P RunPackageTest.cmake
foreach(var BUILD_DIR PROJECT_DIR WORK_DIR EXPECTED)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunPackageTest.cmake needs -D${var}=...")
  endif()
endforeach()

function(run_step what)
  execute_process(COMMAND ${ARGN}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${out}\n${err}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

function(check_output what text)
  string(STRIP "${text}" text)
  if(NOT text MATCHES "^${EXPECTED}: PoBase : BaseKit$")
    message(FATAL_ERROR "${what} printed '${text}', expected '${EXPECTED}: PoBase : BaseKit'")
  endif()
  message(STATUS "${what}: ${text}")
endfunction()

# A prefix that has never been near the build tree, so that nothing is
# found there by accident.
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

set(config_args)
if(BUILD_TYPE)
  set(config_args --config ${BUILD_TYPE})
endif()
run_step("installing ${BUILD_DIR}" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} ${config_args})

# The installed program finds the installed library wherever the prefix is.
file(GLOB_RECURSE installed_program LIST_DIRECTORIES false ${prefix}/bin/gridlux)
if(installed_program)
  run_step("running the installed gridlux program" ${installed_program} --version)
  string(STRIP "${step_output}" version_line)
  if(NOT version_line STREQUAL EXPECTED)
    message(FATAL_ERROR "installed gridlux --version printed '${version_line}', expected '${EXPECTED}'")
  endif()
endif()

# Through find_package(Gridlux).
set(cmake_args -S ${PROJECT_DIR} -B ${WORK_DIR}/build -DCMAKE_PREFIX_PATH=${prefix})
if(CXX)
  list(APPEND cmake_args -DCMAKE_CXX_COMPILER=${CXX})
endif()
if(BUILD_TYPE)
  list(APPEND cmake_args -DCMAKE_BUILD_TYPE=${BUILD_TYPE})
endif()
if(SANITIZE_FLAGS)
  list(APPEND cmake_args "-DCMAKE_CXX_FLAGS=${SANITIZE_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${SANITIZE_FLAGS}")
endif()
run_step("configuring the outside project" ${CMAKE_COMMAND} ${cmake_args})
run_step("building the outside project" ${CMAKE_COMMAND} --build ${WORK_DIR}/build ${config_args})
file(GLOB_RECURSE program LIST_DIRECTORIES false ${WORK_DIR}/build/package_check)
if(NOT program)
  message(FATAL_ERROR "the outside project built no package_check program")
endif()
run_step("running the outside project" ${program})
check_output("find_package(Gridlux)" "${step_output}")

# Through gridlux.pc, when pkg-config is there to read it.
find_program(PKG_CONFIG_EXECUTABLE NAMES pkg-config pkgconf)
if(PKG_CONFIG_EXECUTABLE)
  file(GLOB_RECURSE pc_file LIST_DIRECTORIES false ${prefix}/gridlux.pc)
  if(NOT pc_file)
    message(FATAL_ERROR "no gridlux.pc installed under ${prefix}")
  endif()
  get_filename_component(pc_dir ${pc_file} DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} ${pc_dir})
  run_step("pkg-config" ${PKG_CONFIG_EXECUTABLE} --cflags --libs gridlux)
  string(STRIP "${step_output}" pc_flags)
  separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
  separate_arguments(extra UNIX_COMMAND "${SANITIZE_FLAGS}")
  if(NOT CXX)
    set(CXX c++)
  endif()
  # The library directory is only known through pkg-config's -L flag.
  set(rpath)
  foreach(flag ${pc_flags})
    if(flag MATCHES "^-L(.+)$")
      list(APPEND rpath "-Wl,-rpath,${CMAKE_MATCH_1}")
    endif()
  endforeach()
  run_step("compiling with pkg-config's flags" ${CXX} -std=c++17 ${extra}
    ${PROJECT_DIR}/main.cpp -o ${WORK_DIR}/package_check_pc ${pc_flags} ${rpath})
  run_step("running the pkg-config build" ${WORK_DIR}/package_check_pc)
  check_output("pkg-config gridlux" "${step_output}")
endif()
