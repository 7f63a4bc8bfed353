# Copies the shipped defaults from SRC into the program directory DST, but never over a file that
# is already there: a user's settings and drawings survive a rebuild. Help pages are the program's
# own, not the user's, so they are always refreshed.
file(GLOB_RECURSE shipped RELATIVE ${SRC} ${SRC}/*)
foreach(rel ${shipped})
    get_filename_component(name ${rel} NAME)
    if(name STREQUAL ".keep")
        continue()
    endif()
    if(NOT EXISTS ${DST}/${rel} OR rel MATCHES "^help/")
        get_filename_component(dir ${DST}/${rel} DIRECTORY)
        file(MAKE_DIRECTORY ${dir})
        file(COPY ${SRC}/${rel} DESTINATION ${dir})
    endif()
endforeach()
foreach(dir CFG DWGS LIBS help)
    file(MAKE_DIRECTORY ${DST}/${dir})
endforeach()
# Text metrics must be repeatable, so the program draws with one font file of its own.
set(font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)
if(EXISTS ${font} AND NOT EXISTS ${DST}/DejaVuSans.ttf)
    file(COPY ${font} DESTINATION ${DST})
endif()
