# Where the zone table's data comes from: a tzdata package, chosen by
# QT_TZDATA (see CMakeLists.txt) and handed to tools/gen_zone_table.py.

# Downloads the wheel of a tzdata release into the build tree (once) and sets
# <wheel_var> to its path; stops the configure step when pip cannot get it.
function(qt_fetch_tzdata release wheel_var)
  set(dir "${CMAKE_CURRENT_BINARY_DIR}/tzdata-${release}")
  file(GLOB wheel "${dir}/tzdata-*.whl")
  if(NOT wheel)
    message(STATUS "Fetching tzdata==${release} with pip")
    # PYTHONPATH goes: in an isolated build environment it carries pip's hook
    # that hides the interpreter's own packages, pip itself among them.
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env --unset=PYTHONPATH
              ${Python_EXECUTABLE} -m pip download --quiet --no-deps --only-binary=:all:
              --dest ${dir} tzdata==${release}
      RESULT_VARIABLE failed)
    file(GLOB wheel "${dir}/tzdata-*.whl")
    if(failed OR NOT wheel)
      message(FATAL_ERROR
        "Could not fetch tzdata==${release} with pip (its messages are above). QT_TZDATA must name "
        "a tzdata release on the package index, such as 2025.2, or the path of a tzdata wheel or package.")
    endif()
  endif()
  set(${wheel_var} "${wheel}" PARENT_SCOPE)
endfunction()

# The release pyproject.toml pins, read from its first "tzdata==X" (the build
# requirement; tests/test_zones.py keeps the extras' pins equal to it).
function(qt_pinned_tzdata release_var)
  set(pyproject "${CMAKE_CURRENT_SOURCE_DIR}/pyproject.toml")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${pyproject}")
  file(READ "${pyproject}" text)
  if(NOT text MATCHES "\"tzdata==([^\"]+)\"")
    message(FATAL_ERROR "pyproject.toml pins no tzdata release (a \"tzdata==X\" build requirement)")
  endif()
  set(${release_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# Sets <path_var> to the tzdata wheel or package directory to compile,
# <release_var> to the release it must hold (empty for a path the caller
# gave, which is taken as it is) and <depends_var> to the file whose change
# regenerates the table. <requested> is QT_TZDATA: empty for the pinned
# release, a release, or a path. The build environment's own tzdata serves
# when it is the release asked for.
function(qt_tzdata_source requested path_var release_var depends_var)
  if(requested AND EXISTS "${requested}")
    get_filename_component(path "${requested}" ABSOLUTE)
    set(release "")
  else()
    set(release "${requested}")
    if(NOT release)
      qt_pinned_tzdata(release)
    endif()
    if(NOT release MATCHES "^[0-9]+[.][0-9A-Za-z.]+$")
      message(FATAL_ERROR "QT_TZDATA=${requested} is neither a tzdata release, such as 2025.2, nor an existing path")
    endif()
    execute_process(
      COMMAND ${Python_EXECUTABLE} -c "import os, tzdata; print(tzdata.__version__, os.path.dirname(tzdata.__file__))"
      OUTPUT_VARIABLE installed OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed AND installed MATCHES "^([^ ]+) (.+)$" AND CMAKE_MATCH_1 STREQUAL release)
      set(path "${CMAKE_MATCH_2}")
    else()
      qt_fetch_tzdata("${release}" path)
    endif()
  endif()
  set(depends "")
  if(NOT IS_DIRECTORY "${path}")
    set(depends "${path}")
  elseif(EXISTS "${path}/tzdata/__init__.py")
    set(depends "${path}/tzdata/__init__.py")
  elseif(EXISTS "${path}/__init__.py")
    set(depends "${path}/__init__.py")
  endif()
  message(STATUS "Zone data: tzdata ${release} from ${path}")
  set(${path_var} "${path}" PARENT_SCOPE)
  set(${release_var} "${release}" PARENT_SCOPE)
  set(${depends_var} "${depends}" PARENT_SCOPE)
endfunction()
