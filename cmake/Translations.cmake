# The program's translations: translations/duoband_LANG.ts (Qt Linguist's format) become .qm
# files embedded in duoband_core, so the windowed program and the command line find them on
# every system. `cmake --build build --target update_translations` runs lupdate over the
# program's sources (not the tests) and updates the .ts files.
# English needs only its plural forms ("1 channel", "3 channels"): duoband_en.ts holds just the
# texts with %n, and is loaded in every language as the fallback for them.
set(DUOBAND_LANGUAGES de es)
set(DUOBAND_PLURALS_TS ${PROJECT_SOURCE_DIR}/translations/duoband_en.ts)
set(DUOBAND_TS_FILES)
foreach(lang ${DUOBAND_LANGUAGES})
    list(APPEND DUOBAND_TS_FILES ${PROJECT_SOURCE_DIR}/translations/duoband_${lang}.ts)
endforeach()

# Every source a user-visible text can come from.
function(duoband_translated_sources out)
    set(files)
    foreach(dir core radio link channels settings report widgets help app cli)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp
            ${PROJECT_SOURCE_DIR}/${dir}/*.h)
        list(APPEND files ${found})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

function(duoband_add_translations target)
    find_package(Qt6LinguistTools QUIET)
    if(Qt6LinguistTools_FOUND)
        duoband_translated_sources(sources)
        qt_add_lupdate(${target} TS_FILES ${DUOBAND_TS_FILES} SOURCES ${sources}
            OPTIONS -locations relative -no-obsolete)
        qt_add_lupdate(${target}_plurals TS_FILES ${DUOBAND_PLURALS_TS} SOURCES ${sources}
            INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/core
            OPTIONS -locations relative -no-obsolete -pluralonly)
        qt_add_lrelease(${target} TS_FILES ${DUOBAND_TS_FILES} ${DUOBAND_PLURALS_TS}
            QM_FILES_OUTPUT_VARIABLE qm_files OPTIONS -silent)
    else()
        # A cross build finds no LinguistTools of its own: the host's lrelease makes the same files.
        find_program(DUOBAND_LRELEASE NAMES lrelease-qt6 lrelease
            HINTS ${QT_HOST_PATH}/lib/qt6/bin ${QT_HOST_PATH}/bin /usr/lib/qt6/bin)
        if(NOT DUOBAND_LRELEASE)
            message(WARNING "No lrelease found (package qt6-l10n-tools): the program is English only.")
            return()
        endif()
        set(qm_files)
        foreach(ts ${DUOBAND_TS_FILES} ${DUOBAND_PLURALS_TS})
            get_filename_component(name ${ts} NAME_WE)
            set(qm ${CMAKE_CURRENT_BINARY_DIR}/${name}.qm)
            add_custom_command(OUTPUT ${qm} COMMAND ${DUOBAND_LRELEASE} -silent ${ts} -qm ${qm}
                DEPENDS ${ts} VERBATIM)
            list(APPEND qm_files ${qm})
        endforeach()
    endif()
    qt_add_resources(${target} translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
        FILES ${qm_files})
    target_compile_definitions(${target} PRIVATE DUOBAND_TRANSLATIONS)
endfunction()
