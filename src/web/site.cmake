# SPDX-License-Identifier: MIT
# The page's word lists, its editor, its service worker and its manifest, written into the
# folder that a static host serves.

# Copies files into the page's folder at build time, so that a folder emptied is
# written again whole; appends the copies to the list named list_name.
function(quimbelo_web_copy site_dir list_name)
    set(copies ${${list_name}})
    foreach(file IN LISTS ARGN)
        get_filename_component(name ${file} NAME)
        add_custom_command(OUTPUT ${site_dir}/${name}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${site_dir}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${site_dir}/${name}
            DEPENDS ${file}
            VERBATIM)
        list(APPEND copies ${site_dir}/${name})
    endforeach()
    set(${list_name} ${copies} PARENT_SCOPE)
endfunction()

# The shipped lists, gzip-compressed here so that they travel compressed whatever the
# host (by zopfli, whose gzip streams are a seventh smaller than gzip -9's for the
# dictionary, which is most of a first visit), and the script that keeps them in the browser, told each list's name, address and
# the date it carries while as shipped: one derived from its bytes, before 2000 (see
# lists.js.in).
function(quimbelo_web_lists site_dir)
    find_program(QUIMBELO_ZOPFLI zopfli REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    set(entries)
    set(outputs)
    foreach(list_file IN LISTS QUIMBELO_LIST_FILES)
        get_filename_component(file ${list_file} NAME)
        get_filename_component(name ${list_file} NAME_WE)
        file(SHA256 ${list_file} digest)
        string(SUBSTRING ${digest} 0 10 digest)
        math(EXPR stamp "0x${digest} % 946684800000")
        list(APPEND entries "{ name: '${name}', file: '${file}', url: 'listas/${file}.gz', stamp: ${stamp} }")
        add_custom_command(OUTPUT ${site_dir}/listas/${file}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${site_dir}/listas
            COMMAND ${QUIMBELO_ZOPFLI} --gzip -c ${list_file} > ${site_dir}/listas/${file}.gz
            DEPENDS ${list_file}
            COMMENT "Compressing ${file} for the page")
        list(APPEND outputs ${site_dir}/listas/${file}.gz)
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QUIMBELO_LIST_FILES})
    list(JOIN entries ",\n    " QUIMBELO_WEB_LISTS)
    set(QUIMBELO_WEB_LISTS "[\n    ${QUIMBELO_WEB_LISTS},\n]")
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/lists.js.in ${CMAKE_CURRENT_BINARY_DIR}/lists.js @ONLY)
    quimbelo_web_copy(${site_dir} outputs ${CMAKE_CURRENT_BINARY_DIR}/lists.js
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/listtext.js ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/listeditor.js
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/offline.js)
    add_custom_target(quimbelo_web_lists ALL DEPENDS ${outputs})
endfunction()

# The icon at the sizes an installed web app wants, in a palette of its colours (a third
# of the bytes, no difference to see at these sizes), and the manifest that names the game.
function(quimbelo_web_manifest site_dir)
    find_program(QUIMBELO_RSVG rsvg-convert REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    find_program(QUIMBELO_PNGQUANT pngquant REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    set(outputs)
    foreach(size 192 512)
        add_custom_command(OUTPUT ${site_dir}/icon-${size}.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${site_dir}
            COMMAND ${QUIMBELO_RSVG} -w ${size} -h ${size} -o ${CMAKE_CURRENT_BINARY_DIR}/icon-${size}.png
                    ${PROJECT_SOURCE_DIR}/assets/icon.svg
            COMMAND ${QUIMBELO_PNGQUANT} --speed 1 --strip --force -o ${site_dir}/icon-${size}.png
                    ${CMAKE_CURRENT_BINARY_DIR}/icon-${size}.png
            DEPENDS ${PROJECT_SOURCE_DIR}/assets/icon.svg
            COMMENT "Drawing the page's icon at ${size} pixels")
        list(APPEND outputs ${site_dir}/icon-${size}.png)
    endforeach()
    file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest @ONLY CONTENT [[{
  "name": "@QUIMBELO_PRODUCT@",
  "short_name": "@PROJECT_NAME@",
  "description": "@PROJECT_DESCRIPTION@",
  "lang": "es",
  "start_url": "./",
  "scope": "./",
  "display": "standalone",
  "icons": [
    { "src": "icon-192.png", "sizes": "192x192", "type": "image/png" },
    { "src": "icon-512.png", "sizes": "512x512", "type": "image/png" }
  ]
}
]])
    quimbelo_web_copy(${site_dir} outputs ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest)
    add_custom_target(quimbelo_web_icons ALL DEPENDS ${outputs})
endfunction()

# The service worker, written last, once every other file of the folder is there: it
# keeps them all, under a cache named after the version and their digest.
function(quimbelo_web_offline site_dir)
    add_custom_target(quimbelo_web_offline ALL
        COMMAND ${CMAKE_COMMAND} -DSITE=${site_dir} -DTEMPLATE=${CMAKE_CURRENT_FUNCTION_LIST_DIR}/sw.js.in
                -DPROJECT_VERSION=${PROJECT_VERSION} -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/writeserviceworker.cmake
        COMMENT "Writing the service worker"
        VERBATIM)
    add_dependencies(quimbelo_web_offline ${ARGN})
endfunction()

# The folder and the zip that a static host serves as they are, named with the version:
# a copy of the page's folder, made afresh by tools/build-web.sh.
function(quimbelo_web_package site_dir)
    set(name quimbelo-${PROJECT_VERSION}-web)
    add_custom_target(quimbelo_web_package
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${name} ${name}.zip
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${site_dir} ${name}
        COMMAND ${CMAKE_COMMAND} -E tar cf ${name}.zip --format=zip ${name}
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        COMMENT "Packing the page into ${name} and ${name}.zip"
        VERBATIM)
    add_dependencies(quimbelo_web_package quimbelo_web_offline)
endfunction()
