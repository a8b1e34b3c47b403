# The program's icon: one SVG drawing (dist/icons), rendered at build time by render-icon (Qt's
# own SVG renderer) into the hicolor PNG sizes. reckora_add_icons(target) builds the 16 to 256
# pixel renderings into target's resources under :/icons/<size>.png and installs them, with the
# SVG, into the hicolor theme.

set(RECKORA_ICON_SVG ${PROJECT_SOURCE_DIR}/dist/icons/${RECKORA_APPLICATION_ID}.svg)
set(RECKORA_ICON_SIZES 16 32 48 64 128 256)

function(reckora_add_icons target)
  set(pngs)
  foreach(size IN LISTS RECKORA_ICON_SIZES)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
              $<TARGET_FILE:render-icon> ${RECKORA_ICON_SVG} ${size} ${png}
      DEPENDS render-icon ${RECKORA_ICON_SVG}
      COMMENT "Rendering the ${size} px icon")
    list(APPEND pngs ${png})
    install(FILES ${png}
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${RECKORA_APPLICATION_ID}.png)
  endforeach()
  qt_add_resources(${target} reckora_icons PREFIX /icons BASE ${CMAKE_CURRENT_BINARY_DIR}/icons
    FILES ${pngs})
  install(FILES ${RECKORA_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endfunction()
