# Writes OUT with the C++ definition of git_build_version for the source tree SRC, in the
# form "<tag>-<commits since it>-g<revision>". Without a release tag the tag reads 0.0 and
# every commit counts; without version control the text is "0.0-0-gunknown". OUT is only
# rewritten when the text changes, so an unchanged tree rebuilds nothing.
set(_version "")
find_package(Git QUIET)
if(GIT_FOUND)
    execute_process(COMMAND "${GIT_EXECUTABLE}" describe --tags --long --abbrev=7
        WORKING_DIRECTORY "${SRC}" OUTPUT_VARIABLE _version RESULT_VARIABLE _rc
        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT _rc EQUAL 0)
        execute_process(COMMAND "${GIT_EXECUTABLE}" rev-list --count HEAD
            WORKING_DIRECTORY "${SRC}" OUTPUT_VARIABLE _count RESULT_VARIABLE _rc1
            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --short=7 HEAD
            WORKING_DIRECTORY "${SRC}" OUTPUT_VARIABLE _rev RESULT_VARIABLE _rc2
            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(_rc1 EQUAL 0 AND _rc2 EQUAL 0)
            set(_version "0.0-${_count}-g${_rev}")
        endif()
    endif()
endif()
if(_version STREQUAL "")
    set(_version "0.0-0-gunknown")
endif()
set(_text "#include \"BuildVersion.h\"\n\nconst char *const git_build_version = \"${_version}\";\n")
set(_old "")
if(EXISTS "${OUT}")
    file(READ "${OUT}" _old)
endif()
if(NOT _old STREQUAL _text)
    file(WRITE "${OUT}" "${_text}")
endif()
