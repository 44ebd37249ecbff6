# The compiled scripts that the program runs by number live in the folder
# "scripts" beside its executable: the AppleScript texts on the Mac, stand-ins
# that report Acrobat's absence elsewhere.
set(YORVANE_COMPILED_SCRIPTS_COPIER ${CMAKE_CURRENT_LIST_DIR}/copy_compiled_scripts.cmake)

# Copies the scripts for this platform into <folder of target>/scripts after
# every link of `target`, with the executable bit set.
function(yorvane_install_compiled_scripts target)
  if(APPLE)
    set(source_dir ${PROJECT_SOURCE_DIR}/app/compiled_scripts/mac)
  else()
    set(source_dir ${PROJECT_SOURCE_DIR}/app/compiled_scripts/posix)
  endif()
  file(GLOB scripts CONFIGURE_DEPENDS ${source_dir}/*)
  # A changed script relinks the target, so the copy below runs again.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${scripts})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND}
      -DSOURCE_DIR=${source_dir}
      -DDESTINATION_DIR=$<TARGET_FILE_DIR:${target}>/scripts
      -P ${YORVANE_COMPILED_SCRIPTS_COPIER}
    COMMENT "Copying the compiled scripts beside ${target}"
    VERBATIM)
endfunction()
