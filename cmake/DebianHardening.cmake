# The Linux program is built as Debian builds its own programs: with the
# flags of dpkg-buildflags with every hardening feature on (stack
# protection, fortified libc calls, read-only relocations with immediate
# binding; gcc makes position-independent executables by default).
# debhelper hands these flags to CMake through CXXFLAGS and LDFLAGS; CMake
# reads no CPPFLAGS, so _FORTIFY_SOURCE is passed on here by hand.
#
# Sets TARUK_DEBIAN_HARDENED to ON when the flags were applied.
set(TARUK_DEBIAN_HARDENED OFF)
if(WIN32 OR EMSCRIPTEN OR TARUK_SANITIZE OR TARUK_BUILD_FUZZERS)
    # The Windows program has its own defaults (ASLR and DEP, checked by
    # tests/win/check-exe.sh); the sanitizers and fortified calls do not mix.
    return()
endif()
find_program(TARUK_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT TARUK_DPKG_BUILDFLAGS)
    taruk_missing("Debian's hardening flags" "dpkg-dev (dpkg-buildflags)")
    return()
endif()

set(_flags)
foreach(_kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${TARUK_DPKG_BUILDFLAGS} --get ${_kind}
                    OUTPUT_VARIABLE _value OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE _status)
    if(NOT _status EQUAL 0)
        message(FATAL_ERROR "dpkg-buildflags --get ${_kind} failed (${_status})")
    endif()
    separate_arguments(_value UNIX_COMMAND "${_value}")
    # The project maps its own source and build directories out of what the
    # compiler writes; dpkg's map of the configure directory adds nothing.
    list(FILTER _value EXCLUDE REGEX "^-f(file|debug|macro)-prefix-map=")
    set(_flags_${_kind} ${_value})
endforeach()

foreach(_needed -fstack-protector-strong -D_FORTIFY_SOURCE=2)
    if(NOT _needed IN_LIST _flags_CPPFLAGS AND NOT _needed IN_LIST _flags_CXXFLAGS)
        message(FATAL_ERROR "dpkg-buildflags gave no ${_needed}")
    endif()
endforeach()
if(NOT "-Wl,-z,now" IN_LIST _flags_LDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags gave no -Wl,-z,now")
endif()

# Fortified calls need optimisation: glibc warns about _FORTIFY_SOURCE at
# -O0, so a Debug build keeps only the link flags.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${_flags_CPPFLAGS};${_flags_CXXFLAGS}>")
add_link_options(${_flags_LDFLAGS})
# The .deb refuses an unhardened program (CPackChecks.cmake).
set(TARUK_DEBIAN_HARDENED ON)
string(JOIN " " _shown ${_flags_CPPFLAGS} ${_flags_CXXFLAGS} ${_flags_LDFLAGS})
message(STATUS "Debian's hardening flags: ${_shown}")
