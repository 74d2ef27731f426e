# SPDX-License-Identifier: MIT
# The library's translations, included by ComponentsLibrary/CMakeLists.txt.
#
# The .ts files in this folder (MIT licensed like the rest of the project; lupdate rewrites them
# and keeps no comment) hold every text that the components and the reference theme show by
# themselves. lrelease compiles them to .qm files, which are built into the library as resources
# under :/nalu/translations (read by Nalu::Components::installTranslation) and installed to
# share/<package>/translations for applications that load them themselves.
#
#   cmake --build <build> --target update_translations   adds new texts to the .ts files and drops
#                                                          the ones the sources no longer use
#   cmake --build <build> --target check_translations    fails when a text of the sources has no
#                                                          finished translation, or when a .ts file
#                                                          keeps a text the sources no longer use

find_package(${NALU_QT} ${NALU_QT_MINIMUM} REQUIRED COMPONENTS LinguistTools)

set(NALU_TRANSLATION_LANGUAGES de fr es ja)
set(NALU_TS_FILES)
foreach(_language IN LISTS NALU_TRANSLATION_LANGUAGES)
    list(APPEND NALU_TS_FILES ${PROJECT_SOURCE_DIR}/translations/nalu_components_${_language}.ts)
endforeach()

# What lupdate reads: the library's and the theme's sources, headers and forms. The include path
# lets it resolve the classes' namespaces, so the contexts are the qualified class names.
set(NALU_LUPDATE_ARGUMENTS -locations none -extensions cpp,h,ui -I ${PROJECT_SOURCE_DIR}
    ${PROJECT_SOURCE_DIR}/ComponentsLibrary ${PROJECT_SOURCE_DIR}/theme)

qt_add_translation(_nalu_qm_files ${NALU_TS_FILES})

# The .qm files as resources of the library.
set(_qrc ${CMAKE_CURRENT_BINARY_DIR}/nalu_translations.qrc)
set(_qrc_content "<RCC>\n  <qresource prefix=\"/nalu/translations\">\n")
foreach(_qm IN LISTS _nalu_qm_files)
    get_filename_component(_qm_name ${_qm} NAME)
    string(APPEND _qrc_content "    <file alias=\"${_qm_name}\">${_qm}</file>\n")
endforeach()
string(APPEND _qrc_content "  </qresource>\n</RCC>\n")
file(GENERATE OUTPUT ${_qrc} CONTENT "${_qrc_content}")
set(_qrc_cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_nalu_translations.cpp)
add_custom_command(OUTPUT ${_qrc_cpp}
    COMMAND ${NALU_QT}::rcc --name nalu_translations --output ${_qrc_cpp} ${_qrc}
    DEPENDS ${_qrc} ${_nalu_qm_files}
    COMMENT "Building the translations into the library"
    VERBATIM)
set_source_files_properties(${_qrc_cpp} PROPERTIES SKIP_AUTOGEN ON)
target_sources(ComponentsLibrary PRIVATE ${_qrc_cpp})

install(FILES ${_nalu_qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/${NALU_PACKAGE_NAME}/translations)

add_custom_target(update_translations
    COMMAND ${NALU_QT}::lupdate ${NALU_LUPDATE_ARGUMENTS} -no-obsolete -ts ${NALU_TS_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Updating the .ts files from the sources"
    VERBATIM)

add_custom_target(check_translations
    COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:${NALU_QT}::lupdate> "-DARGUMENTS=${NALU_LUPDATE_ARGUMENTS}"
            "-DTS_FILES=${NALU_TS_FILES}" -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/check_translations
            -P ${PROJECT_SOURCE_DIR}/translations/CheckTranslations.cmake
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Checking that every text has a finished translation"
    VERBATIM)
