# Writes the page into SITE: the module, the page's files, the icons and the
# service worker, whose cache is named after a hash of all the other files,
# so that a new build replaces the offline copy. Run by app/web/CMakeLists.txt.
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

file(GLOB _files RELATIVE ${SITE} ${SITE}/*)
list(SORT _files)
set(_all "")
set(TARUK_SITE_FILES "'./'")
foreach(_file IN LISTS _files)
    file(SHA256 ${SITE}/${_file} _hash)
    string(APPEND _all "${_file} ${_hash}\n")
    string(APPEND TARUK_SITE_FILES ", '${_file}'")
endforeach()
string(SHA256 _version "${_all}")
string(SUBSTRING ${_version} 0 16 TARUK_SITE_VERSION)
configure_file(${APP}/sw.js.in ${SITE}/sw.js @ONLY)
