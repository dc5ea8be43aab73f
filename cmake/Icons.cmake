# Every icon is drawn from the one SVG in resources/: rsvg-convert renders each
# size with a transparent background, and pngquant turns the 32 x 32 window
# icon into a palette image of at most 256 colours.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(PNGQUANT pngquant REQUIRED)
set(icon_source ${PROJECT_SOURCE_DIR}/resources/distinct-digits.svg)
set(icon_dir ${PROJECT_BINARY_DIR}/icons)
set(icon_sizes 32 48 64 128 256)
set(icon_files)
foreach(size ${icon_sizes})
  set(icon ${icon_dir}/${size}/distinct-digits.png)
  if(size EQUAL 32)
    add_custom_command(OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}/${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon}.rgba.png ${icon_source}
      COMMAND ${PNGQUANT} --force --strip --output ${icon} 256 ${icon}.rgba.png
      DEPENDS ${icon_source} VERBATIM)
  else()
    add_custom_command(OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}/${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${icon_source}
      DEPENDS ${icon_source} VERBATIM)
  endif()
  list(APPEND icon_files ${icon})
endforeach()
add_custom_target(icons ALL DEPENDS ${icon_files})
