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
     DESTINATION ${SITE})
# The window, written by the build (markup.cpp): its markup into the page,
# its places and faces ahead of the page's own sheet.
file(READ ${MARKUP_DIR}/window.html TARUK_WINDOW)
configure_file(${APP}/index.html ${SITE}/index.html @ONLY)
file(READ ${MARKUP_DIR}/window.css _window_css)
file(READ ${WEB}/calculator.css _page_css)
file(WRITE ${SITE}/calculator.css "${_window_css}${_page_css}")
file(COPY_FILE ${ICON} ${SITE}/icon.svg)

# Subresource integrity wants the digest in base64, and CMake writes hex:
# three bytes (six hex digits) at a time become four characters.
function(hex_to_base64 hex out)
    set(_alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
    string(LENGTH "${hex}" _length)
    set(_result "")
    set(_at 0)
    while(_at LESS _length)
        string(SUBSTRING "${hex}" ${_at} 6 _chunk)
        string(LENGTH "${_chunk}" _digits)
        string(SUBSTRING "${_chunk}000000" 0 6 _padded)
        math(EXPR _value "0x${_padded}")
        # 6 hex digits give 4 characters, 4 give 3 and 2 give 2, then '='.
        math(EXPR _characters "${_digits} * 2 / 3 + 1")
        foreach(_shift 18 12 6 0)
            if(_characters GREATER 0)
                math(EXPR _index "(${_value} >> ${_shift}) & 63")
                string(SUBSTRING "${_alphabet}" ${_index} 1 _character)
                string(APPEND _result "${_character}")
            else()
                string(APPEND _result "=")
            endif()
            math(EXPR _characters "${_characters} - 1")
        endforeach()
        math(EXPR _at "${_at} + 6")
    endwhile()
    set(${out} "${_result}" PARENT_SCOPE)
endfunction()

file(GLOB _files RELATIVE ${SITE} ${SITE}/*)
list(SORT _files)
file(SHA256 ${APP}/sw.js.in _all)
set(TARUK_SITE_FILES "")
foreach(_file IN LISTS _files)
    file(SHA256 ${SITE}/${_file} _hash)
    string(APPEND _all "\n${_file} ${_hash}")
    hex_to_base64(${_hash} _base64)
    # The page itself is stored under its folder's address too, the one a
    # visitor opens.
    if(_file STREQUAL "index.html")
        string(APPEND TARUK_SITE_FILES "\n  ['./', 'sha256-${_base64}'],")
    endif()
    string(APPEND TARUK_SITE_FILES "\n  ['${_file}', 'sha256-${_base64}'],")
endforeach()
string(SHA256 _version "${_all}")
string(SUBSTRING ${_version} 0 16 TARUK_SITE_VERSION)
configure_file(${APP}/sw.js.in ${SITE}/sw.js @ONLY)
