# Image data written in readable form (window descriptions, menu bars,
# pictures; see tools/imagedata/main.cpp for the format), encoded by the
# host tool imagedata into assembly files that tessel_add_image takes as
# sources.
#
# tessel_image_data(VAR source.txt...)
# Sets VAR to the generated .s files, one per source.
set(TESSEL_IMAGEDATA ${TESSEL_HOST_TOOLS}/imagedata)

function(tessel_image_data VAR)
    set(outputs)
    foreach(source ${ARGN})
        get_filename_component(absolute ${source} ABSOLUTE)
        get_filename_component(name ${source} NAME_WE)
        set(output ${CMAKE_CURRENT_BINARY_DIR}/imagedata/${name}.s)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/imagedata
            COMMAND ${TESSEL_IMAGEDATA} ${absolute} -o ${output}
            DEPENDS ${absolute} ${TESSEL_IMAGEDATA}
            COMMENT "Encoding image data ${name}")
        list(APPEND outputs ${output})
    endforeach()
    set(${VAR} ${outputs} PARENT_SCOPE)
endfunction()
