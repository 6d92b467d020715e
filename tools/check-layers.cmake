# The layers point one way: a folder includes headers and links libraries only from itself and
# the folders below it. Run from the source tree:
#
#   cmake -DSOURCE_DIR=. -P tools/check-layers.cmake
#
# Every project header has a name of its own, so an include names its folder. Optional:
# -DPLANT="folder/File.cpp|Header.h" checks as if that file also included that header (the
# test of this check plants an upward include).

if(NOT SOURCE_DIR)
    set(SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/..)
endif()
get_filename_component(SOURCE_DIR ${SOURCE_DIR} ABSOLUTE)

# What each folder may use besides itself. The GUI-free layers first, then the widget layers,
# then what stands beside them.
set(ALLOWED_core "")
set(ALLOWED_help "")
set(ALLOWED_radio core)
set(ALLOWED_link core)
set(ALLOWED_channels core radio)
set(ALLOWED_settings core radio)
set(ALLOWED_report core help radio channels settings)
set(ALLOWED_report/pages ${ALLOWED_report} report)
set(ALLOWED_widgets core help)
set(ALLOWED_widgets/forms ${ALLOWED_widgets} widgets)
set(ALLOWED_help/widgets help widgets)
set(ALLOWED_link/widgets core link widgets widgets/forms help)
set(ALLOWED_radio/widgets core radio widgets widgets/forms help)
set(ALLOWED_report/widgets ${ALLOWED_report/pages} report/pages widgets)
set(ALLOWED_channels/widgets core radio channels widgets widgets/forms help)
set(ALLOWED_settings/widgets core radio settings widgets widgets/forms help)
set(ALLOWED_app core help radio link channels settings report report/pages widgets
    widgets/forms help/widgets link/widgets radio/widgets report/widgets channels/widgets
    settings/widgets)
set(ALLOWED_sim core radio channels)
set(ALLOWED_cli core radio link channels settings report report/pages sim)
set(ALLOWED_bench ${ALLOWED_app} app sim)
set(ALLOWED_tests ${ALLOWED_bench} bench tests/fuzz)
set(ALLOWED_tests/fuzz core radio link channels tests)
set(LAYERS core help radio link channels settings report report/pages widgets widgets/forms
    help/widgets link/widgets radio/widgets report/widgets channels/widgets settings/widgets app
    sim cli bench tests tests/fuzz)
# Within app, the window assembles the commands and they do not know it: only these files of
# the program include the window's header (tests and benchmarks may).
set(WINDOW_USERS app/main.cpp app/MainWindow.cpp app/MainWindow.h)

# Which folder each project header lives in.
file(GLOB_RECURSE HEADERS RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h)
foreach(header ${HEADERS})
    if(header MATCHES "^build|/\\.|^\\.")
        continue()
    endif()
    get_filename_component(name ${header} NAME)
    get_filename_component(folder ${header} DIRECTORY)
    if(DEFINED FOLDER_OF_${name} AND NOT FOLDER_OF_${name} STREQUAL folder)
        message(SEND_ERROR "${name} stands in ${FOLDER_OF_${name}} and in ${folder}: "
                           "an include could not tell them apart")
    endif()
    set(FOLDER_OF_${name} ${folder})
endforeach()

set(FAULTS 0)
function(check_use folder used what)
    if(used STREQUAL folder)
        return()
    endif()
    list(FIND ALLOWED_${folder} ${used} at)
    if(at EQUAL -1)
        message(SEND_ERROR "${what}: ${folder} may not use ${used}")
        math(EXPR faults "${FAULTS} + 1")
        set(FAULTS ${faults} PARENT_SCOPE)
    endif()
endfunction()

if(PLANT)
    string(REPLACE "|" ";" PLANT "${PLANT}")
    list(GET PLANT 0 PLANT_FILE)
    list(GET PLANT 1 PLANT_HEADER)
endif()

foreach(layer ${LAYERS})
    file(GLOB sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h
         ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        if(source STREQUAL PLANT_FILE)
            list(APPEND includes "#include \"${PLANT_HEADER}\"")
        endif()
        foreach(line ${includes})
            string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" header "${line}")
            get_filename_component(name ${header} NAME)
            if(DEFINED FOLDER_OF_${name})
                check_use(${layer} ${FOLDER_OF_${name}} "${source} includes ${header}")
            endif()
            if(name STREQUAL "MainWindow.h" AND layer STREQUAL "app")
                list(FIND WINDOW_USERS ${source} at)
                if(at EQUAL -1)
                    message(SEND_ERROR "${source} includes ${header}: a command works on the "
                                       "Workspace, not on the main window")
                    math(EXPR FAULTS "${FAULTS} + 1")
                endif()
            endif()
        endforeach()
    endforeach()

    # The libraries a folder's targets link.
    if(NOT EXISTS ${SOURCE_DIR}/${layer}/CMakeLists.txt)
        continue()
    endif()
    file(READ ${SOURCE_DIR}/${layer}/CMakeLists.txt cmake)
    string(REGEX MATCHALL "add_library\\([a-z_]+" libraries "${cmake}")
    foreach(library ${libraries})
        string(REPLACE "add_library(" "" library ${library})
        set(TARGET_FOLDER_${library} ${layer})
    endforeach()
    set(LINKS_${layer} "${cmake}")
endforeach()

foreach(layer ${LAYERS})
    if(NOT DEFINED LINKS_${layer})
        continue()
    endif()
    string(REGEX MATCHALL "target_link_libraries\\([^)]*\\)|duoband_test\\([^)]*\\)|duoband_fuzz\\([^)]*\\)"
           calls "${LINKS_${layer}}")
    foreach(call ${calls})
        string(REGEX MATCHALL "duoband_[a-z_]+" linked "${call}")
        foreach(library ${linked})
            if(DEFINED TARGET_FOLDER_${library})
                check_use(${layer} ${TARGET_FOLDER_${library}} "${layer}/CMakeLists.txt links ${library}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(FAULTS GREATER 0)
    message(FATAL_ERROR "${FAULTS} use(s) against the layer order")
endif()
message(STATUS "Layers: every include and link points down")
