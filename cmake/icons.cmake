# The programs' icons: drawn as SVG in packaging/icons, made into ICO files (16, 24, 32, 48 and
# 256 pixels) with Debian's rsvg-convert and icotool. The .rc files take them from dir.
function(lanset_program_icons dir)
  find_program(RSVG_CONVERT rsvg-convert)
  find_program(ICOTOOL icotool)
  if(NOT RSVG_CONVERT OR NOT ICOTOOL)
    message(FATAL_ERROR "rsvg-convert or icotool is missing: install librsvg2-bin and icoutils "
                        "(scripts/install-deps)")
  endif()
  set(icons)
  foreach(name lanset plugset lanset-cli)
    set(svg ${CMAKE_SOURCE_DIR}/packaging/icons/${name}.svg)
    set(pngs)
    set(commands)
    foreach(size 16 24 32 48 256)
      set(png ${dir}/icons/${name}-${size}.png)
      list(APPEND commands COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg})
      # The 256-pixel image stays PNG inside the ICO, as Windows' own icons have it.
      if(size EQUAL 256)
        list(APPEND pngs --raw=${png})
      else()
        list(APPEND pngs ${png})
      endif()
    endforeach()
    add_custom_command(
      OUTPUT ${dir}/${name}.ico
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/icons
      ${commands}
      COMMAND ${ICOTOOL} -c -o ${dir}/${name}.ico ${pngs}
      DEPENDS ${svg}
      COMMENT "Icon ${name}.ico"
      VERBATIM)
    list(APPEND icons ${dir}/${name}.ico)
  endforeach()
  add_custom_target(program_icons DEPENDS ${icons})
endfunction()

# The .rc source takes its program's icon: rebuilt when the icon changes, made before it.
function(lanset_rc_icon target rc name)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${LANSET_GENERATED_DIR}/${name}.ico)
  add_dependencies(${target} program_icons)
endfunction()
