# Writes the Windows release zip: cmake -DZIP=… -DEPOCH=… -DFILES="a;b;c" -P ReleaseZip.cmake
# The same files give the same bytes: every entry is dated at EPOCH (the
# last commit) in UTC, in the order given.
foreach(var ZIP EPOCH FILES)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "ReleaseZip.cmake needs -D${var}=…")
    endif()
endforeach()
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
string(TIMESTAMP date "%Y-%m-%d %H:%M:%S UTC" UTC)
get_filename_component(stage ${ZIP} NAME_WLE)
get_filename_component(dir ${ZIP} DIRECTORY)
set(stage ${dir}/${stage})
file(REMOVE_RECURSE ${stage} ${ZIP})
file(MAKE_DIRECTORY ${stage})
set(names)
foreach(file IN LISTS FILES)
    get_filename_component(name ${file} NAME)
    # Plain read and write permissions whatever the checkout's umask.
    file(COPY_FILE ${file} ${stage}/${name})
    file(CHMOD ${stage}/${name} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    list(APPEND names ${name})
endforeach()
# The zip's DOS times are local times: write them in UTC.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
                        ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip --mtime=${date} ${names}
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "could not write ${ZIP}")
endif()
file(REMOVE_RECURSE ${stage})
