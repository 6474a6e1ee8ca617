# Application images: C++ and assembly compiled by the cross compiler into
# COFF objects, then turned into the image's four sections by the image
# builder.
#
# tessel_add_image(NAME SOURCES src...
#                  [ENTRY symbol] [CLASSES symbol]
#                  [PLUGINS name=file...] [RESOURCES file...] [DEPENDS target...]
#                  [DEV_DIR folder]               development files code1.dat ...
#                  [SHIP runtime-target OUTPUT file.exe])  runtime with the image appended
# Defines NAME_objects (the object library) and NAME (the builder's outputs).

# Image code reaches the runtime only through its imports: no C++ runtime, no
# stack probes or static constructors that would need the C library.
set(TESSEL_IMAGE_COMPILE_OPTIONS
    -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-threadsafe-statics
    -fno-stack-protector -mno-stack-arg-probe -fno-omit-frame-pointer -ffreestanding -fno-builtin)

function(tessel_add_image NAME)
    cmake_parse_arguments(I "" "ENTRY;CLASSES;DEV_DIR;SHIP;OUTPUT"
                          "SOURCES;PLUGINS;RESOURCES;DEPENDS" ${ARGN})
    add_library(${NAME}_objects OBJECT ${I_SOURCES})
    target_compile_options(${NAME}_objects PRIVATE
        $<$<COMPILE_LANGUAGE:CXX>:${TESSEL_IMAGE_COMPILE_OPTIONS}>)
    target_include_directories(${NAME}_objects PRIVATE ${PROJECT_SOURCE_DIR}/app/include)

    set(args)
    set(outputs)
    set(depends ${I_DEPENDS})
    if(I_ENTRY)
        list(APPEND args --entry ${I_ENTRY})
    endif()
    if(I_CLASSES)
        list(APPEND args --classes ${I_CLASSES})
    endif()
    foreach(plugin ${I_PLUGINS})
        list(APPEND args --plugin ${plugin})
        string(REGEX REPLACE "^[^=]*=" "" file ${plugin})
        list(APPEND depends ${file})
    endforeach()
    foreach(resource ${I_RESOURCES})
        list(APPEND args --resource ${resource})
        list(APPEND depends ${resource})
    endforeach()
    if(I_DEV_DIR)
        list(APPEND args --dev-files ${I_DEV_DIR})
        list(APPEND outputs ${I_DEV_DIR}/code1.dat ${I_DEV_DIR}/code2.dat
                            ${I_DEV_DIR}/data1.dat ${I_DEV_DIR}/data2.dat)
    endif()
    if(I_SHIP)
        list(APPEND args --ship $<TARGET_FILE:${I_SHIP}> --output ${I_OUTPUT})
        list(APPEND outputs ${I_OUTPUT})
        list(APPEND depends ${I_SHIP})
    endif()
    set(map ${CMAKE_CURRENT_BINARY_DIR}/${NAME}.map)
    list(APPEND outputs ${map})

    add_custom_command(OUTPUT ${outputs}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${I_DEV_DIR} ${CMAKE_CURRENT_BINARY_DIR}
        COMMAND ${TESSEL_IMAGEBUILDER} ${args} --map ${map} $<TARGET_OBJECTS:${NAME}_objects>
        DEPENDS ${NAME}_objects $<TARGET_OBJECTS:${NAME}_objects> ${depends} ${TESSEL_IMAGEBUILDER}
        COMMAND_EXPAND_LISTS
        COMMENT "Building application image ${NAME}")
    add_custom_target(${NAME} ALL DEPENDS ${outputs})
endfunction()
