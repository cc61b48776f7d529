# Writes the page into SITE: the module, the page's files, the icons and the
# service worker. The worker lists each file with the SHA-256 the browser
# checks it against, and its store is named after a hash of all of them and
# of the worker's own template, so that any change replaces the offline copy.
# Run by app/web/CMakeLists.txt.
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
file(GLOB _scripts ${WEB}/*.js)
file(COPY ${MODULE_DIR}/taruk.js ${MODULE_DIR}/taruk.wasm
          ${APP}/manifest.webmanifest ${APP}/icon-192.png ${APP}/icon-512.png ${_scripts}
          ${MARKUP_DIR}/calculator.css
     DESTINATION ${SITE})
# The page as the build wrote it (markup.cpp), which preloads every script
# copied above that it does not run itself: all are fetched at once rather
# than after the scripts that import them.
file(READ ${MARKUP_DIR}/index.html _page)
file(GLOB _copied RELATIVE ${SITE} ${SITE}/*.js)
list(SORT _copied)
set(_preloads)
foreach(_script IN LISTS _copied)
    string(FIND "${_page}" "src=\"${_script}\"" _run)
    if(_run EQUAL -1)
        list(APPEND _preloads "<link rel=\"modulepreload\" href=\"${_script}\">")
    endif()
endforeach()
string(JOIN "\n" TARUK_PRELOADS ${_preloads})
configure_file(${MARKUP_DIR}/index.html ${SITE}/index.html @ONLY)
file(COPY_FILE ${ICON} ${SITE}/icon.svg)

file(GLOB _files RELATIVE ${SITE} ${SITE}/*)
list(SORT _files)
file(SHA256 ${APP}/sw.js.in _all)
set(_hashes)
foreach(_file IN LISTS _files)
    file(SHA256 ${SITE}/${_file} _hash)
    string(APPEND _all "\n${_file} ${_hash}")
    list(APPEND _hashes ${_hash})
endforeach()
# Subresource integrity wants each digest in base64, which CMake does not
# write: python3 turns the hex digests into base64, one a line.
find_program(_python python3 REQUIRED)
execute_process(COMMAND ${_python} -c [=[
import base64, sys
for digest in sys.argv[1:]:
    print(base64.b64encode(bytes.fromhex(digest)).decode())
]=] ${_hashes} OUTPUT_VARIABLE _base64 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" _base64 "${_base64}")
set(TARUK_SITE_FILES "")
foreach(_file _digest IN ZIP_LISTS _files _base64)
    # The page itself is stored under its folder's address too, the one a
    # visitor opens.
    if(_file STREQUAL "index.html")
        string(APPEND TARUK_SITE_FILES "\n  ['./', 'sha256-${_digest}'],")
    endif()
    string(APPEND TARUK_SITE_FILES "\n  ['${_file}', 'sha256-${_digest}'],")
endforeach()
string(SHA256 _version "${_all}")
string(SUBSTRING ${_version} 0 16 TARUK_SITE_VERSION)
configure_file(${APP}/sw.js.in ${SITE}/sw.js @ONLY)
