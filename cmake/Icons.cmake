# Every icon is drawn from the one SVG in resources/: rsvg-convert renders each
# size with a transparent background, and pngquant turns the 32 x 32 window
# icon into a palette image of at most 256 colours.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(PNGQUANT pngquant REQUIRED)
set(icon_source ${PROJECT_SOURCE_DIR}/resources/distinct-digits.svg)

# Renders the icon at each size given after `out_var` into
# `dir`/<size>/distinct-digits.png and sets `out_var` to those files.
function(dd_render_icons dir out_var)
  set(files)
  foreach(size ${ARGN})
    set(icon ${dir}/${size}/distinct-digits.png)
    if(size EQUAL 32)
      set(render COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon}.rgba.png ${icon_source}
                 COMMAND ${PNGQUANT} --force --strip --output ${icon} 256 ${icon}.rgba.png)
    else()
      set(render COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${icon_source})
    endif()
    add_custom_command(OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/${size}
      ${render}
      DEPENDS ${icon_source} VERBATIM)
    list(APPEND files ${icon})
  endforeach()
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()
