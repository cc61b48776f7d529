# The direction core <- ui/form <- front ends <- programs, checked at
# configure time for every layer target of the build:
#   - what it links: the project's own libraries only from the layers below
#     it, and the core and ui/form no library at all but the core (no
#     toolkit, no system library);
#   - what its sources include: every "folder/File.h" of the project's
#     folders (core, ui/..., app/..., tests) only from its own folder and the
#     folders of the layers below it.
# A target this build does not make (another platform's window) is skipped.

# layer target | folders its sources may include from | project libraries it may link
set(TARUK_LAYERS
    "taruk_core|core|"
    "taruk_form|core,ui/form|taruk_core"
    "taruk_qt_ui|core,ui/form,ui/qt|taruk_core,taruk_form"
    "taruk_win_ui|core,ui/form,ui/win|taruk_core,taruk_form"
    "taruk_web|core,ui/form,ui/web|taruk_core,taruk_form"
    "taruk_web_markup|core,ui/form,ui/web|taruk_core,taruk_form"
    "taruk-calculator|core,ui/form,ui/qt,app|taruk_core,taruk_form,taruk_qt_ui"
    "taruk_calculator_win|core,ui/form,ui/win,app/win|taruk_core,taruk_form,taruk_win_ui"
    "taruk|core,ui/form,ui/web,app/web|taruk_core,taruk_form,taruk_web"
    "taruk_markup|core,ui/form,ui/web,app/web|taruk_core,taruk_form,taruk_web_markup"
    # The scenario table every window's tests play: test data over the core
    # and the window description ("tests/*": any folder under tests).
    "taruk_scenarios|core,ui/form,tests/*|taruk_core,taruk_form")
# Layers that may link nothing outside the project: no toolkit below the
# front ends.
set(TARUK_TOOLKIT_FREE_LAYERS taruk_core taruk_form taruk_scenarios)
# The project's own folders; an include of any other path ("Fields.h",
# <QWidget>) is not a layer's business.
set(TARUK_LAYER_FOLDERS_REGEX "^(core|ui|app|tests)/")

function(taruk_check_layers)
    foreach(_row IN LISTS TARUK_LAYERS)
        string(REPLACE "|" ";" _fields "${_row}")
        list(GET _fields 0 _target)
        if(NOT TARGET ${_target})
            continue()
        endif()
        list(GET _fields 1 _folders)
        list(GET _fields 2 _allowed_links)
        string(REPLACE "," ";" _folders "${_folders}")
        string(REPLACE "," ";" _allowed_links "${_allowed_links}")
        list(APPEND _allowed_links taruk_warnings)

        get_target_property(_links ${_target} LINK_LIBRARIES)
        get_target_property(_interface ${_target} INTERFACE_LINK_LIBRARIES)
        foreach(_lib IN LISTS _links _interface)
            if(NOT _lib)
                continue()
            endif()
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" _lib "${_lib}")
            # Qt's resources become object libraries named after the target.
            if(_lib MATCHES "^taruk" AND NOT _lib MATCHES "^${_target}_resources_[0-9]+$")
                if(NOT _lib IN_LIST _allowed_links)
                    message(FATAL_ERROR "${_target} must not link ${_lib}: the layers run "
                                        "core <- ui/form <- front ends <- programs")
                endif()
            elseif(_target IN_LIST TARUK_TOOLKIT_FREE_LAYERS)
                message(FATAL_ERROR "${_target} must link no toolkit or system library (found ${_lib})")
            endif()
        endforeach()

        get_target_property(_dir ${_target} SOURCE_DIR)
        get_target_property(_sources ${_target} SOURCES)
        foreach(_source IN LISTS _sources)
            cmake_path(ABSOLUTE_PATH _source BASE_DIRECTORY ${_dir})
            # Generated sources (moc, resources) live in the build tree.
            cmake_path(IS_PREFIX PROJECT_BINARY_DIR "${_source}" _generated)
            if(_generated OR NOT EXISTS "${_source}" OR NOT _source MATCHES "\\.(h|cpp)$")
                continue()
            endif()
            set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                                                                 "${_source}")
            file(STRINGS "${_source}" _includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
            foreach(_line IN LISTS _includes)
                string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" _header "${_line}")
                if(NOT _header MATCHES "${TARUK_LAYER_FOLDERS_REGEX}")
                    continue()
                endif()
                cmake_path(GET _header PARENT_PATH _folder)
                set(_fits OFF)
                foreach(_allowed IN LISTS _folders)
                    string(REGEX REPLACE "/\\*$" "" _under "${_allowed}")
                    if(_folder STREQUAL _allowed OR (NOT _under STREQUAL _allowed
                                                     AND _folder MATCHES "^${_under}(/|$)"))
                        set(_fits ON)
                    endif()
                endforeach()
                if(NOT _fits)
                    cmake_path(RELATIVE_PATH _source BASE_DIRECTORY ${PROJECT_SOURCE_DIR})
                    message(FATAL_ERROR "${_source} (${_target}) must not include ${_header}: "
                                        "${_target} may include only from ${_folders}")
                endif()
            endforeach()
        endforeach()
    endforeach()
endfunction()
