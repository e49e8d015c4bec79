# The program's identity on the desktop and its icon.
# packaging/dopusk.svg is the one drawing; the build renders it to PNG at every size the
# hicolor theme uses, compiles those into the program for its window icon and installs them.

# Desktop and AppStream identifier: the project's web address reversed.
set(DOPUSK_APP_ID org.example.dopusk)
set(DOPUSK_ICON_SVG ${PROJECT_SOURCE_DIR}/packaging/dopusk.svg)
set(DOPUSK_ICON_SIZES 16 22 24 32 48 64 128 256)

find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT AND UNIX)
  message(FATAL_ERROR "rsvg-convert (Debian package librsvg2-bin) is needed to render the icon; "
                      "scripts/ensure-packages.sh installs it")
elseif(NOT RSVG_CONVERT)
  message(WARNING "rsvg-convert not found: the windows are built without the program's icon")
endif()

# Renders the icon beside ${target}, puts the renderings in its resources as
# :/icons/dopusk-<size>.png and records where the hicolor tree lies, for the install rules.
function(dopusk_add_icons target)
  if(NOT RSVG_CONVERT)
    return()
  endif()
  set(hicolor ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)
  set(pngs)
  foreach(size IN LISTS DOPUSK_ICON_SIZES)
    set(dir ${hicolor}/${size}x${size}/apps)
    set(png ${dir}/${DOPUSK_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${DOPUSK_ICON_SVG}
      DEPENDS ${DOPUSK_ICON_SVG}
      COMMENT "Rendering the ${size}x${size} icon"
      VERBATIM)
    set_source_files_properties(${png} PROPERTIES QT_RESOURCE_ALIAS dopusk-${size}.png)
    list(APPEND pngs ${png})
  endforeach()
  qt_add_resources(${target} dopusk_icons PREFIX /icons FILES ${pngs})
  set_property(GLOBAL PROPERTY DOPUSK_HICOLOR_DIR ${hicolor})
endfunction()
