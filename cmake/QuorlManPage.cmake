# quorl_install_man_page(PAGE.1): the page compressed as Debian installs man pages
# (gzip -9, no name or time stamp inside, so the package is the same on every build).
function(quorl_install_man_page page)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${page})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${page} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${page}
        COMMENT "Compressing ${page}")
    add_custom_target(man_${page} ALL DEPENDS ${copy}.gz)
    install(FILES ${copy}.gz DESTINATION share/man/man1)
endfunction()
