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

# Packs the images dd_render_icons made at `dir` into one Windows .ico with
# icoutils' icotool: the 256-pixel one stored as the PNG itself, as Windows
# Vista and later read it; the 32-pixel palette image as a 256-colour bitmap.
# icotool keeps a palette only for an image without variable transparency, so
# that image's partly transparent pixels are first made wholly transparent
# below half opacity and opaque from it, as the bitmap's mask has them
# (netpbm).
function(dd_pack_icon ico dir)
  foreach(tool icotool pngtopnm pamditherbw pamtopnm pbmtopgm pnmtopng)
    string(TOUPPER ${tool} variable)
    find_program(${variable} ${tool} REQUIRED)
  endforeach()
  set(images)
  set(palette ${dir}/32/distinct-digits.png)
  set(masked ${dir}/32/masked)
  foreach(size ${ARGN})
    if(size EQUAL 256)
      list(APPEND images -r ${dir}/256/distinct-digits.png)
    elseif(size EQUAL 32)
      list(APPEND images ${masked}.png)
    else()
      list(APPEND images ${dir}/${size}/distinct-digits.png)
    endif()
  endforeach()
  list(TRANSFORM ARGN REPLACE "(.+)" "${dir}/\\1/distinct-digits.png" OUTPUT_VARIABLE inputs)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${PNGTOPNM} ${palette} > ${masked}.ppm
    COMMAND ${PNGTOPNM} -alpha ${palette} > ${masked}-alpha.pgm
    COMMAND ${PAMDITHERBW} -threshold -value 0.5 ${masked}-alpha.pgm > ${masked}.pam
    COMMAND ${PAMTOPNM} ${masked}.pam > ${masked}.pbm
    COMMAND ${PBMTOPGM} 1 1 ${masked}.pbm > ${masked}-mask.pgm
    COMMAND ${PNMTOPNG} -alpha=${masked}-mask.pgm ${masked}.ppm > ${masked}.png
    COMMAND ${ICOTOOL} -c -o ${ico} ${images}
    DEPENDS ${inputs} VERBATIM)
endfunction()
