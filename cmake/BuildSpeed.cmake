# Compile less, and only once:
# - ccache, when it is installed, for every compile (a rebuild of unchanged files costs nothing);
# - unity builds: each library compiles its files a few at a time as one unit (a file that
#   cannot join its neighbours carries SKIP_UNITY_BUILD_INCLUSION);
# - a fast linker (lld, else gold) where there is one: every suite links the libraries anew;
# - precompiled headers: the Qt and standard headers are compiled once per kind of target
#   (QtCore-only or widgets; test suites with QtTest) and every target of that kind reuses them;
# - moc reads the project's headers only (sources include their own moc output, so that it
#   compiles with them).
option(DUOBAND_UNITY "Compile each library's files in batches (unity build)" ON)
set(DUOBAND_UNITY_BATCH 0 CACHE STRING "Files per unity batch (0: a library at once)")
# GCC falls back to the plain headers where a precompiled one does not fit; clang refuses.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    set(pch_default ON)
else()
    set(pch_default OFF)
endif()
option(DUOBAND_PCH "Share precompiled Qt headers between targets" ${pch_default})

find_program(DUOBAND_CCACHE ccache)
if(DUOBAND_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${DUOBAND_CCACHE})
    set(CMAKE_C_COMPILER_LAUNCHER ${DUOBAND_CCACHE})
endif()

include(CheckLinkerFlag)
if(NOT WIN32 AND NOT DEFINED DUOBAND_LINKER)
    foreach(linker lld gold)
        check_linker_flag(CXX "-fuse-ld=${linker}" DUOBAND_LINKS_WITH_${linker})
        if(DUOBAND_LINKS_WITH_${linker})
            set(DUOBAND_LINKER ${linker} CACHE STRING "The linker (-fuse-ld=)")
            break()
        endif()
    endforeach()
endif()
if(DUOBAND_LINKER)
    add_link_options(-fuse-ld=${DUOBAND_LINKER})
endif()

if(DUOBAND_UNITY)
    set(CMAKE_UNITY_BUILD ON)
    set(CMAKE_UNITY_BUILD_BATCH_SIZE ${DUOBAND_UNITY_BATCH})
endif()

set(DUOBAND_PCH_DIR ${CMAKE_CURRENT_LIST_DIR}/pch)

# A target that only carries the precompiled `header` for others to reuse. Its compile
# definitions are the few every user of it has (GCC uses a header only where each macro it was
# made with is defined alike).
function(duoband_pch_donor name header)
    cmake_parse_arguments(D "EXECUTABLE" "" "LIBS" ${ARGN})
    if(D_EXECUTABLE)
        add_executable(${name} EXCLUDE_FROM_ALL ${DUOBAND_PCH_DIR}/EmptyMain.cpp)
    else()
        add_library(${name} STATIC EXCLUDE_FROM_ALL ${DUOBAND_PCH_DIR}/Empty.cpp)
    endif()
    set_target_properties(${name} PROPERTIES AUTOMOC OFF UNITY_BUILD OFF)
    target_link_libraries(${name} PRIVATE ${D_LIBS})
    target_include_directories(${name} PRIVATE ${DUOBAND_PCH_DIR})
    target_precompile_headers(${name} PRIVATE ${DUOBAND_PCH_DIR}/${header})
endfunction()

# The libraries a target links, its own and theirs, as named in target_link_libraries.
function(duoband_link_closure target out)
    set(seen "")
    set(todo ${target})
    while(todo)
        list(POP_FRONT todo current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(imported ${current} IMPORTED)
        if(imported)
            continue()
        endif()
        get_target_property(type ${current} TYPE)
        set(links "")
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(links ${current} LINK_LIBRARIES)
        endif()
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        foreach(l IN LISTS links interface)
            if(l AND NOT l MATCHES "NOTFOUND$")
                list(APPEND todo ${l})
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

if(CMAKE_HOST_UNIX AND TARGET Qt6::moc)
    get_target_property(DUOBAND_REAL_MOC Qt6::moc IMPORTED_LOCATION)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/moc-project-headers.sh.in
        ${CMAKE_BINARY_DIR}/moc-project-headers.sh @ONLY
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE)
    set(DUOBAND_MOC ${CMAKE_BINARY_DIR}/moc-project-headers.sh)
endif()

# Every C++ library and program below `dir`: moc as above, and the precompiled headers of its
# kind.
function(duoband_speed_up_targets dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(t IN LISTS targets)
        get_target_property(type ${t} TYPE)
        if(NOT (type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "EXECUTABLE")
           OR t MATCHES "^duoband_pch_")
            continue()
        endif()
        get_target_property(automoc ${t} AUTOMOC)
        if(automoc AND DUOBAND_MOC)
            # The compiler's predefined macros matter to Qt's headers, which moc skips now.
            set_target_properties(${t} PROPERTIES AUTOMOC_EXECUTABLE ${DUOBAND_MOC}
                AUTOMOC_COMPILER_PREDEFINES OFF)
        endif()
        # A windowed Windows program gets Qt's entry point (QT_NEEDS_QMAIN), which the shared
        # headers were not made with; it is one small file anyway.
        get_target_property(windowed ${t} WIN32_EXECUTABLE)
        if(NOT DUOBAND_PCH OR windowed)
            continue()
        endif()
        duoband_link_closure(${t} closure)
        set(kind core)
        if("Qt6::Widgets" IN_LIST closure OR "Qt6::PrintSupport" IN_LIST closure)
            set(kind widgets)
        endif()
        get_target_property(source_dir ${t} SOURCE_DIR)
        if("Qt6::Test" IN_LIST closure AND source_dir STREQUAL "${CMAKE_SOURCE_DIR}/tests")
            # QtTest's header looks at the Qt modules linked: a suite with QtGui but no widgets
            # is the odd one out and compiles its headers itself.
            if(kind STREQUAL "core" AND "Qt6::Gui" IN_LIST closure)
                continue()
            endif()
            set(kind test_${kind})
        endif()
        if(TARGET duoband_pch_${kind})
            target_precompile_headers(${t} REUSE_FROM duoband_pch_${kind})
            # Every source includes its own moc output: what is left here is empty, and the
            # precompiled header would only slow it down.
            if(automoc)
                get_target_property(binary_dir ${t} BINARY_DIR)
                set_source_files_properties(${binary_dir}/${t}_autogen/mocs_compilation.cpp
                    TARGET_DIRECTORY ${t} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
            endif()
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        duoband_speed_up_targets(${sub})
    endforeach()
endfunction()
