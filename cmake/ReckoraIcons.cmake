# The program's icon: one SVG drawing (dist/icons), rendered at build time by render-icon (Qt's
# own SVG renderer) into the hicolor PNG sizes. reckora_add_icons(target) installs the 16 to 256
# pixel PNGs, with the SVG, into the hicolor theme, and builds the window icon's sizes (16 to 64)
# into target's resources as bare pixels, under :/icons/<size>.rgba.

set(RECKORA_ICON_SVG ${PROJECT_SOURCE_DIR}/dist/icons/${RECKORA_APPLICATION_ID}.svg)
set(RECKORA_ICON_SIZES 16 32 48 64 128 256)
set(RECKORA_WINDOW_ICON_SIZES 16 32 48 64)

function(reckora_render_icon size output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:render-icon> ${RECKORA_ICON_SVG} ${size} ${output}
    DEPENDS render-icon ${RECKORA_ICON_SVG}
    COMMENT "Rendering the ${size} px icon")
endfunction()

function(reckora_add_icons target)
  set(pngs)
  foreach(size IN LISTS RECKORA_ICON_SIZES)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}.png)
    reckora_render_icon(${size} ${png})
    list(APPEND pngs ${png})
    install(FILES ${png}
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${RECKORA_APPLICATION_ID}.png)
  endforeach()
  # Only installed: built with everything else, so that an install finds them.
  add_custom_target(${target}_icon_pngs ALL DEPENDS ${pngs})
  set(pixels)
  foreach(size IN LISTS RECKORA_WINDOW_ICON_SIZES)
    set(rgba ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}.rgba)
    reckora_render_icon(${size} ${rgba})
    list(APPEND pixels ${rgba})
  endforeach()
  qt_add_resources(${target} reckora_icons PREFIX /icons BASE ${CMAKE_CURRENT_BINARY_DIR}/icons
    FILES ${pixels})
  install(FILES ${RECKORA_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endfunction()
